#include "serial/hand_over_queue.hpp"

#include <chrono>
#include <iostream>

namespace vezu::serial {

namespace {

// Better seen somewhere than lost when no report is installed.
void reportOnStderr(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
    } catch (...) {
        std::cerr << "unknown error in a serial port handler\n";
    }
}

} // namespace

HandOverQueue& HandOverQueue::mainThread() {
    static HandOverQueue queue;
    return queue;
}

void HandOverQueue::setWakeHook(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

void HandOverQueue::setErrorReport(std::function<void(std::exception_ptr)> report) {
    std::lock_guard lock(mutex_);
    errorReport_ = std::move(report);
}

void HandOverQueue::push(const std::shared_ptr<Item>& item) {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex_);
        items_.push_back(item);
        ++signals_;
        wake = wake_;
    }
    changed_.notify_all();
    if (wake)
        wake();
}

void HandOverQueue::runAndWait(Task task) {
    auto item = std::make_shared<Item>();
    item->task = std::move(task);
    auto handled = item->handled.get_future();
    push(item);
    handled.get();
}

void HandOverQueue::send(Task task) {
    auto item = std::make_shared<Item>();
    item->task = std::move(task);
    item->answerFirst = true;
    auto taken = item->handled.get_future();
    push(item);
    taken.get();
}

std::shared_ptr<HandOverQueue::Item> HandOverQueue::pop() {
    std::lock_guard lock(mutex_);
    if (items_.empty())
        return nullptr;
    auto item = items_.front();
    items_.pop_front();
    return item;
}

void HandOverQueue::run(Item& item) {
    if (item.answerFirst) {
        item.handled.set_value();
        try {
            item.task();
        } catch (...) {
            std::function<void(std::exception_ptr)> report;
            {
                std::lock_guard lock(mutex_);
                report = errorReport_;
            }
            if (report)
                report(std::current_exception());
            else
                reportOnStderr(std::current_exception());
        }
        return;
    }
    try {
        item.task();
        item.handled.set_value();
    } catch (...) {
        item.handled.set_exception(std::current_exception());
    }
}

std::size_t HandOverQueue::processPending() {
    std::size_t count = 0;
    {
        std::lock_guard lock(mutex_);
        count = items_.size();
    }
    // Only what was waiting on entry, so a busy worker cannot keep us here.
    std::size_t ran = 0;
    for (; ran < count; ++ran) {
        auto item = pop();
        if (!item)
            break;
        run(*item);
    }
    return ran;
}

void HandOverQueue::processUntil(const std::function<bool()>& done) {
    for (;;) {
        std::uint64_t seen = 0;
        {
            std::lock_guard lock(mutex_);
            seen = signals_;
        }
        // Looked at without the lock: it may call anything, this queue included.
        if (done())
            return;
        std::shared_ptr<Item> item;
        {
            std::unique_lock lock(mutex_);
            if (items_.empty())
                changed_.wait_for(lock, std::chrono::seconds(1), [&] { return signals_ != seen; });
            if (!items_.empty()) {
                item = items_.front();
                items_.pop_front();
            }
        }
        if (item)
            run(*item);
    }
}

void HandOverQueue::wakeWaiters() {
    {
        std::lock_guard lock(mutex_);
        ++signals_;
    }
    changed_.notify_all();
}

} // namespace vezu::serial
