#pragma once
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// A worker thread beside the GUI thread. Execute runs on the worker; it hands work that
// touches windows to the GUI thread with Synchronize. An exception that escapes Execute
// ends the thread and is kept as FatalException. A derived class whose worker waits on
// something of its own calls Terminate and WaitFor in its own destructor, where
// TerminatedSet can still wake the worker.
class TThread {
public:
    TThread() = default;
    // Terminates the thread and waits for its end.
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    // Asks the thread to end; Execute tests Terminated.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Waits for the end of Execute. On the GUI thread it keeps running the calls that the
    // worker hands over meanwhile, so that a Synchronize cannot wait for it forever.
    void WaitFor();
    bool Finished() const { return finished_; }
    const std::string& FatalException() const { return fatalException_; }

protected:
    virtual void Execute() = 0;
    // Called on the thread that terminates this one, after Terminated became true: the
    // place to wake a worker that waits.
    virtual void TerminatedSet() {}
    // Runs the call on the GUI thread and waits for it; an exception goes to the
    // application's error box. Once the thread is terminated the call is dropped if it has
    // not started yet.
    void Synchronize(const std::function<void()>& call);

private:
    struct TSyncCall;
    static void Run(TSyncCall& sync);
    // Terminated becomes true; whoever waits for a change of the thread is told.
    void MarkTerminated();

    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::string fatalException_;
    // Guards pending_ and tells of its changes, of the end of Execute and of Terminate.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::shared_ptr<TSyncCall> pending_;
};

// A manual-reset event: once set it stays set, releasing every wait, until it is reset.
class TEvent {
public:
    void SetEvent();
    void ResetEvent();
    void WaitFor();
    bool IsSet() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};
