#include "app/frm_config.hpp"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include <climits>

#include "app/dialog_look.hpp"
#include "commands/user_interaction.hpp"
#include "settings/ini_file.hpp"

namespace vezu {
namespace {

QLabel* navyLabel(const QString& text, const QRect& place, QWidget* panel) {
    auto* label = new QLabel(text, panel);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kNavy);
    label->setPalette(colours);
    return label;
}

QPushButton* button(const QString& text, const QRect& place, QWidget* panel) {
    auto* pushButton = new QPushButton(text, panel);
    pushButton->setGeometry(place);
    // No default button: Enter does not apply, Escape does not cancel.
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

FrmConfig::FrmConfig(UserInteraction& ui) : ui_(ui) {
    setObjectName(QStringLiteral("FrmConfig"));
    QWidget* panel = setUpSmallDialog(*this, QStringLiteral("Configurações :"), 254, 152);

    auto* bevel = new QFrame(panel);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(6, 5, 242, 110);

    navyLabel(QStringLiteral("Porta :"), {33, 25, 90, 13}, panel)->setObjectName("Label1");
    navyLabel(QStringLiteral("Espera da Serial :"), {37, 54, 86, 13}, panel)
        ->setObjectName("Label8");
    navyLabel(QStringLiteral("Modelo do Indicador :"), {16, 86, 108, 13}, panel)
        ->setObjectName("Label7");

    CB1 = new QComboBox(panel);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setGeometry(127, 18, 100, 22);

    SE3 = new QSpinBox(panel);
    SE3->setObjectName(QStringLiteral("SE3"));
    SE3->setGeometry(127, 48, 100, 22);
    SE3->setRange(INT_MIN, INT_MAX);
    SE3->setValue(0);

    CB7 = new QComboBox(panel);
    CB7->setObjectName(QStringLiteral("CB7"));
    CB7->setGeometry(127, 79, 100, 22);
    CB7->addItems({QStringLiteral("KR-10"), QStringLiteral("KR-20")});
    CB7->setCurrentIndex(0);

    Button1 = button(QStringLiteral("Aplicar"), {6, 121, 75, 25}, panel);
    Button2 = button(QStringLiteral("Padrão"), {89, 121, 75, 25}, panel);
    btncancel = button(QStringLiteral("Cancelar"), {173, 121, 75, 25}, panel);
    btncancel->setObjectName(QStringLiteral("btncancel"));
    connect(Button1, &QPushButton::clicked, this, &FrmConfig::btnaplicaClick);
    connect(Button2, &QPushButton::clicked, this, &FrmConfig::btnpadraoClick);
    connect(btncancel, &QPushButton::clicked, this, &FrmConfig::btncancelClick);
}

void FrmConfig::fillPorts(const QStringList& ports, const QString& configured) {
    QList<SerialPortEntry> entries;
    for (const QString& port : ports) {
        entries.push_back({port, {}, false});
    }
    fillPorts(entries, configured);
}

void FrmConfig::fillPorts(const QList<SerialPortEntry>& ports, const QString& configured) {
    bool found = false;
    for (int i = 0; i < ports.size(); ++i) {
        CB1->addItem(ports[i].name);
        if (!ports[i].product.isEmpty()) {
            CB1->setItemData(i, ports[i].product, Qt::ToolTipRole);
        }
        if (ports[i].name == configured) {
            CB1->setCurrentIndex(i);
            found = true;
        }
    }
    if (!found) {
        CB1->setCurrentIndex(-1);
    }
}

int FrmConfig::waitingSeconds() const {
    bool whole = false;
    const int seconds = SE3->cleanText().trimmed().toInt(&whole);
    return whole ? seconds : 0;
}

void FrmConfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    FormShow();
}

// Each showing reloads the model and the waiting time from the file; the
// port list keeps its selection.
void FrmConfig::FormShow() {
    const IniFile ini(settingsFile_.toStdString());
    const int model = ini.readInteger("CONF", "Indic", CB7->currentIndex());
    CB7->setCurrentIndex(model >= 0 && model < CB7->count() ? model : -1);
    SE3->setValue(ini.readInteger("CONF", "Esper", waitingSeconds()));
}

void FrmConfig::btnaplicaClick() {
    const QString port = CB1->currentText();
    const int seconds = waitingSeconds();
    const int model = CB7->currentIndex();
    try {
        IniFile ini(settingsFile_.toStdString());
        ini.writeString("CONF", "Porta", port.toStdString());
        ini.writeInteger("CONF", "Esper", seconds);
        ini.writeInteger("CONF", "Indic", model);
    } catch (const std::exception& error) {
        ui_.reportError(error);
        return;
    }
    emit applied(port, seconds, model);
    accept();
}

void FrmConfig::btnpadraoClick() {
    SE3->setValue(10);
}

void FrmConfig::btncancelClick() {
    reject();
}

void FrmConfig::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vezu
