#include "platform/rtl/Threads.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <exception>

#include "platform/QtRuntime.h"

// A call handed to the GUI thread. It is shared with the queued event that runs it, so that
// it outlives a thread that ends before the event comes.
struct TThread::TSyncCall {
    enum TState { Waiting, Running, Done, Dropped };
    std::function<void()> call;
    TState state = Waiting;
    std::mutex* mutex;
    std::condition_variable* changed;
};

namespace {
bool OnGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}
} // namespace

// The derived object is gone here: TerminatedSet would not reach its override.
TThread::~TThread()
{
    MarkTerminated();
    WaitFor();
}

void TThread::Start()
{
    thread_ = std::thread([this] {
        try {
            Execute();
        } catch (const std::exception& e) {
            fatalException_ = e.what();
        }
        std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_all();
    });
}

void TThread::Terminate()
{
    MarkTerminated();
    TerminatedSet();
}

void TThread::MarkTerminated()
{
    std::lock_guard lock(mutex_);
    terminated_ = true;
    changed_.notify_all();
}

void TThread::Run(TSyncCall& sync)
{
    {
        std::lock_guard lock(*sync.mutex);
        if (sync.state != TSyncCall::Waiting) return;
        sync.state = TSyncCall::Running;
    }
    GuardedCall(sync.call);
    std::lock_guard lock(*sync.mutex);
    sync.state = TSyncCall::Done;
    sync.changed->notify_all();
}

void TThread::Synchronize(const std::function<void()>& call)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || OnGuiThread()) return call();
    auto sync = std::make_shared<TSyncCall>();
    sync->call = call;
    sync->mutex = &mutex_;
    sync->changed = &changed_;
    {
        std::lock_guard lock(mutex_);
        if (terminated_) return;
        pending_ = sync;
        changed_.notify_all();
    }
    // The queued event holds only a weak reference: a dropped call is never run.
    std::weak_ptr<TSyncCall> weak = sync;
    QMetaObject::invokeMethod(
        app,
        [weak] {
            if (auto s = weak.lock()) Run(*s);
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
        return sync->state == TSyncCall::Done || (terminated_ && sync->state == TSyncCall::Waiting);
    });
    if (sync->state == TSyncCall::Waiting) sync->state = TSyncCall::Dropped;
    pending_.reset();
}

void TThread::WaitFor()
{
    if (!thread_.joinable()) return;
    if (OnGuiThread()) {
        std::unique_lock lock(mutex_);
        while (!finished_) {
            changed_.wait(lock,
                          [&] { return finished_ || (pending_ && pending_->state == TSyncCall::Waiting); });
            if (finished_) break;
            const std::shared_ptr<TSyncCall> sync = pending_;
            lock.unlock();
            Run(*sync);
            lock.lock();
        }
    }
    thread_.join();
}

void TEvent::SetEvent()
{
    std::lock_guard lock(mutex_);
    set_ = true;
    changed_.notify_all();
}

void TEvent::ResetEvent()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

void TEvent::WaitFor()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return set_; });
}

bool TEvent::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}
