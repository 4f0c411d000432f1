#include "report/data_set_directory.hpp"

#include "report/ascii_case.hpp"

namespace vezu {

DBDataset* DataSetDirectory::find(std::string_view name) const {
    for (DBDataset* adapter : adapters_) {
        if (equalsIgnoringCase(adapter->userName(), name)) {
            return adapter;
        }
    }
    return nullptr;
}

} // namespace vezu
