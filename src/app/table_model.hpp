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
// are and copies none, and follows the table by itself. Records stored while
// a parse runs reach the views in batches, at the next turn of the event loop.
// The row marked as current is the table's cursor.
class TableModel : public QAbstractTableModel, private TableListener {
    Q_OBJECT
public:
    TableModel(Table& table, std::vector<GridColumn> columns, const FormatSettings& fs,
               QObject* parent = nullptr);
    ~TableModel() override;

    const std::vector<GridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The table's current record; -1 when there is none (or no table).
    int currentRow() const;
    // Moves the table's cursor; the row marker follows.
    void setCurrentRow(int row);
    // Deletes the table's current record, the one the marker shows.
    void deleteCurrentRecord();

signals:
    // The table's cursor now stands on this row (-1: none).
    void currentRowMoved(int row);

private:
    void recordAppended(std::size_t row) override;
    void recordAboutToBeRemoved(std::size_t row) override;
    void recordRemoved(std::size_t row) override;
    void aboutToBeEmptied() override;
    void emptied() override;
    void fieldChanged(std::size_t field) override;
    void cursorMoved(std::size_t from, std::size_t to) override;
    void tableDestroyed() override;

    // Announces the records stored since the last batch.
    void showAppended();
    // Moves the row marker to the cursor and tells the views.
    void showCursor();

    Table* table_;
    std::vector<GridColumn> columns_;
    const FormatSettings& fs_;
    int rows_ = 0;    // the rows the views know of
    int marked_ = -1; // the row the marker was last drawn on
    bool batchQueued_ = false;
    bool removing_ = false;
};

} // namespace vezu
