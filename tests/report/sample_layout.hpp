#pragma once

#include <memory>

#include "data/weighing_store.hpp"
#include "report/layout.hpp"

namespace vezu::test {

// A layout with the weighing reports' geometry: title 117.16543, header and
// rows 18.89765, summary and footer 22.67718, on A4 with 10 mm margins.
inline MemoView memo(std::string name, Unit left, Unit top, Unit width, std::string text) {
    MemoView m;
    m.name = std::move(name);
    m.left = left;
    m.top = top;
    m.width = width;
    m.height = 18.89765L;
    m.text = std::move(text);
    return m;
}

inline Band band(BandKind kind, std::string name, Unit height, std::vector<ReportObject> objects) {
    Band b;
    b.kind = kind;
    b.name = std::move(name);
    b.height = height;
    b.objects = std::move(objects);
    return b;
}

inline MemoView dataMemo(std::string field, Unit left) {
    MemoView m =
        memo("frxDBDataset1" + field, left, 0, 94.48825L, "[frxDBDataset1.\"" + field + "\"]");
    m.dataSet = "frxDBDataset1";
    m.dataField = std::move(field);
    return m;
}

inline Layout sampleLayout(bool withSummary = true) {
    Layout layout;
    layout.dataSets.push_back("frxDBDataset1");
    layout.variables.add({" New Category1", std::nullopt});
    layout.variables.add({"New Variable1", std::nullopt});
    ReportPage page;
    page.objects.emplace_back(memo("Memo1", 168.85838L, 0, 549.25232L, "RELATÓRIO DE PESAGENS"));
    page.bands.push_back(
        band(BandKind::ReportTitle, "ReportTitle1", 117.16543L,
             {memo("Memo3", 188.75603L, 35.67718L, 491.3389L, "[New Variable1]")}));
    page.bands.push_back(band(BandKind::PageHeader, "PageHeader1", 18.89765L,
                              {memo("Memo6", 0, 0, 718.1107L, "IDENTIFICAÇÃO:     PESO:")}));
    Band data = band(
        BandKind::MasterData, "MasterData1", 18.89765L,
        {dataMemo("ID", 30.811225L), dataMemo("PESO", 148.73253L), dataMemo("VALOR", 355.05535L)});
    data.dataSet = "frxDBDataset1";
    page.bands.push_back(std::move(data));
    if (withSummary) {
        page.bands.push_back(band(BandKind::ReportSummary, "ReportSummary1", 22.67718L,
                                  {memo("Memo5", 0, 0, 718.1107L, "Final do arquivo")}));
    }
    page.bands.push_back(
        band(BandKind::PageFooter, "PageFooter1", 22.67718L,
             {memo("Memo7", 0, 0, 718.1107L, "Página: [Page#] de [TotalPages#]")}));
    layout.page = std::move(page);
    return layout;
}

// A lot table with n animals: ID "A1".., PESO 100+i, VALOR 850.5.
inline std::unique_ptr<Table> lotWith(int n) {
    auto table = makeLotTable(1);
    for (int i = 1; i <= n; ++i) {
        table->append();
        table->setText(kr20::ID, "A" + std::to_string(i));
        table->setInteger(kr20::PESO, 100 + i);
        table->setCurrency(kr20::VALOR, Currency{8505000});
        table->post();
    }
    return table;
}

} // namespace vezu::test
