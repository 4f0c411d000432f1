#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QAction>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include "app/listing_pages.hpp"
#include "app/qt_report_dialogs.hpp"
#include "app/report_commands.hpp"
#include "app/ribbon.hpp"
#include "base/format_settings.hpp"
#include "capture/capture_session.hpp"
#include "data/weighing_store.hpp"
#include "import/listing_observer.hpp"
#include "serial/com_port.hpp"

namespace vezu {

class FrmAguarde;
class FrmConfig;
class FrmMonitor;
class FrmSobre;
class UserInteraction;

// The main window: ribbon, listing pages, progress bar, the commands and
// the state they share.
class FrmPrinc : public QWidget {
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

    // The serial capture's handlers.
    void ComPort1RxChar(serial::TCustomComPort& Sender, std::int32_t Count);
    void Timer1Timer();
    void Timer2Timer();

    // The settings dialog's "Aplicar": port name, waiting time, model.
    void applySettings(const QString& port, int seconds, int model);

    // State shared by the commands.
    std::int32_t Modelo = 0;
    QString CamCon;
    QString Caminho;
    bool Monitor = false;

    WeighingStore& store() { return store_; }
    ListingPages& pages() { return pages_; }
    // The port ComPort1 opens; the serial component takes it over.
    const QString& portName() const { return portName_; }
    const QString& pendriveFolder() const { return pendriveFolder_; }
    const QString& workbookFolder() const { return workbookFolder_; }
    bool isParsing() const { return parsing_; }
    // AuxText and Recebido of the capture under way; null between captures.
    const CaptureSession* capture() const { return capture_ ? &*capture_ : nullptr; }

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
    // Replaced by a new one when closing fails, which frees the device.
    std::unique_ptr<serial::TComPort> ComPort1;
    // The capture ends after Timer1's interval of silence on the line.
    QTimer Timer1;
    // Closes the wait dialog once the capture's result has been shown.
    QTimer Timer2;

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

    // Runs a command; an error it raises reaches the general error report,
    // after tidyUp has put right what the command left half done. False
    // when the command did not finish.
    bool runCommand(const std::function<void()>& command, const std::function<void()>& tidyUp = {});
    // Commands that load or export data are refused while a parse runs:
    // a second parse, or an export, would meet half-built tables.
    void runDataCommand(const std::function<void()>& command);

    // Capture file, port closed, parse: the end of a capture.
    void finishCapture();
    void newComPort();
    void closeComPort();

    UserInteraction& ui_;
    FormatSettings fs_;
    WeighingStore store_;
    ListingPages pages_;
    QtReportDialogs reportDialogs_;
    ReportCommands reportCommands_{store_, ui_, reportDialogs_};
    FrmConfig* config_ = nullptr;
    FrmSobre* sobre_ = nullptr;
    FrmMonitor* monitor_ = nullptr;
    FrmAguarde* aguarde_ = nullptr;
    // What the capture under way has received; empty between captures.
    std::optional<CaptureSession> capture_;
    QString portName_ = QStringLiteral("ttyS0");
    QString pendriveFolder_;
    QString workbookFolder_;
    QString csvFileName_;
    bool shown_ = false;
    bool parsing_ = false;
    bool closeRequested_ = false;
};

} // namespace vezu
