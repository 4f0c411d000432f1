#include "app/frm_princ.hpp"

#include <QCloseEvent>
#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <utility>

#include "app/dialog_look.hpp"
#include "app/frm_aguarde.hpp"
#include "app/frm_config.hpp"
#include "app/frm_monitor.hpp"
#include "app/parse_observer.hpp"
#include "app/serial_port_list.hpp"
#include "app/texts.hpp"
#include "base/error.hpp"
#include "capture/capture_texts.hpp"
#include "commands/command_texts.hpp"
#include "commands/user_interaction.hpp"
#include "locale/data_folder.hpp"
#include "pdf/weighing_layouts.hpp"
#include "settings/ini_file.hpp"

namespace vezu {
namespace {

constexpr int kClientWidth = 658;
constexpr int kClientHeight = 604;
// Before any settings file is read the capture waits ten seconds.
constexpr int kDefaultWaitMs = 10000;
constexpr int kResultShownMs = 2000;
// "Indic" missing: no model configured.
constexpr int kNoModel = -1;

// Timer1's interval; a waiting time of 0 or less would never end a capture.
int waitInterval(int seconds) {
    return static_cast<int>(
        std::min<std::int64_t>(std::int64_t{captureWaitSeconds(seconds)} * 1000, INT_MAX));
}

// The event thread hands deliveries over and waits; the GUI thread runs them
// from its event loop, modal loops included. What a handler run there throws
// reaches the general error report.
void wakeGuiForDeliveries(UserInteraction& ui) {
    serial::HandOverQueue& queue = serial::HandOverQueue::mainThread();
    queue.setWakeHook([] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] { serial::HandOverQueue::mainThread().processPending(); }, Qt::QueuedConnection);
    });
    queue.setErrorReport([&ui](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            ui.reportError(e);
        }
    });
}

} // namespace

FrmPrinc::FrmPrinc(UserInteraction& ui, FormatSettings fs)
    : Ribbon1(new Ribbon(this)), PageControl1(new QTabWidget(this)),
      ProgressBar1(new QProgressBar(this)), ui_(ui), fs_(std::move(fs)),
      pages_(*PageControl1, store_, ui_, fs_) {
    setObjectName(QStringLiteral("FrmPrinc"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setAutoFillBackground(true);
    QPalette colours = palette();
    // The active caption's gradient colour of the classic desktop.
    colours.setColor(QPalette::Window, QColor(0xb9, 0xd1, 0xea));
    setPalette(colours);

    Ribbon1->setGeometry(0, 0, kClientWidth, 143);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 153, 657, 424);
    PageControl1->setUsesScrollButtons(true);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(1, 580, 656, 19);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(kDefaultWaitMs);
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(kResultShownMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    capture_.setOnRxChar([this](serial::TCustomComPort& sender, std::int32_t count) {
        ComPort1RxChar(sender, count);
    });
    wakeGuiForDeliveries(ui_);
    capture_.setErrorReport([this](const std::exception& error) { ui_.reportError(error); });

    reportDialogs_.setParentWindow(this);
    commands_.setFormatSettings(fs_);

    buildActions();
    buildRibbon();
}

// The grids read the tables until they go: pages first, then the store.
FrmPrinc::~FrmPrinc() {
    capture_.ComPort1().OnRxChar = nullptr;
    serial::HandOverQueue::mainThread().setErrorReport(nullptr);
    pages_.removeAll();
}

void FrmPrinc::attachDialogs(FrmConfig& config, FrmSobre& sobre, FrmMonitor& monitor,
                             FrmAguarde& aguarde) {
    config_ = &config;
    sobre_ = &sobre;
    monitor_ = &monitor;
    aguarde_ = &aguarde;
    connect(config_, &FrmConfig::applied, this,
            [this](const QString& port, int seconds, int model) {
                applySettings(port, seconds, model);
            });
}

void FrmPrinc::buildActions() {
    const auto action = [this](const char* name, const char* caption, const char* category) {
        auto* command = new QAction(QString::fromUtf8(caption), this);
        command->setObjectName(QString::fromUtf8(name));
        if (category != nullptr) {
            command->setProperty("category", QString::fromUtf8(category));
        }
        return command;
    };
    Pendrive = action("Pendrive", "Abrir pen drive", "Dados");
    Conectar = action("Conectar", "Conectar Indicador", "Dados");
    Exportcvs = action("Exportcvs", "CSV", "Exportar");
    ExpotExcel = action("ExpotExcel", "Excel", "Exportar");
    PDF = action("PDF", "PDF", "Exportar");
    Imprimir = action("Imprimir", "Imprimir", "Exportar");
    Config = action("Config", "Configuração", "Programa");
    Sobre = action("Sobre", "Sobre", "Programa");
    Fechar = action("Fechar", "Encerrar", "Programa");
    Help = action("Help", "Help", nullptr);
    Estatisticas = action("Estatisticas", "Estatísticas do lote…", nullptr);

    // Desktop keys: F1 is the help button, Ctrl+T the statistics of the page shown.
    Help->setShortcut(QKeySequence::HelpContents);
    Estatisticas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(Help);
    addAction(Estatisticas);
    pages_.setGridAction(Estatisticas);

    connect(Pendrive, &QAction::triggered, this,
            [this] { runDataCommand([this] { PendriveExecute(); }); });
    connect(Conectar, &QAction::triggered, this,
            [this] { runDataCommand([this] { ConectarExecute(); }); });
    connect(Exportcvs, &QAction::triggered, this,
            [this] { runDataCommand([this] { ExportcvsExecute(); }); });
    connect(ExpotExcel, &QAction::triggered, this,
            [this] { runDataCommand([this] { ExpotExcelExecute(); }); });
    connect(PDF, &QAction::triggered, this, [this] { runDataCommand([this] { PDFExecute(); }); });
    connect(Imprimir, &QAction::triggered, this,
            [this] { runDataCommand([this] { ImprimirExecute(); }); });
    connect(Config, &QAction::triggered, this, [this] { runCommand([this] { ConfigExecute(); }); });
    connect(Sobre, &QAction::triggered, this, [this] { runCommand([this] { SobreExecute(); }); });
    connect(Fechar, &QAction::triggered, this, [this] { runCommand([this] { FecharExecute(); }); });
    connect(Help, &QAction::triggered, this, [this] { runCommand([this] { HelpExecute(); }); });
    // A page being parsed is not complete yet.
    connect(Estatisticas, &QAction::triggered, this, [this] {
        if (!parsing_) {
            runCommand([this] {
                statistics_.openFor(PageControl1->currentWidget(), this, pendriveFolder());
            });
        }
    });
}

void FrmPrinc::buildRibbon() {
    RibbonGroup* receive =
        Ribbon1->addGroup(QStringLiteral("RibbonGroup1"), QStringLiteral("Receber Dados"), 4, 119);
    receive->addLarge(Pendrive, QStringLiteral("&Pen-drive"), 3);
    receive->addLarge(Conectar, QStringLiteral("&Indicador"), 2);

    RibbonGroup* exports =
        Ribbon1->addGroup(QStringLiteral("RibbonGroup2"), QStringLiteral("Exportar"), 125, 110);
    exports->addSmall(Exportcvs, QStringLiteral("&CSV"), 1);
    exports->addSmall(PDF, QStringLiteral("&PDF"), 8);
    exports->addSmall(ExpotExcel, QStringLiteral("&Excel"), 0);
    exports->addLarge(Imprimir, QStringLiteral("&Imprimir"), 4);

    RibbonGroup* program =
        Ribbon1->addGroup(QStringLiteral("RibbonGroup3"), QStringLiteral("Programa"), 237, 180);
    program->addLarge(Config, QStringLiteral("&Configurações"), 5);
    program->addLarge(Sobre, QStringLiteral("&Sobre"), 7);
    program->addLarge(Fechar, QStringLiteral("&Encerrar"), 6);

    ApplicationMenu& menu = Ribbon1->applicationMenu();
    menu.addCommand(Pendrive, QStringLiteral("&Abrir pen drive"), 3);
    menu.addCommand(Conectar, QStringLiteral("&Conectar Indicador"), 2);
    menu.addCommand(Fechar, QStringLiteral("&Encerrar"), 6);
    menu.addExport(Exportcvs, QStringLiteral("CSV"), 1);
    menu.addExport(ExpotExcel, QStringLiteral("Excel"), 0);
    menu.addExport(PDF, QStringLiteral("PDF"), 8);

    Ribbon1->setHelpAction(Help);
}

void FrmPrinc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        centreOnScreen(*this);
        FormShow();
    }
}

void FrmPrinc::FormShow() {
    Monitor = false;
    Timer1.stop();

    CamCon = dataFolder();

    const QList<SerialPortEntry> ports = serialPortEntries();
    prepareDataFolder(CamCon, firstStartPort(ports).toStdString());
    capture_.setArchiveFolder(CamCon + kPendriveFolder);
    try {
        writeKr20LayoutFileIfMissing(CamCon);
    } catch (const Error&) {
        // Without it the KR-20 report uses the built-in layout.
    }

    const QString settingsFile = QString::fromStdString(CamCon) + QStringLiteral("Config.ini");
    const IniFile ini(settingsFile.toStdString());
    const int model = ini.readInteger("CONF", "Indic", kNoModel);
    portName_ = QString::fromStdString(ini.readString("CONF", "Porta", portName_.toStdString()));
    Timer1.setInterval(waitInterval(ini.readInteger("CONF", "Esper", kDefaultWaitMs / 1000)));
    setModel(model);

    if (config_ != nullptr) {
        config_->setSettingsFile(settingsFile);
        config_->fillPorts(ports, portName_);
    }
}

void FrmPrinc::setModel(int model) {
    if (model == 0) {
        Modelo = 0;
        Ribbon1->setTabCaption(QString::fromUtf8(kModelKr10));
    }
    if (model == 1) {
        Modelo = 1;
        Ribbon1->setTabCaption(QString::fromUtf8(kModelKr20));
    }
}

void FrmPrinc::applySettings(const QString& port, int seconds, int model) {
    portName_ = port;
    Timer1.setInterval(waitInterval(seconds));
    setModel(model);
}

QString FrmPrinc::pendriveFolder() const {
    return QString::fromStdString(CamCon + kPendriveFolder);
}

QString FrmPrinc::workbookFolder() const {
    return QString::fromStdString(CamCon + kWorkbookFolder);
}

void FrmPrinc::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const ParseAborted&) {
        // The window is closing; nothing to report.
    } catch (const std::exception& error) {
        ui_.reportError(error);
    }
}

void FrmPrinc::runDataCommand(const std::function<void()>& command) {
    if (!parsing_) {
        runCommand(command);
    }
}

// Closing while a parse dispatches events would pull the window from under
// it: the parse stops at its next dispatch and the window closes then.
void FrmPrinc::closeEvent(QCloseEvent* event) {
    if (parsing_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace vezu
