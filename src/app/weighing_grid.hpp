#pragma once

#include <QTableView>

#include "app/table_model.hpp"

namespace vezu {

class UserInteraction;

// The grid of a listing page: titles, a row indicator, widenable columns,
// no editing; Ctrl+Delete deletes the current record after "Delete record?".
// Its current row is the table's current record, both ways. Its context
// menu lists the actions added to it.
class WeighingGrid : public QTableView {
public:
    WeighingGrid(TableModel& model, UserInteraction& ui, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRow(int row);
    void deleteRecord();

    TableModel& model_;
    UserInteraction& ui_;
};

} // namespace vezu
