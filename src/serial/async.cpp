#include "serial/async.hpp"

#include <chrono>

namespace vezu::serial {

const platform::IoResult& TAsync::finish() {
    if (!result)
        result = operation.get();
    return *result;
}

bool TAsync::finished() const {
    return result || operation.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void InitAsync(PAsync& AsyncPtr) {
    AsyncPtr = std::make_unique<TAsync>();
}

void DoneAsync(PAsync& AsyncPtr) {
    if (!AsyncPtr)
        return;
    if (!AsyncPtr->finished()) {
        AsyncPtr->cancel->set();
        AsyncPtr->finish();
    }
    AsyncPtr.reset();
}

} // namespace vezu::serial
