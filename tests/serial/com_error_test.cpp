#include <gtest/gtest.h>

#include "serial/com_error.hpp"

namespace vezu::serial {
namespace {

TEST(EComPort, EveryCodeHasItsText) {
    const char* const texts[] = {
        "Unable to open com port",
        "WriteFile function failed",
        "ReadFile function failed",
        "Invalid Async parameter",
        "PurgeComm function failed",
        "Unable to get async status",
        "SetCommState function failed",
        "SetCommTimeouts failed",
        "SetupComm function failed",
        "ClearCommError function failed",
        "GetCommModemStatus function failed",
        "EscapeCommFunction function failed",
        "TransmitCommChar function failed",
        "Cannot set property while connected",
        "EnumPorts function failed",
        "Failed to store settings",
        "Failed to load settings",
        "Vezu (un)registration failed",
        "Cannot change led state if ComPort is selected",
        "Cannot wait for event if event thread is created",
        "WaitForEvent method failed",
        "A component is linked to OnRxBuf event",
        "Registry error",
        "Port Not Open",
    };
    for (std::int32_t code = 1; code <= 24; ++code) {
        const EComPort error = EComPort::CreateNoWinCode(code);
        EXPECT_STREQ(error.what(), texts[code - 1]) << code;
        EXPECT_EQ(error.Code(), code);
        EXPECT_EQ(error.WinCode(), -1);
    }
}

TEST(EComPort, PlatformCodeFollowsTheText) {
    const EComPort open(kOpenFailed, 2);
    EXPECT_STREQ(open.what(), "Unable to open com port (Error: 2)");
    EXPECT_EQ(open.WinCode(), 2);
    EXPECT_STREQ(EComPort(kPortNotOpen, kPortNotOpenWinCode).what(), "Port Not Open (Error: -24)");
}

TEST(EComPort, IsTheProgramsErrorAndSurvivesUnknownCodes) {
    try {
        throw EComPort(kReadFailed, 5);
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "ReadFile function failed (Error: 5)");
    }
    EXPECT_STREQ(EComPort::CreateNoWinCode(99).what(), "");
    EXPECT_STREQ(EComPort(0, 1).what(), " (Error: 1)");
}

} // namespace
} // namespace vezu::serial
