#pragma once

#include <memory>

#include "fake_serial_device.hpp"
#include "serial/com_error.hpp"
#include "serial/com_port.hpp"

namespace vezu::serial::test {

// A port whose every open gets the same in-memory device.
class FakeComPort : public TComPort {
public:
    FakeComPort() : device(std::make_shared<FakeSerialDevice>()) { setHandOverQueue(queue); }
    // Closes while the queue and the device still exist.
    ~FakeComPort() override {
        device->clearFailures();
        Close();
    }

    HandOverQueue queue;
    std::shared_ptr<FakeSerialDevice> device;
    int opens = 0;
    // Platform code of a failing open; 0 opens.
    int openError = 0;

protected:
    void CreateHandle() override {
        ++opens;
        if (openError != 0)
            throw EComPort(kOpenFailed, openError);
        setHandle(device);
    }
};

} // namespace vezu::serial::test
