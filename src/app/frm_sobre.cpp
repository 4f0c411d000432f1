#include "app/frm_sobre.hpp"

#include <QKeyEvent>

#include "app/build_info.hpp"
#include "app/dialog_look.hpp"
#include "app/texts.hpp"

namespace vezu {
namespace {

// Twelve lines, as many as the box shows.
const char* const kNotice[] = {
    "Korbane Vezu",
    "Pesagens do gado, do indicador",
    "ao computador.",
    "",
    "Recebe as listagens dos indicadores",
    "KR-10 e KR-20 pelo pen drive",
    "ou pela porta serial, mostra",
    "animais e lotes em tabelas",
    "e exporta para CSV, Excel, PDF",
    "ou para a impressora.",
    "",
    "Ajuda: botão ? da faixa de opções.",
};

QString noticeText() {
    QStringList lines;
    for (const char* line : kNotice) {
        lines.append(QString::fromUtf8(line));
    }
    return lines.join(QLatin1Char('\n'));
}

void makeNavy(QWidget& widget) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, kNavy);
    widget.setPalette(colours);
}

} // namespace

FrmSobre::FrmSobre(bool& monitor) : Monitor(monitor) {
    setObjectName(QStringLiteral("FrmSobre"));
    QWidget* panel = setUpSmallDialog(*this, QStringLiteral("Sobre :"), 238, 222);

    Label1 = new QLabel(QString::fromUtf8(kAppTitle), panel);
    Label1->setGeometry(7, 5, 226, 18);
    Label1->setAlignment(Qt::AlignCenter);
    QFont title(QStringLiteral("Verdana"));
    title.setPixelSize(16);
    Label1->setFont(title);
    makeNavy(*Label1);

    Memo1 = new QTextEdit(panel);
    Memo1->setGeometry(5, 26, 228, 165);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus);
    Memo1->setLineWrapMode(QTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(2);
    Memo1->setPlainText(noticeText());
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    QPalette memoColours = Memo1->palette();
    memoColours.setColor(QPalette::Base, Qt::white);
    memoColours.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(memoColours);

    Label2 = new QLabel(QStringLiteral("Label2"), panel);
    Label2->move(7, 199);
    makeNavy(*Label2);

    Button1 = new QPushButton(QStringLiteral("Ok"), panel);
    Button1->setGeometry(158, 194, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &FrmSobre::Button1Click);

    for (QObject* watched :
         std::initializer_list<QObject*>{this, Memo1, Memo1->viewport(), Button1}) {
        watched->installEventFilter(this);
    }
}

QString FrmSobre::versionText() const {
    return QStringLiteral("Versão : ") + QString::fromStdString(GetBuildInfo());
}

void FrmSobre::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    FormShow();
}

void FrmSobre::FormShow() {
    Label2->setText(versionText() + (Monitor ? QStringLiteral(" Monitor") : QString()));
    Label2->adjustSize();
}

void FrmSobre::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
    const bool keypadMinus = key == Qt::Key_Minus && (shift & Qt::KeypadModifier);
    if (!(shift & Qt::ControlModifier) || !(key == Qt::Key_M || keypadMinus)) {
        return;
    }
    Monitor = !Monitor;
    Label2->setText(versionText() + (Monitor ? QStringLiteral("  ( Monitor )") : QString()));
    Label2->adjustSize();
}

bool FrmSobre::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible()) {
        const auto* press = static_cast<QKeyEvent*>(event);
        // One press reaches the filter once: on the widget that has the focus.
        if (watched == focusWidget() || (focusWidget() == nullptr && watched == this)) {
            FormKeyDown(press->key(), press->modifiers());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmSobre::Button1Click() {
    accept();
}

} // namespace vezu
