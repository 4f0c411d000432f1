#pragma once

#include <cstdint>

#include <QLabel>
#include <QWidget>

#include "app/table_model.hpp"
#include "app/weighing_grid.hpp"

namespace vezu {

class UserInteraction;

// The page of one KR-20 lot: its grid and, once the summary line is read,
// the summary label above it.
class LotPage : public QWidget {
public:
    LotPage(std::int32_t lot, Table& table, const FormatSettings& fs, UserInteraction& ui,
            QWidget* parent);

    // A second summary line of the lot replaces the text.
    void setSummary(const QString& text);

    std::int32_t lot() const { return lot_; }
    WeighingGrid& grid() { return *grid_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitSummary();

    std::int32_t lot_;
    TableModel model_;
    WeighingGrid* grid_;
    QLabel* label_ = nullptr;
};

} // namespace vezu
