#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.hpp"
#include "report/data_set_directory.hpp"
#include "report/error_list.hpp"
#include "report/layout.hpp"
#include "report/prepared_pages.hpp"

namespace vezu {

// One layout and its last run: variables, data sets, the prepared pages and
// the errors the run collected.
class Report {
public:
    // application: every adapter of the program, searched when the report's
    // own data-set list does not hold a name (may be null).
    explicit Report(const DataSetDirectory* application = nullptr) : application_(application) {}

    const Layout& layout() const { return layout_; }
    void setLayout(Layout layout);

    // Sets the value, appending the variable when the layout has none.
    void setVariable(std::string_view name, std::string value);
    // Pages, data sets, variables, options and script back to empty.
    void clear();
    // Clears, then reads the layout when the file exists; false when it does
    // not (the report stays empty). A file that is not a layout throws Error.
    bool loadFromFile(const std::string& path);
    void saveToFile(const std::string& path) const;
    // Appends the adapter to the data-set list; duplicates are allowed.
    void addDataSet(DBDataset& adapter);

    void setFormatSettings(const FormatSettings& fs) { formatSettings_ = fs; }
    // Told the page count each time a page is complete, while preparing.
    void setPageListener(std::function<void(std::size_t)> listener) {
        pageListener_ = std::move(listener);
    }

    // Builds the pages; false when the run collected errors (the pages built
    // so far stay). The errors are then in errors() and errorReport().
    bool prepare(bool clearLast = true);

    const PreparedPages& preparedPages() const { return prepared_; }
    // Each distinct error once, with how often it occurred.
    const ErrorList& errorList() const { return errors_; }
    std::vector<std::string> errors() const { return errors_.lines(); }
    std::string errorReport() const;

    DBDataset* findDataSet(std::string_view name) const;

private:
    void prepareWith(const Layout& run);

    const DataSetDirectory* application_;
    Layout layout_;
    std::vector<DBDataset*> adapters_;
    FormatSettings formatSettings_;
    std::function<void(std::size_t)> pageListener_;
    PreparedPages prepared_;
    ErrorList errors_;
};

} // namespace vezu
