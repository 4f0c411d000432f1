#pragma once

namespace vezu {

struct EngineOptions {
    bool convertNulls = true;
    bool doublePass = false;
    bool useGlobalDataSetList = true;
    bool saveLayoutAroundRun = true;
    bool silentMode = false;
    bool printIfEmpty = true;

    friend bool operator==(const EngineOptions&, const EngineOptions&) = default;
};

} // namespace vezu
