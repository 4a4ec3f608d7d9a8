#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/rtl/Threads.h"
#include "platform/ui/Forms.h"

namespace {

using namespace std::chrono_literals;

// Hands a number of calls to the GUI thread and notes on which thread each ran; every
// call also counts in Total.
class CountingThread : public TThread {
public:
    explicit CountingThread(int calls, int* total = nullptr) : calls_(calls), total_(total) {}
    ~CountingThread() override
    {
        Terminate();
        WaitFor();
    }
    int ranOnGui = 0;
    int ranElsewhere = 0;

protected:
    void Execute() override
    {
        for (int i = 0; i < calls_ && !Terminated(); ++i)
            Synchronize([this] {
                (std::this_thread::get_id() == gui_ ? ranOnGui : ranElsewhere)++;
                if (total_) ++*total_;
            });
    }

private:
    int calls_;
    int* total_;
    std::thread::id gui_ = std::this_thread::get_id();
};

// Waits on an event of its own until it is terminated.
class WaitingThread : public TThread {
public:
    ~WaitingThread() override
    {
        Terminate();
        WaitFor();
    }
    TEvent started;

protected:
    void Execute() override
    {
        started.SetEvent();
        wake_.WaitFor();
        throw Exception("woken");
    }
    void TerminatedSet() override { wake_.SetEvent(); }

private:
    TEvent wake_;
};

TEST(Threads, SynchronizeRunsOnTheGuiThreadWhileItWaits)
{
    Application->ProcessMessages();
    CountingThread thread(5);
    thread.Start();
    thread.WaitFor();
    EXPECT_EQ(thread.ranOnGui, 5);
    EXPECT_EQ(thread.ranElsewhere, 0);
    EXPECT_TRUE(thread.Finished());
}

TEST(Threads, SynchronizeRunsFromTheEventLoop)
{
    Application->ProcessMessages();
    CountingThread thread(3);
    thread.Start();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!thread.Finished() && std::chrono::steady_clock::now() < deadline)
        Application->ProcessMessages();
    EXPECT_EQ(thread.ranOnGui, 3);
}

TEST(Threads, TerminateWakesAWaitingWorkerAndKeepsItsError)
{
    WaitingThread thread;
    thread.Start();
    thread.started.WaitFor();
    thread.Terminate();
    thread.WaitFor();
    EXPECT_TRUE(thread.Terminated());
    EXPECT_EQ(thread.FatalException(), "woken");
}

TEST(Threads, NoCallRunsAfterTheThreadIsGone)
{
    Application->ProcessMessages();
    int total = 0;
    {
        CountingThread thread(1000, &total);
        thread.Start();
        std::this_thread::sleep_for(5ms);
    } // a call still queued on the event loop belongs to a thread that no longer exists
    const int atEnd = total;
    EXPECT_LT(atEnd, 1000);
    for (int i = 0; i < 10; ++i)
        Application->ProcessMessages();
    EXPECT_EQ(total, atEnd);
}

TEST(Threads, EventStaysSetUntilReset)
{
    TEvent event;
    EXPECT_FALSE(event.IsSet());
    event.SetEvent();
    event.WaitFor();
    EXPECT_TRUE(event.IsSet());
    event.ResetEvent();
    EXPECT_FALSE(event.IsSet());
}

} // namespace
