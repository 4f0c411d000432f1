#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

#include "pty.hpp"
#include "serial/hand_over_queue.hpp"

namespace vezu::serial::test {
namespace {

TEST(HandOverQueue, RunAndWaitRunsOnTheDrainingThreadAndWaitsForIt) {
    HandOverQueue queue;
    std::atomic<int> wakes = 0;
    queue.setWakeHook([&] { ++wakes; });
    std::thread::id ranOn;
    bool ran = false;
    auto worker = std::async(std::launch::async, [&] {
        queue.runAndWait([&] {
            ranOn = std::this_thread::get_id();
            ran = true;
        });
        // Only returns once the task has run.
        return ran;
    });
    EXPECT_TRUE(eventually([&] { return queue.processPending() == 1; }));
    EXPECT_TRUE(worker.get());
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(queue.processPending(), 0u);
}

TEST(HandOverQueue, ATasksErrorIsThrownInTheWorker) {
    HandOverQueue queue;
    auto worker = std::async(std::launch::async, [&] {
        queue.runAndWait([] { throw std::runtime_error("handler failed"); });
    });
    EXPECT_TRUE(eventually([&] { return queue.processPending() == 1; }));
    try {
        worker.get();
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "handler failed");
    }
}

TEST(HandOverQueue, SendGoesOnOnceTakenAndReportsErrors) {
    HandOverQueue queue;
    std::string reported;
    queue.setErrorReport([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported = e.what();
        }
    });
    std::promise<void> release;
    auto released = release.get_future().share();
    auto worker = std::async(std::launch::async, [&] {
        queue.send([released] {
            released.wait();
            throw std::runtime_error("shown to the user");
        });
    });
    // The worker is free while the task is still running.
    std::thread drainer([&] { eventually([&] { return queue.processPending() == 1; }); });
    EXPECT_EQ(worker.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    release.set_value();
    drainer.join();
    EXPECT_EQ(reported, "shown to the user");
}

TEST(HandOverQueue, ProcessUntilRunsTasksUntilTheConditionHolds) {
    HandOverQueue queue;
    std::atomic<bool> done = false;
    int ran = 0;
    auto worker = std::async(std::launch::async, [&] {
        queue.runAndWait([&] { ++ran; });
        queue.runAndWait([&] { ++ran; });
        done = true;
        queue.wakeWaiters();
    });
    queue.processUntil([&] { return done.load(); });
    worker.get();
    EXPECT_EQ(ran, 2);
}

// Without an installed report the error is still seen, not swallowed.
TEST(HandOverQueue, ASentTasksErrorWithoutAReportGoesToStderr) {
    HandOverQueue queue;
    auto worker = std::async(std::launch::async, [&] {
        queue.send([] { throw std::runtime_error("ReadFile function failed (Error: 5)"); });
    });
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(eventually([&] { return queue.processPending() == 1; }));
    worker.get();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ReadFile function failed (Error: 5)\n");
}

// A condition may use the queue itself: it is never called under its lock.
TEST(HandOverQueue, ProcessUntilLooksAtItsConditionOutsideTheLock) {
    HandOverQueue queue;
    int looks = 0;
    queue.processUntil([&] {
        queue.wakeWaiters();
        queue.processPending();
        return ++looks == 3;
    });
    EXPECT_EQ(looks, 3);
}

} // namespace
} // namespace vezu::serial::test
