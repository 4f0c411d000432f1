#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/views.hpp"

namespace vezu {

enum class BandKind { ReportTitle, PageHeader, MasterData, ReportSummary, PageFooter };

struct Band {
    BandKind kind = BandKind::MasterData;
    std::string name;
    Unit top = 0; // place in the design view only
    Unit height = 0;
    Unit width = 0;
    std::optional<Font> font; // none: the page's font
    std::vector<ReportObject> objects;
    // Master data.
    std::string dataSet;
    int rowCount = 0; // 0: one row per record of the data set
    // Page header and footer.
    bool printOnFirstPage = true;
    bool printOnLastPage = true;
};

} // namespace vezu
