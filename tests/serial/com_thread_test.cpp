#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

#include "fake_com_port.hpp"
#include "pty.hpp"
#include "serial/platform/posix_serial_device.hpp"

namespace vezu::serial::test {
namespace {

using namespace platform;
using namespace std::chrono_literals;

// Runs handed-over deliveries until condition holds.
bool drainUntil(HandOverQueue& queue, const std::function<bool()>& condition) {
    return eventually([&] {
        queue.processPending();
        return condition();
    });
}

// Drains for a while; for checking that nothing more comes.
void drainFor(HandOverQueue& queue, std::chrono::milliseconds span) {
    const auto until = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < until) {
        queue.processPending();
        waitBriefly();
    }
}

// A port on the in-memory device whose handlers log their calls.
class EventPort : public ::testing::Test {
protected:
    void SetUp() override {
        auto note = [this](const std::string& entry) {
            std::lock_guard lock(mutex);
            log.push_back(entry);
        };
        port.OnError = [note](TCustomComPort&, TComErrors) { note("Error"); };
        port.OnRxChar = [note](TCustomComPort&, std::int32_t count) {
            note("RxChar " + std::to_string(count));
        };
        port.OnTxEmpty = [note](TCustomComPort&) { note("TxEmpty"); };
        port.OnBreak = [note](TCustomComPort&) { note("Break"); };
        port.OnRing = [note](TCustomComPort&) { note("Ring"); };
        port.OnCTSChange = [note](TCustomComPort&, bool) { note("CTS"); };
        port.OnDSRChange = [note](TCustomComPort&, bool) { note("DSR"); };
        port.OnRxFlag = [note](TCustomComPort&) { note("RxFlag"); };
        port.OnRLSDChange = [note](TCustomComPort&, bool) { note("RLSD"); };
        port.OnRx80Full = [note](TCustomComPort&) { note("Rx80Full"); };
    }

    void openAndForgetTheSignalReport() {
        port.Open();
        std::lock_guard lock(mutex);
        log.clear();
    }

    std::vector<std::string> entries() {
        std::lock_guard lock(mutex);
        return log;
    }

    // Declared first: the port's handlers log until it is gone.
    std::mutex mutex;
    std::vector<std::string> log;
    FakeComPort port;
};

TEST_F(EventPort, ABatchIsDeliveredInTheFixedOrder) {
    openAndForgetTheSignalReport();
    port.device->receive("abc");
    port.device->setLineErrors(CE_FRAME);
    port.device->queueEvents(0x05FF);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return entries().size() == 10; }));
    EXPECT_EQ(entries(), (std::vector<std::string>{"Error", "RxChar 3", "TxEmpty", "Break", "Ring",
                                                   "CTS", "DSR", "RxFlag", "RLSD", "Rx80Full"}));
}

TEST_F(EventPort, NothingWaitingAndNoLineErrorCallNoHandler) {
    openAndForgetTheSignalReport();
    port.device->queueEvents(EV_RXCHAR | EV_ERR);
    port.device->queueEvents(EV_RING);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return !entries().empty(); }));
    EXPECT_EQ(entries(), std::vector<std::string>{"Ring"});
}

TEST_F(EventPort, AnEmptyEventSetStartsNoThread) {
    port.SetEvents({});
    openAndForgetTheSignalReport();
    EXPECT_EQ(port.device->count("setEventMask"), 0u);
    port.device->receive("abc");
    port.device->queueEvents(EV_RXCHAR);
    drainFor(port.queue, 150ms);
    EXPECT_TRUE(entries().empty());
}

TEST_F(EventPort, TheMaskComesFromEventsAtOpen) {
    port.SetEvents({TComEvent::evRxChar, TComEvent::evError});
    openAndForgetTheSignalReport();
    EXPECT_EQ(port.device->eventMask(), 0x0081u);
    port.SetEvents({TComEvent::evRing});
    EXPECT_EQ(port.device->eventMask(), 0x0081u);
    port.Close();
    EXPECT_EQ(port.device->eventMask(), 0u);
    port.Open();
    EXPECT_EQ(port.device->eventMask(), 0x0100u);
}

TEST_F(EventPort, AHandlersErrorEndsDeliveriesUntilReopened) {
    int calls = 0;
    port.OnRxChar = [&](TCustomComPort&, std::int32_t) {
        ++calls;
        throw EComPort(kReadFailed, 5);
    };
    openAndForgetTheSignalReport();
    port.device->receive("a");
    port.device->queueEvents(EV_RXCHAR);
    port.device->queueEvents(EV_RXCHAR);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return calls == 1; }));
    drainFor(port.queue, 150ms);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(port.Connected());

    port.Close();
    EXPECT_FALSE(port.Connected());
    port.Open();
    port.device->receive("b");
    port.device->queueEvents(EV_RXCHAR);
    EXPECT_TRUE(drainUntil(port.queue, [&] { return calls == 2; }));
}

TEST_F(EventPort, CloseRunsADeliveryAlreadyOnItsWay) {
    std::atomic<bool> handedOver = false;
    port.queue.setWakeHook([&] { handedOver = true; });
    bool openDuringDelivery = false;
    port.OnRxChar = [&](TCustomComPort& p, std::int32_t) { openDuringDelivery = p.Connected(); };
    openAndForgetTheSignalReport();
    port.device->receive("last");
    port.device->queueEvents(EV_RXCHAR);
    ASSERT_TRUE(eventually([&] { return handedOver.load(); }));

    port.Close();
    EXPECT_TRUE(openDuringDelivery);
    EXPECT_FALSE(port.Connected());
    // The thread emptied both driver queues on its way out.
    const auto purges = port.device->purges();
    EXPECT_NE(std::find(purges.begin(), purges.end(), 12u), purges.end());
}

TEST_F(EventPort, AHandlerMayCloseItsPort) {
    port.OnRxChar = [](TCustomComPort& p, std::int32_t) { p.Close(); };
    openAndForgetTheSignalReport();
    port.device->receive("x");
    port.device->queueEvents(EV_RXCHAR | EV_RING);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return !port.Connected(); }));
    // Only the signals reported by the close: the rest of that batch (Ring)
    // is not delivered to a closed port.
    EXPECT_EQ(entries(), (std::vector<std::string>{"CTS", "DSR", "RLSD"}));

    int calls = 0;
    port.OnRxChar = [&](TCustomComPort&, std::int32_t) { ++calls; };
    port.Open();
    port.device->receive("y");
    port.device->queueEvents(EV_RXCHAR);
    EXPECT_TRUE(drainUntil(port.queue, [&] { return calls == 1; }));
}

TEST_F(EventPort, WithoutSyncTheHandlersRunOnTheEventThread) {
    port.SetSyncMethod(TSyncMethod::smNone);
    std::atomic<bool> called = false;
    std::thread::id ranOn;
    port.OnRxChar = [&](TCustomComPort&, std::int32_t) {
        ranOn = std::this_thread::get_id();
        called = true;
    };
    openAndForgetTheSignalReport();
    port.device->receive("x");
    port.device->queueEvents(EV_RXCHAR);
    ASSERT_TRUE(eventually([&] { return called.load(); }));
    EXPECT_NE(ranOn, std::this_thread::get_id());
    EXPECT_EQ(port.queue.processPending(), 0u);
}

TEST_F(EventPort, WindowSyncHandsEventsOverOneByOneAndReportsErrors) {
    port.SetSyncMethod(TSyncMethod::smWindowSync);
    std::vector<std::string> reported;
    port.queue.setErrorReport([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
    port.OnRing = [](TCustomComPort&) { throw EComPort(kReadFailed, 5); };
    openAndForgetTheSignalReport();
    port.device->receive("ab");
    port.device->queueEvents(EV_RXCHAR | EV_RING | EV_CTS);
    port.device->queueEvents(EV_BREAK);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return entries().size() == 3; }));
    EXPECT_EQ(entries(), (std::vector<std::string>{"RxChar 2", "CTS", "Break"}));
    EXPECT_EQ(reported, std::vector<std::string>{"ReadFile function failed (Error: 5)"});
}

TEST_F(EventPort, ReadingForTheHandlerWhenItDoesNotTrigger) {
    port.SetTriggersOnRxChar(false);
    std::string received;
    port.OnRxBuf = [&](TCustomComPort&, const std::uint8_t* bytes, std::int32_t count) {
        received.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    };
    openAndForgetTheSignalReport();
    port.device->receive("weigh");
    port.device->queueEvents(EV_RXCHAR);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return !received.empty(); }));
    EXPECT_EQ(received, "weigh");
    EXPECT_TRUE(entries().empty());
}

// A device that goes away with bytes still waiting, under each way of
// delivery: every byte comes first, then the loss, once.
class DeviceLoss : public EventPort, public ::testing::WithParamInterface<TSyncMethod> {};

TEST_P(DeviceLoss, WhatArrivedIsDeliveredBeforeTheLossIsTold) {
    port.SetSyncMethod(GetParam());
    std::string received;
    port.OnRxChar = [&](TCustomComPort& p, std::int32_t count) {
        std::string text;
        // Less than announced: the rest still has to come before the loss.
        p.ReadStr(text, std::min(count, 6));
        std::lock_guard lock(mutex);
        received += text;
        log.push_back("RxChar " + std::to_string(count));
    };
    port.OnDeviceLost = [&](TCustomComPort& p) {
        std::lock_guard lock(mutex);
        log.push_back(p.DeviceLost() ? "Lost" : "Lost before DeviceLost was set");
    };
    openAndForgetTheSignalReport();
    port.device->receive("0123456789");
    port.device->queueEvents(EV_RXCHAR);
    port.device->hangUp(EIO);
    ASSERT_TRUE(drainUntil(port.queue, [&] { return entries().size() == 3; }));
    drainFor(port.queue, 100ms);
    EXPECT_EQ(entries(), (std::vector<std::string>{"RxChar 10", "RxChar 4", "Lost"}));
    EXPECT_EQ(received, "0123456789");
    EXPECT_TRUE(port.DeviceLost());
    EXPECT_TRUE(port.Connected());

    port.Close();
    port.device->hangUp(0);
    port.Open();
    EXPECT_FALSE(port.DeviceLost());
}

INSTANTIATE_TEST_SUITE_P(EachSyncMethod, DeviceLoss,
                         ::testing::Values(TSyncMethod::smThreadSync, TSyncMethod::smWindowSync,
                                           TSyncMethod::smNone));

// A handler that destroys its own port: the call returns, and the event
// thread ends by itself without touching the port again.
class DestroyedByItsHandler : public ::testing::TestWithParam<TSyncMethod> {};

TEST_P(DestroyedByItsHandler, ReturnsAndTheThreadEnds) {
    struct Owner {
        std::unique_ptr<FakeComPort> port = std::make_unique<FakeComPort>();
        std::atomic<bool> destroyed = false;
    };
    HandOverQueue queue;
    auto owner = std::make_shared<Owner>();
    owner->port->setHandOverQueue(queue);
    owner->port->SetSyncMethod(GetParam());
    const auto device = owner->port->device;
    owner->port->OnRxChar = [state = owner.get()](TCustomComPort&, std::int32_t) {
        // The handler goes with the port: nothing of it may be used afterwards.
        Owner* const kept = state;
        kept->port.reset();
        kept->destroyed = true;
    };
    owner->port->Open();
    device->receive("x");
    device->queueEvents(EV_RXCHAR | EV_RING);
    ASSERT_TRUE(drainUntil(queue, [&] { return owner->destroyed.load(); }));
    // The thread clears the event mask on its way out.
    EXPECT_TRUE(drainUntil(queue, [&] { return device->eventMask() == 0; }));
    drainFor(queue, 100ms);
}

INSTANTIATE_TEST_SUITE_P(EachSyncMethod, DestroyedByItsHandler,
                         ::testing::Values(TSyncMethod::smThreadSync, TSyncMethod::smWindowSync,
                                           TSyncMethod::smNone));

// The capture over a pseudo-terminal: the far end plays the indicator.
class PtyCapture : public ::testing::Test {
protected:
    void SetUp() override {
        port.SetPort(pty.slavePath());
        port.setHandOverQueue(queue);
        port.OnRxChar = [this](TCustomComPort& p, std::int32_t count) {
            counts.push_back(count);
            if (duringDelivery)
                duringDelivery();
            std::string text;
            p.ReadStr(text, count);
            received += text;
        };
    }

    void TearDown() override { port.Close(); }

    Pty pty;
    HandOverQueue queue;
    TComPort port;
    std::vector<std::int32_t> counts;
    std::string received;
    std::function<void()> duringDelivery;
};

TEST_F(PtyCapture, BurstsArriveWholeOnTheDrainingThread) {
    port.Open();
    const std::string listing = "KR-20 LOTE 001\r\n0001  452,5\r\n0002  (\xE9) 398,0\r\n";
    for (std::size_t at = 0; at < listing.size(); at += 7)
        pty.send(listing.substr(at, 7));
    ASSERT_TRUE(drainUntil(queue, [&] { return received.size() == listing.size(); }));
    EXPECT_EQ(received, listing);
    for (const std::int32_t count : counts)
        EXPECT_GT(count, 0);
}

TEST_F(PtyCapture, BytesArrivingDuringADeliveryAreAnnouncedOnceAfterIt) {
    port.Open();
    duringDelivery = [this] {
        if (counts.size() != 1)
            return;
        pty.send("bcdef");
        eventually([&] { return port.InputCount() == 6; });
    };
    pty.send("a");
    ASSERT_TRUE(drainUntil(queue, [&] { return received.size() == 6; }));
    drainFor(queue, 150ms);
    EXPECT_EQ(counts, (std::vector<std::int32_t>{1, 5}));
    EXPECT_EQ(received, "abcdef");
}

TEST_F(PtyCapture, ClosingWhileBytesKeepComingEndsTheThreadAndDropsTheRest) {
    port.Open();
    pty.send("first");
    ASSERT_TRUE(drainUntil(queue, [&] { return !received.empty(); }));
    std::atomic<bool> sending = true;
    std::thread indicator([&] {
        while (sending) {
            pty.send("0123456789");
            waitBriefly();
        }
    });
    port.Close();
    sending = false;
    indicator.join();
    EXPECT_FALSE(port.Connected());
    const std::size_t kept = received.size();
    drainFor(queue, 100ms);
    EXPECT_EQ(received.size(), kept);
}

TEST_F(PtyCapture, WhatCameBeforeTheDeviceWentIsDeliveredAndThePortCloses) {
    port.Open();
    pty.send("tail");
    ASSERT_TRUE(drainUntil(queue, [&] { return received == "tail"; }));
    pty.closeMaster();
    drainFor(queue, 100ms);
    port.Close();
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(received, "tail");
}

std::uint64_t bytesTaken(const TCustomComPort& port) {
    const auto* device = dynamic_cast<const PosixSerialDevice*>(port.Handle());
    return device ? device->bytesTaken() : 0;
}

TEST_F(PtyCapture, AHangUpDuringADeliveryLosesNoByteTheDeviceReturned) {
    bool lost = false;
    port.OnDeviceLost = [&](TCustomComPort&) { lost = true; };
    std::string listing;
    for (int i = 0; listing.size() < 3000; ++i)
        listing += "0" + std::to_string(1000 + i) + "  452,5\r\n";
    port.Open();
    // The indicator is switched off while the first delivery is running,
    // with the event thread's queue already holding bytes.
    duringDelivery = [&] {
        if (counts.size() == 1)
            pty.closeMaster();
    };
    pty.send(listing);
    ASSERT_TRUE(drainUntil(queue, [&] { return lost; }));
    const std::uint64_t taken = bytesTaken(port);
    EXPECT_GT(taken, 0u);
    EXPECT_EQ(received, listing.substr(0, taken));
    EXPECT_TRUE(port.DeviceLost());
    port.Close();
    EXPECT_FALSE(port.Connected());
}

TEST_F(PtyCapture, TheSendingSideClosedMidStream) {
    bool lost = false;
    port.OnDeviceLost = [&](TCustomComPort&) { lost = true; };
    std::string listing;
    for (int i = 0; listing.size() < 60000; ++i)
        listing += "0" + std::to_string(10000 + i) + "  398,0\r\n";
    port.Open();
    std::thread indicator([&] {
        for (std::size_t at = 0; at < listing.size() / 2; at += 64) {
            pty.send(listing.substr(at, 64));
            std::this_thread::sleep_for(200us);
        }
        pty.closeMaster();
    });
    const bool ended = drainUntil(queue, [&] { return lost; });
    indicator.join();
    ASSERT_TRUE(ended);
    const std::uint64_t taken = bytesTaken(port);
    EXPECT_GT(taken, 0u);
    EXPECT_EQ(received.size(), taken);
    EXPECT_EQ(received, listing.substr(0, received.size()));
}

TEST_F(PtyCapture, ASecondCaptureOnTheSamePortStartsClean) {
    port.Open();
    pty.send("one");
    ASSERT_TRUE(drainUntil(queue, [&] { return received == "one"; }));
    port.Close();
    received.clear();
    port.Open();
    pty.send("two");
    ASSERT_TRUE(drainUntil(queue, [&] { return received == "two"; }));
}

} // namespace
} // namespace vezu::serial::test
