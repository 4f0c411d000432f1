// "Excel": the loaded data as a workbook, opened afterwards.
#include "app/frm_princ.hpp"
#include "app/texts.hpp"
#include "app/user_interaction.hpp"
#include "export/short_date.hpp"
#include "export/xlsx_writer.hpp"

namespace vezu {
namespace {

constexpr const char* kWorkbookFilter = "Pasta do Excel (*.xlsx)";

} // namespace

void FrmPrinc::ExpotExcelExecute() {
    const auto save = [this](const SheetPlan& plan) {
        // SaveDialog1 opens in "Arquivos" with the plan's name every time.
        const QString suggested =
            workbookFolder_ + QLatin1Char('/') + QString::fromStdString(plan.suggestedFileName);
        const auto chosen = ui_.saveFile(suggested, QString::fromUtf8(kWorkbookFilter));
        if (!chosen) {
            return;
        }
        const std::string path = withXlsxExtension(chosen->toStdString());
        writeWorkbook(plan, path);
        ui_.shellOpen(QString::fromStdString(path));
    };
    if (Modelo == 0) {
        if (!store_.hasKr10Data() || !ui_.ask(QString::fromUtf8(kExportKr10Question))) {
            return;
        }
        const SheetPlan plan = kr10SheetPlan(store_, fs_);
        store_.CDS1().last();
        save(plan);
    }
    if (Modelo == 1) {
        if (!store_.hasKr20Data() || !ui_.ask(QString::fromUtf8(kExportKr20Question))) {
            return;
        }
        const SheetPlan plan = kr20SheetPlan(store_, fs_, localToday());
        store_.lastOfEveryLot();
        save(plan);
    }
}

} // namespace vezu
