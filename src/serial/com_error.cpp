#include "serial/com_error.hpp"

#include <string>

namespace vezu::serial {

namespace {

std::string messageOf(std::int32_t code) {
    if (code < 1 || code >= static_cast<std::int32_t>(ComErrorMessages.size()))
        return {};
    return std::string(ComErrorMessages[static_cast<std::size_t>(code)]);
}

} // namespace

EComPort::EComPort(std::int32_t code, std::int32_t winCode)
    : EComPort(code, winCode, messageOf(code) + " (Error: " + std::to_string(winCode) + ")") {}

EComPort::EComPort(std::int32_t code, std::int32_t winCode, std::string message)
    : Error(message), code_(code), winCode_(winCode) {}

EComPort EComPort::CreateNoWinCode(std::int32_t code) {
    return EComPort(code, -1, messageOf(code));
}

} // namespace vezu::serial
