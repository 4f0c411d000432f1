#include "app/lot_page.hpp"

#include <algorithm>

#include "app/label_fit.hpp"
#include "data/weighing_store.hpp"

namespace vezu {
namespace {

const std::vector<GridColumn> kColumns{
    {kr20::ID, "Identificação :", 100}, {kr20::PESO, "Peso :", 100}, {kr20::GANHO, "Ganho :", 100},
    {kr20::VALOR, "Valor :", 150},      {kr20::CC1, "Campo 1:", 50}, {kr20::CC2, "Campo 2:", 50},
    {kr20::CC3, "Campo 3:", 50},
};

constexpr int kGridLeft = 3;
constexpr int kGridTop = 28;
constexpr int kGridWidth = 705;
constexpr int kGridHeight = 367;
constexpr int kSummaryPointSize = 8;

} // namespace

LotPage::LotPage(std::int32_t lot, Table& table, const FormatSettings& fs, UserInteraction& ui,
                 QWidget* parent)
    : QWidget(parent), lot_(lot), model_(table, kColumns, fs, this),
      grid_(new WeighingGrid(model_, ui, this)) {
    setObjectName(QStringLiteral("Aba%1").arg(lot));
    grid_->setGeometry(kGridLeft, kGridTop, kGridWidth, kGridHeight);
}

void LotPage::setSummary(const QString& text) {
    if (label_ == nullptr) {
        label_ = new QLabel(this);
        label_->setTextFormat(Qt::PlainText);
        label_->setObjectName(QStringLiteral("Alabel%1").arg(lot_));
        label_->move(kGridLeft, 5);
        label_->show();
    }
    label_->setText(text);
    fitSummary();
}

// A grid wider than the page would hide its own vertical scroll bar.
void LotPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    grid_->resize(std::min(kGridWidth, width() - 2 * kGridLeft), kGridHeight);
    fitSummary();
}

void LotPage::fitSummary() {
    if (label_ != nullptr) {
        fitLabel(*label_, kSummaryPointSize, width() - 2 * kGridLeft);
    }
}

} // namespace vezu
