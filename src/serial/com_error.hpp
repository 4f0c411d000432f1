#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/error.hpp"

namespace vezu::serial {

// Codes of EComPort: an index into ComErrorMessages.
enum ComErrorCode : std::int32_t {
    kOpenFailed = 1,
    kWriteFailed = 2,
    kReadFailed = 3,
    kInvalidAsync = 4,
    kPurgeFailed = 5,
    kAsyncCheck = 6,
    kSetStateFailed = 7,
    kSetTimeoutsFailed = 8,
    kSetupComFailed = 9,
    kClearComFailed = 10,
    kModemStatusFailed = 11,
    kEscapeComFailed = 12,
    kTransmitFailed = 13,
    kConnChangeProp = 14,
    kEnumPortsFailed = 15,
    kStoreFailed = 16,
    kLoadFailed = 17,
    kRegFailed = 18,
    kLedStateFailed = 19,
    kThreadCreated = 20,
    kWaitFailed = 21,
    kHasLink = 22,
    kRegError = 23,
    kPortNotOpen = 24,
};

// Entry 0 is unused so that a code indexes its own text.
inline constexpr std::array<std::string_view, 25> ComErrorMessages = {
    "",
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

// Platform code given with kPortNotOpen.
inline constexpr std::int32_t kPortNotOpenWinCode = -24;

class EComPort : public Error {
public:
    // The message carries the platform code: "<text> (Error: <winCode>)".
    EComPort(std::int32_t code, std::int32_t winCode);
    static EComPort CreateNoWinCode(std::int32_t code);

    std::int32_t Code() const { return code_; }
    // -1 when the error has no platform code.
    std::int32_t WinCode() const { return winCode_; }

private:
    EComPort(std::int32_t code, std::int32_t winCode, std::string message);

    std::int32_t code_;
    std::int32_t winCode_;
};

} // namespace vezu::serial
