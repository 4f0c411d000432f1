#pragma once

#include <string_view>
#include <vector>

#include "report/db_dataset.hpp"

namespace vezu {

// All adapters of the application; a report looks a name up here when its
// own data-set list does not hold it.
class DataSetDirectory {
public:
    void add(DBDataset& adapter) { adapters_.push_back(&adapter); }
    DBDataset* find(std::string_view name) const;

private:
    std::vector<DBDataset*> adapters_;
};

} // namespace vezu
