#pragma once

#include <cstdint>
#include <functional>

#include <QAction>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include "app/frm_princ_views.hpp"
#include "app/listing_pages.hpp"
#include "app/preset_open_interaction.hpp"
#include "app/ribbon.hpp"
#include "app/statistics_windows.hpp"
#include "base/format_settings.hpp"
#include "capture/capture.hpp"
#include "commands/listing_view.hpp"
#include "commands/weighing_commands.hpp"
#include "data/weighing_store.hpp"
#include "report_windows/qt_report_dialogs.hpp"

namespace vezu {

class FrmAguarde;
class FrmConfig;
class FrmMonitor;
class FrmSobre;
class UserInteraction;

// The main window: ribbon, listing pages, progress bar, and the handlers of
// its commands, which run the command layer's flows and show what they
// announce.
class FrmPrinc : public QWidget, private ListingView, private CaptureView {
public:
    FrmPrinc(UserInteraction& ui, FormatSettings fs);
    ~FrmPrinc() override;

    // The windows it opens, created after it.
    void attachDialogs(FrmConfig& config, FrmSobre& sobre, FrmMonitor& monitor,
                       FrmAguarde& aguarde);

    // Commands.
    void PendriveExecute();
    void ConectarExecute();
    void ExportcvsExecute();
    void ExpotExcelExecute();
    void PDFExecute();
    void ImprimirExecute();
    void HelpExecute();
    void SobreExecute();
    void ConfigExecute();
    void FecharExecute();

    // Opens a listing file through "Abrir pen drive" from its discard
    // question on, as a dropped file does; needs setPresetOpenAnswer.
    void openListingFile(const QString& file);
    // Drops are accepted once there is a way to answer the open dialog.
    void setPresetOpenAnswer(PresetOpenAnswer& preset);

    // The serial capture's handlers.
    void ComPort1RxChar(serial::TCustomComPort& Sender, std::int32_t Count);
    void Timer1Timer();
    void Timer2Timer();

    // The settings dialog's "Aplicar": port name, waiting time, model.
    void applySettings(const QString& port, int seconds, int model);

    WeighingCommands& commands() { return commands_; }
    WeighingStore& store() { return store_; }
    ListingPages& pages() { return pages_; }
    StatisticsWindows& statistics() { return statistics_; }
    // The port ComPort1 opens; the serial component takes it over.
    const QString& portName() const { return portName_; }
    QString pendriveFolder() const;
    QString workbookFolder() const;
    bool isParsing() const { return parsing_; }
    serial::TComPort& ComPort1() { return capture_.ComPort1(); }
    // AuxText and Recebido of the capture under way; null between captures.
    const CaptureSession* capture() const { return capture_.session(); }

    bool Monitor = false;

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
    // "Estatísticas do lote…" of the current page (Ctrl+T, the grids' menu).
    QAction* Estatisticas;

    Ribbon* Ribbon1;
    QTabWidget* PageControl1;
    QProgressBar* ProgressBar1;
    // The capture ends after Timer1's interval of silence on the line.
    QTimer Timer1;
    // Closes the wait dialog once the capture's result has been shown.
    QTimer Timer2;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormShow();
    void buildActions();
    void buildRibbon();
    void setModel(int model);

    // What the command layer announces.
    void removePages() override;
    void parse(const std::function<void(ListingObserver&)>& run) override;
    void finishParse();
    void clearMonitor() override;
    void setWaitText(const std::string& text) override;
    void setAnimating(bool animating) override;
    void runWaitDialog() override;
    void closeWaitDialog() override;
    void endCaptureSoon() override;

    // Runs a command; an error it raises reaches the general error report.
    void runCommand(const std::function<void()>& command);
    // Commands that load or export data are refused while a parse runs:
    // a second parse, or an export, would meet half-built tables.
    void runDataCommand(const std::function<void()>& command);

    UserInteraction& ui_;
    FormatSettings fs_;
    WeighingStore store_;
    ListingPages pages_;
    // Its windows read the store: they go before it.
    StatisticsWindows statistics_{store_, fs_};
    PresetOpenAnswer* presetOpen_ = nullptr;
    QtReportDialogs reportDialogs_;
    WeighingCommands commands_{store_, ui_, reportDialogs_, *this};
    QtCaptureTimer timer1_{Timer1};
    QtCaptureTimer timer2_{Timer2};
    // Goes before the timers and the dialogs its handlers use.
    Capture capture_{timer1_, timer2_, *this};
    FrmConfig* config_ = nullptr;
    FrmSobre* sobre_ = nullptr;
    FrmMonitor* monitor_ = nullptr;
    FrmAguarde* aguarde_ = nullptr;
    QString portName_ = QStringLiteral("ttyS0");
    bool shown_ = false;
    bool parsing_ = false;
    bool closeRequested_ = false;

public:
    // The state the commands share, kept by the command layer.
    std::int32_t& Modelo = commands_.Modelo;
    std::string& CamCon = commands_.CamCon;
    std::string& Caminho = commands_.Caminho;
};

} // namespace vezu
