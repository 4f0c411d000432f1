#pragma once

#include <string_view>

namespace vezu::sim {

// Where the indicator's bytes go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Returns once every byte has been handed to the line.
    virtual void send(std::string_view bytes) = 0;
};

} // namespace vezu::sim
