#include "app/lot_statistics_window.hpp"

#include <cmath>

#include <QBuffer>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QVBoxLayout>

#include "analysis/daily_gain.hpp"
#include "analysis/earlier_listing.hpp"
#include "analysis/lot_statistics.hpp"
#include "analysis/point_decimal.hpp"
#include "analysis/store_access.hpp"
#include "app/texts.hpp"
#include "base/atomic_file.hpp"
#include "base/error.hpp"
#include "base/number_format.hpp"
#include "commands/command_texts.hpp"
#include "commands/error_report.hpp"

namespace vezu {
namespace {

const QStringList kFigureRows{
    QStringLiteral("Animais"),       QStringLiteral("Total"),
    QStringLiteral("Média"),         QStringLiteral("Mediana"),
    QStringLiteral("Mínimo"),        QStringLiteral("Máximo"),
    QStringLiteral("Desvio padrão"), QStringLiteral("Coeficiente de variação")};

const QStringList kComparisonColumns{
    QStringLiteral("Identificação"), QStringLiteral("Peso anterior"),
    QStringLiteral("Peso atual"),    QStringLiteral("Ganho"),
    QStringLiteral("Dias"),          QStringLiteral("GMD (kg/dia)")};

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The "###,###.#" figures of the program, with "0" where that pattern
// leaves a blank or a bare separator.
QString oneDecimal(double value, const FormatSettings& fs) {
    std::string text = formatGroupedOneDecimal(value, fs);
    if (text.empty()) {
        return QStringLiteral("0");
    }
    const std::size_t digits = text.front() == '-' ? 1 : 0;
    if (text.compare(digits, fs.decimalSeparator.size(), fs.decimalSeparator) == 0) {
        text.insert(digits, "0");
    }
    return utf8(text);
}

QString threeDecimals(double value, const FormatSettings& fs) {
    std::string text = pointDecimal(value, 3);
    text.replace(text.find('.'), 1, fs.decimalSeparator);
    return utf8(text);
}

QString money(double tenThousandths, const FormatSettings& fs) {
    return utf8(formatMoney(Currency{std::llround(tenThousandths)}, fs));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFileWriter file(path.toStdString());
    file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    file.commit();
}

} // namespace

struct LotStatisticsWindow::State {
    const WeighingStore& store;
    ListingModel model;
    std::int32_t lot;
    FormatSettings fs;
    std::optional<LotView> view;
    LotStatistics statistics;
    std::unique_ptr<WeighingStore> earlier;
    ListingModel earlierModel = ListingModel::Kr10;
    QString earlierName;
    QString earlierFolder;
};

LotStatisticsWindow::LotStatisticsWindow(const WeighingStore& store, ListingModel model,
                                         std::int32_t lot, FormatSettings fs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(new State{store, model, lot, std::move(fs), {}, {}, {}, {}, {}, {}}),
      figures_(new QTableWidget(this)), classWidth_(new QSpinBox(this)),
      histogram_(new HistogramView(this)),
      compare_(new QPushButton(QStringLiteral("Comparar com pesagem anterior…"), this)),
      comparisonSummary_(new QLabel(this)), comparison_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("LotStatisticsWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(900, 620);

    figures_->setObjectName(QStringLiteral("Figuras"));
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->setRowCount(static_cast<int>(kFigureRows.size()));
    figures_->setVerticalHeaderLabels(kFigureRows);
    const bool kr20 = model == ListingModel::Kr20;
    figures_->setColumnCount(kr20 ? 3 : 1);
    figures_->setHorizontalHeaderLabels(kr20 ? QStringList{QStringLiteral("Peso (kg)"),
                                                           QStringLiteral("Ganho (kg)"),
                                                           QStringLiteral("Valor")}
                                             : QStringList{QStringLiteral("Peso (kg)")});
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    figures_->setMinimumWidth(kr20 ? 480 : 260);
    figures_->setWordWrap(false);

    classWidth_->setObjectName(QStringLiteral("LarguraClasse"));
    classWidth_->setRange(1, 10000);
    classWidth_->setValue(static_cast<int>(kDefaultClassWidth));
    classWidth_->setSuffix(QStringLiteral(" kg"));
    connect(classWidth_, &QSpinBox::valueChanged, this, [this] { showClasses(); });

    auto* print = new QPushButton(QStringLiteral("Imprimir histograma…"), this);
    auto* png = new QPushButton(QStringLiteral("Salvar PNG…"), this);
    auto* pdf = new QPushButton(QStringLiteral("Salvar PDF…"), this);
    connect(compare_, &QPushButton::clicked, this, [this] { compareClicked(); });
    connect(print, &QPushButton::clicked, this, [this] { printClicked(); });
    connect(png, &QPushButton::clicked, this, [this] { saveClicked(QStringLiteral("png")); });
    connect(pdf, &QPushButton::clicked, this, [this] { saveClicked(QStringLiteral("pdf")); });

    comparison_->setObjectName(QStringLiteral("Comparacao"));
    comparison_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    comparison_->setColumnCount(static_cast<int>(kComparisonColumns.size()));
    comparison_->setHorizontalHeaderLabels(kComparisonColumns);
    comparison_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    comparison_->verticalHeader()->hide();
    comparison_->hide();
    comparisonSummary_->setObjectName(QStringLiteral("ResumoComparacao"));

    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(new QLabel(QStringLiteral("Largura da classe:"), this));
    widthRow->addWidget(classWidth_);
    widthRow->addStretch();
    auto* histogramColumn = new QVBoxLayout;
    histogramColumn->addLayout(widthRow);
    histogramColumn->addWidget(histogram_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(figures_);
    top->addLayout(histogramColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compare_);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(png);
    buttons->addWidget(pdf);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addLayout(buttons);
    layout->addWidget(comparisonSummary_);
    layout->addWidget(comparison_, 2);

    chooseEarlierListing = [this]() -> std::optional<QString> {
        const QString name =
            QFileDialog::getOpenFileName(this, QStringLiteral("Pesagem anterior"),
                                         state_->earlierFolder, QString::fromUtf8(kListingFilter));
        return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
    };
    chooseSaveFile = [this](const QString& name, const QString& filter) -> std::optional<QString> {
        const QString chosen = QFileDialog::getSaveFileName(this, QString(), name, filter);
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
    };
    showError = [this](const QString& text) {
        QMessageBox::critical(this, QString::fromUtf8(kAppTitle),
                              QString::fromStdString(withFullStop(text.toStdString())));
    };
    refresh();
}

LotStatisticsWindow::~LotStatisticsWindow() = default;

QString LotStatisticsWindow::lotTitle() const {
    const QString name = state_->view ? utf8(state_->view->name) : QString();
    const QString number = QStringLiteral("Lote ") + QString::number(state_->lot);
    return name.isEmpty() ? number : number + QStringLiteral(" – ") + name;
}

void LotStatisticsWindow::refresh() {
    state_->view.reset();
    for (LotView& lot : lotsOf(state_->store, state_->model)) {
        if (lot.number == state_->lot) {
            state_->view = std::move(lot);
        }
    }
    state_->statistics = state_->view ? lotStatistics(*state_->view) : LotStatistics{};
    setWindowTitle(QStringLiteral("Estatísticas – ") + lotTitle());
    showFigures();
    showClasses();
    showComparison();
}

void LotStatisticsWindow::showFigures() {
    const FormatSettings& fs = state_->fs;
    const LotStatistics& s = state_->statistics;
    figures_->clearContents();
    figures_->setItem(0, 0, cell(QString::number(s.animals)));
    const std::optional<FieldFigures>* columns[] = {&s.peso, &s.ganho, &s.valor};
    for (int c = 0; c < figures_->columnCount(); ++c) {
        const auto& f = *columns[c];
        if (!f) {
            continue;
        }
        const bool isMoney = c == 2;
        const auto number = [&](double v) { return isMoney ? money(v, fs) : oneDecimal(v, fs); };
        const QString values[] = {number(static_cast<double>(f->total)),
                                  number(f->mean),
                                  number(f->median),
                                  number(static_cast<double>(f->minimum)),
                                  number(static_cast<double>(f->maximum)),
                                  number(f->standardDeviation),
                                  f->coefficientOfVariation
                                      ? oneDecimal(*f->coefficientOfVariation, fs) +
                                            QStringLiteral(" %")
                                      : QString()};
        for (int r = 1; r < figures_->rowCount(); ++r) {
            figures_->setItem(r, c, cell(values[r - 1]));
        }
    }
}

void LotStatisticsWindow::showClasses() {
    const QString title = QStringLiteral("Distribuição de peso – ") + lotTitle();
    if (!state_->view) {
        histogram_->setHistogram({}, title, QStringLiteral("O lote não está mais carregado."));
        return;
    }
    try {
        histogram_->setHistogram(
            weightClasses(fieldUnits(*state_->view->table, state_->view->pesoField),
                          classWidth_->value()),
            title, QStringLiteral("Nenhum animal no lote."));
    } catch (const Error& e) {
        histogram_->setHistogram({}, title, QString::fromUtf8(e.what()));
    }
}

void LotStatisticsWindow::showComparison() {
    if (!state_->earlier) {
        return;
    }
    const FormatSettings& fs = state_->fs;
    LotGain gain;
    if (state_->view) {
        gain = compareLot(*state_->view, EarlierWeighing(*state_->earlier, state_->earlierModel));
    }
    comparison_->setRowCount(static_cast<int>(gain.animals.size()));
    for (int r = 0; r < comparison_->rowCount(); ++r) {
        const AnimalGain& a = gain.animals[static_cast<std::size_t>(r)];
        const auto whole = [](const auto& v) { return v ? QString::number(*v) : QString(); };
        auto* id = new QTableWidgetItem(utf8(a.id));
        comparison_->setItem(r, 0, id);
        comparison_->setItem(
            r, 1, cell(a.matched ? whole(a.earlierWeight) : QStringLiteral("não encontrado")));
        comparison_->setItem(r, 2, cell(whole(a.weight)));
        comparison_->setItem(r, 3, cell(whole(a.gain)));
        comparison_->setItem(r, 4, cell(whole(a.days)));
        comparison_->setItem(r, 5, cell(a.gmd ? threeDecimals(*a.gmd, fs) : QString()));
    }
    comparisonSummary_->setText(
        QStringLiteral("Comparado com %1: %2 de %3 animais encontrados     GMD médio: %4")
            .arg(state_->earlierName)
            .arg(gain.matched)
            .arg(gain.animals.size())
            .arg(gain.meanGmd ? threeDecimals(*gain.meanGmd, fs) + QStringLiteral(" kg/dia")
                              : QStringLiteral("—")));
    comparison_->show();
}

void LotStatisticsWindow::compareWith(const QString& listing) {
    try {
        const std::string path = listing.toStdString();
        const ListingModel model = guessListingModel(path);
        state_->earlier = readEarlierListing(path, model, state_->fs);
        state_->earlierModel = model;
        state_->earlierName = listing.section(QLatin1Char('/'), -1);
    } catch (const Error& e) {
        showError(QString::fromUtf8(e.what()));
        return;
    }
    showComparison();
}

void LotStatisticsWindow::setEarlierFolder(const QString& folder) {
    state_->earlierFolder = folder;
}

void LotStatisticsWindow::compareClicked() {
    if (const auto listing = chooseEarlierListing()) {
        compareWith(*listing);
    }
}

void LotStatisticsWindow::printHistogram(QPrinter& printer) const {
    QPainter painter(&printer);
    QFont font = painter.font();
    font.setPointSize(10);
    painter.setFont(font);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintHistogram(painter, QRectF(0, 0, page.width(), page.height() * 0.6), histogram_->classes(),
                   histogram_->title(), histogram_->message());
}

void LotStatisticsWindow::saveHistogramPng(const QString& path) const {
    QImage image(1200, 700, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(18);
        painter.setFont(font);
        paintHistogram(painter, image.rect(), histogram_->classes(), histogram_->title(),
                       histogram_->message());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    writeAtomically(path, bytes);
}

void LotStatisticsWindow::saveHistogramPdf(const QString& path) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(histogram_->title());
        QPainter painter(&pdf);
        QFont font = painter.font();
        font.setPointSize(10);
        painter.setFont(font);
        paintHistogram(painter, QRectF(0, 0, pdf.width(), pdf.height()), histogram_->classes(),
                       histogram_->title(), histogram_->message());
    }
    writeAtomically(path, bytes);
}

void LotStatisticsWindow::printClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        printHistogram(printer);
    }
}

void LotStatisticsWindow::saveClicked(const QString& suffix) {
    const QString name = QStringLiteral("Histograma lote %1.%2").arg(state_->lot).arg(suffix);
    const QString filter = suffix == QStringLiteral("png")
                               ? QStringLiteral("Imagem PNG (*.png)")
                               : QStringLiteral("Documento PDF (*.pdf)");
    const auto path = chooseSaveFile(name, filter);
    if (!path) {
        return;
    }
    try {
        if (suffix == QStringLiteral("png")) {
            saveHistogramPng(*path);
        } else {
            saveHistogramPdf(*path);
        }
    } catch (const Error& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

} // namespace vezu
