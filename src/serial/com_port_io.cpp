#include <cerrno>
#include <cstring>
#include <future>

#include "serial/com_error.hpp"
#include "serial/custom_com_port.hpp"

namespace vezu::serial {

using namespace platform;

namespace {

void checkAsync(const TAsync* AsyncPtr) {
    if (!AsyncPtr)
        throw EComPort::CreateNoWinCode(kInvalidAsync);
}

// A negative count would reach the driver as a huge one.
void checkCount(const void* buffer, std::int32_t count, std::int32_t code) {
    if (count < 0 || (count > 0 && !buffer))
        throw EComPort(code, EINVAL);
}

} // namespace

std::int32_t TCustomComPort::ReadAsync(void* Buffer, std::int32_t Count, TAsync* AsyncPtr) {
    checkAsync(AsyncPtr);
    AsyncPtr->Kind = TOperationKind::okRead;
    if (!handle_)
        throw EComPort(kPortNotOpen, kPortNotOpenWinCode);
    checkCount(Buffer, Count, kReadFailed);
    auto device = handle_;
    auto* bytes = static_cast<std::uint8_t*>(Buffer);
    const auto count = static_cast<std::uint32_t>(Count);
    start(*AsyncPtr, [device, bytes, count](const StopSignal* cancel) {
        return device->read(bytes, count, cancel);
    });
    return 0;
}

std::int32_t TCustomComPort::WriteAsync(const void* Buffer, std::int32_t Count, TAsync* AsyncPtr) {
    checkAsync(AsyncPtr);
    if (!handle_)
        throw EComPort(kPortNotOpen, kPortNotOpenWinCode);
    checkCount(Buffer, Count, kWriteFailed);
    AsyncPtr->Kind = TOperationKind::okWrite;
    const auto* bytes = static_cast<const std::uint8_t*>(Buffer);
    AsyncPtr->Data.assign(bytes, bytes + Count);
    AsyncPtr->Size = Count;
    auto device = handle_;
    const std::uint8_t* data = AsyncPtr->Data.data();
    const auto count = static_cast<std::uint32_t>(Count);
    start(*AsyncPtr, [device, data, count](const StopSignal* cancel) {
        return device->write(data, count, cancel);
    });
    return 0;
}

std::int32_t TCustomComPort::WaitForAsync(TAsync* AsyncPtr) {
    checkAsync(AsyncPtr);
    const IoResult& result = AsyncPtr->finish();
    if (result.error != 0)
        throw EComPort(AsyncPtr->Kind == TOperationKind::okWrite ? kWriteFailed : kReadFailed,
                       result.error);
    if (AsyncPtr->Kind == TOperationKind::okRead)
        InputCount();
    return static_cast<std::int32_t>(result.count);
}

bool TCustomComPort::IsAsyncCompleted(TAsync* AsyncPtr) {
    checkAsync(AsyncPtr);
    if (!AsyncPtr->finished())
        return false;
    const IoResult& result = AsyncPtr->finish();
    if (result.error != 0)
        throw EComPort(kAsyncCheck, result.error);
    return true;
}

void TCustomComPort::start(TAsync& async, std::function<IoResult(const StopSignal*)> operation) {
    std::erase_if(pendingCancels_, [](const auto& cancel) { return cancel.expired(); });
    async.result.reset();
    async.cancel->reset();
    pendingCancels_.push_back(async.cancel);
    async.operation = std::async(
        std::launch::async, [cancel = async.cancel, operation] { return operation(cancel.get()); });
}

void TCustomComPort::AbortAllAsync() {
    check(handle_ ? handle_->purge(PURGE_TXABORT | PURGE_RXABORT) : EBADF, kPurgeFailed);
    // Also the operations asked for whose thread has not reached the driver yet.
    for (const auto& pending : pendingCancels_)
        if (const auto cancel = pending.lock())
            cancel->set();
    pendingCancels_.clear();
}

// Starts an operation and waits for it; the record goes whatever happens.
std::int32_t TCustomComPort::runToEnd(const std::function<void(PAsync&)>& start) {
    PAsync async;
    InitAsync(async);
    try {
        start(async);
        const std::int32_t count = WaitForAsync(async.get());
        DoneAsync(async);
        return count;
    } catch (...) {
        DoneAsync(async);
        throw;
    }
}

bool TCustomComPort::readsReturnAtOnce() const {
    return updateCount_ == 0 && timeouts_.ReadInterval() == -1 &&
           timeouts_.ReadTotalMultiplier() == 0 && timeouts_.ReadTotalConstant() == 0;
}

// Such a read never waits, so a thread of its own would only cost: the
// receive handler reads every delivery this way.
std::int32_t TCustomComPort::readWaiting(void* Buffer, std::int32_t Count) {
    if (!handle_)
        throw EComPort(kPortNotOpen, kPortNotOpenWinCode);
    checkCount(Buffer, Count, kReadFailed);
    const IoResult result = handle_->read(static_cast<std::uint8_t*>(Buffer),
                                          static_cast<std::uint32_t>(Count), nullptr);
    if (result.error != 0 && result.count == 0)
        throw EComPort(kReadFailed, result.error);
    return static_cast<std::int32_t>(result.count);
}

std::int32_t TCustomComPort::Read(void* Buffer, std::int32_t Count) {
    if (readsReturnAtOnce())
        return readWaiting(Buffer, Count);
    return runToEnd([&](PAsync& async) { ReadAsync(Buffer, Count, async.get()); });
}

std::int32_t TCustomComPort::ReadStr(std::string& Str, std::int32_t Count) {
    Str.clear();
    if (Count < 1)
        return 0;
    std::string bytes(static_cast<std::size_t>(Count), '\0');
    const std::int32_t count = Read(bytes.data(), Count);
    bytes.resize(static_cast<std::size_t>(count));
    Str = std::move(bytes);
    return count;
}

std::int32_t TCustomComPort::Write(const void* Buffer, std::int32_t Count) {
    return runToEnd([&](PAsync& async) { WriteAsync(Buffer, Count, async.get()); });
}

std::int32_t TCustomComPort::WriteStr(const std::string& Str) {
    if (Str.empty())
        return 0;
    return Write(Str.data(), static_cast<std::int32_t>(Str.size()));
}

} // namespace vezu::serial
