#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <vector>

#include "serial/com_types.hpp"
#include "serial/platform/serial_device.hpp"

namespace vezu::serial {

// One overlapped read or write: started by ReadAsync or WriteAsync, finished
// by WaitForAsync. A record that has run nothing counts as completed.
struct TAsync {
    TOperationKind Kind = TOperationKind::okRead;
    // For a write, a copy of the bytes being written.
    std::vector<std::uint8_t> Data;
    std::int32_t Size = 0;

    // Set to end the running operation early.
    std::shared_ptr<platform::StopSignal> cancel = std::make_shared<platform::StopSignal>();
    std::future<platform::IoResult> operation;
    std::optional<platform::IoResult> result = platform::IoResult{};

    // Waits for the operation when one is running; the outcome stays in result.
    const platform::IoResult& finish();
    bool finished() const;
};

using PAsync = std::unique_ptr<TAsync>;

void InitAsync(PAsync& AsyncPtr);
// An operation still running is cancelled and waited for before the record goes.
void DoneAsync(PAsync& AsyncPtr);

} // namespace vezu::serial
