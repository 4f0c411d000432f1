#include "app/table_model.hpp"

#include <utility>

namespace vezu {

TableModel::TableModel(Table& table, std::vector<GridColumn> columns, const FormatSettings& fs,
                       QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)), fs_(fs),
      rows_(static_cast<int>(table.recordCount())) {}

int TableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const auto row = static_cast<std::size_t>(index.row());
        return QString::fromStdString(
            table_.valueText(row, columns_[static_cast<std::size_t>(index.column())].field, fs_));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return QString::fromUtf8(columns_.at(static_cast<std::size_t>(section)).title);
    }
    // The row indicator marks the current record.
    return static_cast<std::size_t>(section) == table_.recNo() ? QStringLiteral("▶") : QString();
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TableModel::syncRows() {
    const int stored = static_cast<int>(table_.recordCount());
    if (stored <= rows_) {
        return;
    }
    beginInsertRows({}, rows_, stored - 1);
    rows_ = stored;
    endInsertRows();
}

void TableModel::setCurrentRow(int row) {
    const int previous = static_cast<int>(table_.recNo());
    table_.moveTo(static_cast<std::size_t>(row));
    if (previous < rows_) {
        emit headerDataChanged(Qt::Vertical, previous, previous);
    }
    emit headerDataChanged(Qt::Vertical, row, row);
}

void TableModel::deleteCurrentRecord() {
    const int row = static_cast<int>(table_.recNo());
    if (row >= rows_) {
        return;
    }
    beginRemoveRows({}, row, row);
    // The views move their current row away while the row goes, and with
    // it the cursor: point it back at the record being deleted.
    table_.moveTo(static_cast<std::size_t>(row));
    table_.deleteCurrent();
    --rows_;
    endRemoveRows();
}

} // namespace vezu
