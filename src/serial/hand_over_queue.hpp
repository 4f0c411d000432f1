#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <mutex>

namespace vezu::serial {

// Calls that worker threads hand to the main thread. The owner installs a wake
// hook that gets the main thread to call processPending() soon (the window
// posts itself an event); tests call processPending() themselves. No task,
// hook or condition is ever called with the queue's lock held.
class HandOverQueue {
public:
    using Task = std::function<void()>;

    HandOverQueue() = default;
    HandOverQueue(const HandOverQueue&) = delete;
    HandOverQueue& operator=(const HandOverQueue&) = delete;

    // The queue the program's main thread drains.
    static HandOverQueue& mainThread();

    // Called from the handing thread after a task was queued; must not block.
    void setWakeHook(std::function<void()> wake);
    // Receives what a task handed over by send() throws (the handlers of a
    // smWindowSync port); the program installs its general error report here.
    // Without one such an error is written to stderr.
    void setErrorReport(std::function<void(std::exception_ptr)> report);

    // Worker side: has the task run on the main thread, waits until it has
    // run and throws here what it threw.
    void runAndWait(Task task);
    // Worker side: waits only until the main thread has taken the task up;
    // its errors go to the error report.
    void send(Task task);

    // Main thread: runs the tasks waiting now; returns how many ran.
    std::size_t processPending();
    // Main thread: runs tasks as they arrive until done() holds. done() is
    // looked at after every task, on wakeWaiters() and at least every second.
    void processUntil(const std::function<bool()>& done);
    // Has processUntil() look at its condition again.
    void wakeWaiters();

private:
    struct Item {
        Task task;
        bool answerFirst = false;
        std::promise<void> handled;
    };

    void push(const std::shared_ptr<Item>& item);
    std::shared_ptr<Item> pop();
    void run(Item& item);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Item>> items_;
    // Counts pushes and wakeWaiters(), so that none is missed between a look
    // at the condition and the wait.
    std::uint64_t signals_ = 0;
    std::function<void()> wake_;
    std::function<void(std::exception_ptr)> errorReport_;
};

} // namespace vezu::serial
