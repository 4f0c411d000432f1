#include "report/report.hpp"

#include <filesystem>
#include <memory>

#include "base/error.hpp"
#include "report/alignment.hpp"
#include "report/ascii_case.hpp"
#include "report/layout_file.hpp"
#include "report/page_builder.hpp"
#include "report/report_error.hpp"
#include "report/report_texts.hpp"

namespace vezu {
namespace {

// The run's copy of the layout: fonts inherited from band and page made
// explicit, width-aligned objects stretched.
void resolveForRun(ReportPage& page) {
    const Unit width = page.paper.areaWidth();
    for (Band& band : page.bands) {
        band.width = width;
        const Font& bandFont = band.font ? *band.font : page.font;
        for (ReportObject& object : band.objects) {
            if (auto* memo = std::get_if<MemoView>(&object); memo && !memo->font) {
                memo->font = bandFont;
            }
        }
        alignToWidth(band.objects, width);
    }
    for (ReportObject& object : page.objects) {
        if (auto* memo = std::get_if<MemoView>(&object); memo && !memo->font) {
            memo->font = page.font;
        }
    }
    alignToWidth(page.objects, width);
}

} // namespace

void Report::setLayout(Layout layout) {
    layout_ = std::move(layout);
}

void Report::setVariable(std::string_view name, std::string value) {
    layout_.variables.set(name, std::move(value));
}

void Report::clear() {
    layout_ = Layout{};
    adapters_.clear();
    prepared_.clear();
    errors_.clear();
}

bool Report::loadFromFile(const std::string& path) {
    clear();
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        return false;
    }
    layout_ = readLayoutFile(path);
    return true;
}

void Report::saveToFile(const std::string& path) const {
    writeLayoutFile(layout_, path);
}

void Report::addDataSet(DBDataset& adapter) {
    adapters_.push_back(&adapter);
}

DBDataset* Report::findDataSet(std::string_view name) const {
    for (DBDataset* adapter : adapters_) {
        if (equalsIgnoringCase(adapter->userName(), name)) {
            return adapter;
        }
    }
    if (application_ != nullptr && layout_.options.useGlobalDataSetList) {
        return application_->find(name);
    }
    return nullptr;
}

bool Report::prepare(bool clearLast) {
    errors_.clear();
    if (clearLast) {
        prepared_.clear();
    }
    if (!layout_.page) {
        return true; // an empty report gives no page
    }
    // The run works on a copy, so nothing it writes stays in the layout; the
    // prepared pages keep the copy because they point into it.
    auto run = std::make_shared<Layout>(layout_);
    resolveForRun(*run->page);
    prepared_.keep(run);
    prepareWith(*run);
    return errors_.empty();
}

void Report::prepareWith(const Layout& run) {
    const ReportPage& page = *run.page;
    DBDataset* master = nullptr;
    if (const Band* data = page.findBand(BandKind::MasterData); data && !data->dataSet.empty()) {
        master = findDataSet(data->dataSet);
        if (master != nullptr && master->table() == nullptr) {
            errors_.add(formatMessage(kNotConnected, master->userName()));
            return;
        }
        if (master != nullptr) {
            master->first();
        }
    }
    ExpressionContext context{run.variables,
                              [this](std::string_view name) { return findDataSet(name); },
                              formatSettings_, errors_};
    PageBuilder(page, prepared_, context, pageListener_).run(master);
}

std::string Report::errorReport() const {
    return errorReportText(errors_.lines());
}

} // namespace vezu
