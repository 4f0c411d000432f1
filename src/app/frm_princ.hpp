#pragma once

#include <cstdint>
#include <functional>

#include <QAction>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include "app/listing_pages.hpp"
#include "app/ribbon.hpp"
#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"
#include "import/listing_observer.hpp"

namespace vezu {

class FrmConfig;
class FrmSobre;
class UserInteraction;

// The main window: ribbon, listing pages, progress bar, the commands and
// the state they share.
class FrmPrinc : public QWidget {
public:
    FrmPrinc(UserInteraction& ui, FormatSettings fs);

    // The dialogs it opens, created after it.
    void attachDialogs(FrmConfig& config, FrmSobre& sobre);

    // Commands.
    void PendriveExecute();
    void ExportcvsExecute();
    void HelpExecute();
    void SobreExecute();
    void ConfigExecute();
    void FecharExecute();

    // The settings dialog's "Aplicar": port name, waiting time, model.
    void applySettings(const QString& port, int seconds, int model);

    // State shared by the commands.
    std::int32_t Modelo = 0;
    QString CamCon;
    QString Caminho;
    bool Monitor = false;
    bool Recebido = false;

    WeighingStore& store() { return store_; }
    ListingPages& pages() { return pages_; }
    // The port ComPort1 opens; the serial component takes it over.
    const QString& portName() const { return portName_; }
    const QString& pendriveFolder() const { return pendriveFolder_; }
    const QString& workbookFolder() const { return workbookFolder_; }
    bool isParsing() const { return parsing_; }

    QAction* Pendrive;
    QAction* Conectar;
    QAction* Exportcvs;
    QAction* ExpotExcel;
    QAction* PDF;
    QAction* Imprimir;
    QAction* Config;
    QAction* Sobre;
    QAction* Fechar;
    QAction* Help;

    Ribbon* Ribbon1;
    QTabWidget* PageControl1;
    QProgressBar* ProgressBar1;
    QTimer Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void buildActions();
    void buildRibbon();
    void setModel(int model);

    void Action1Execute();
    void Action2Execute();
    void runParser(const std::function<void(ListingObserver&)>& parse);
    void finishParse();
    // Asks before loaded data goes; false when the user keeps it.
    bool discardBeforeLoading();

    // Runs a command; an error it raises reaches the general error report.
    void runCommand(const std::function<void()>& command);
    // Commands that load or export data are refused while a parse runs:
    // a second parse, or an export, would meet half-built tables.
    void runDataCommand(const std::function<void()>& command);

    UserInteraction& ui_;
    FormatSettings fs_;
    WeighingStore store_;
    ListingPages pages_;
    FrmConfig* config_ = nullptr;
    FrmSobre* sobre_ = nullptr;
    QString portName_ = QStringLiteral("ttyS0");
    QString pendriveFolder_;
    QString workbookFolder_;
    QString csvFileName_;
    bool shown_ = false;
    bool parsing_ = false;
    bool closeRequested_ = false;
};

} // namespace vezu
