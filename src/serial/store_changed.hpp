#pragma once

namespace vezu::serial {

// Stores value in field; true when that changed it.
template <typename T> bool storeChanged(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace vezu::serial
