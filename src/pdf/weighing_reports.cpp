#include "pdf/weighing_reports.hpp"

#include "pdf/weighing_layouts.hpp"
#include "report/bracket_scanner.hpp"

namespace vezu {
namespace {

// The report evaluates a variable's value as an expression, so each line
// goes in as a quoted literal.
void setLines(Report& report, const ReportLines& lines) {
    report.setVariable("New Variable1", quotedLiteral(lines.line1));
    report.setVariable("New Variable2", quotedLiteral(lines.line2));
}

} // namespace

WeighingReports::WeighingReports() {
    application_.add(frxDBDataset1);
    frxReport1.setLayout(kr10Layout());
    frxReport2.setLayout(kr20Layout());
}

void WeighingReports::setFormatSettings(const FormatSettings& fs) {
    formatSettings_ = fs;
    frxReport1.setFormatSettings(fs);
    frxReport2.setFormatSettings(fs);
}

Report& WeighingReports::setUpKr10(WeighingStore& store) {
    frxDBDataset1.bind(store.CDS1());
    setLines(frxReport1, kr10ReportLines(store));
    return frxReport1;
}

Report& WeighingReports::setUpKr20(Table& lot, const std::string& layoutFile, ReportOutput output) {
    frxReport2.loadFromFile(layoutFile); // clears first
    return finishKr20(lot, output);
}

Report& WeighingReports::setUpKr20(Table& lot, ReportOutput output) {
    frxReport2.clear();
    frxReport2.setLayout(kr20Layout());
    return finishKr20(lot, output);
}

Report& WeighingReports::finishKr20(Table& lot, ReportOutput output) {
    frxDBDataset1.bind(lot);
    frxReport2.addDataSet(frxDBDataset1);
    setLines(frxReport2, kr20ReportLines(lot, output, formatSettings_));
    return frxReport2;
}

} // namespace vezu
