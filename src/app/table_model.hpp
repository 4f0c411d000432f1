#pragma once

#include <cstddef>
#include <vector>

#include <QAbstractTableModel>

#include "base/format_settings.hpp"
#include "data/table.hpp"

namespace vezu {

struct GridColumn {
    std::size_t field;
    const char* title;
    int width;
};

// A read-only view of a Table for a grid: it reads the records where they
// are and copies none. Records the parser appends are announced by
// syncRows(); the current row is the table's cursor.
class TableModel : public QAbstractTableModel {
public:
    TableModel(Table& table, std::vector<GridColumn> columns, const FormatSettings& fs,
               QObject* parent = nullptr);

    const std::vector<GridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views about records stored since the last call.
    void syncRows();
    // Moves the table's cursor; the row indicator follows.
    void setCurrentRow(int row);
    // Deletes the table's current record.
    void deleteCurrentRecord();

private:
    Table& table_;
    std::vector<GridColumn> columns_;
    const FormatSettings& fs_;
    int rows_ = 0;
};

} // namespace vezu
