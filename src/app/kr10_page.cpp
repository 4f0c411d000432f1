#include "app/kr10_page.hpp"

#include <QLabel>

#include "app/label_fit.hpp"

namespace vezu {
namespace {

const std::vector<GridColumn> kColumns{
    {kr10::ID, "Identificação :", 200},
    {kr10::PESO, "Peso :", 150},
};

constexpr int kLabelLeft = 420;
constexpr int kLabelPointSize = 14;

} // namespace

Kr10Page::Kr10Page(WeighingStore& store, const FormatSettings& fs, UserInteraction& ui,
                   QWidget* parent)
    : QWidget(parent), model_(store.CDS1(), kColumns, fs, this),
      grid_(new WeighingGrid(model_, ui, this)) {
    setObjectName(QStringLiteral("Aba%1").arg(store.Contador()));
    grid_->setGeometry(3, 3, 400, 393);

    const std::pair<const char*, const std::string*> labels[] = {
        {"Arquivo : ", &store.S1()},    {"Data : ", &store.S2()},
        {"Hora : ", &store.S3()},       {"Quantidade : ", &store.S4()},
        {"Peso Bruto : ", &store.S5()}, {"Peso Líquido : ", &store.S6()},
    };
    int top = 10;
    int number = 1;
    for (const auto& [caption, value] : labels) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(QString::fromUtf8(caption) + QString::fromStdString(*value));
        label->setObjectName(QStringLiteral("Clabel%1").arg(number++));
        label->move(kLabelLeft, top);
        labels_.push_back(label);
        top += 30;
    }
}

void Kr10Page::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QLabel* label : labels_) {
        fitLabel(*label, kLabelPointSize, width() - kLabelLeft - 3);
    }
}

} // namespace vezu
