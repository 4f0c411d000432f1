#include "app/table_model.hpp"

#include <utility>

namespace vezu {

TableModel::TableModel(Table& table, std::vector<GridColumn> columns, const FormatSettings& fs,
                       QObject* parent)
    : QAbstractTableModel(parent), table_(&table), columns_(std::move(columns)), fs_(fs),
      rows_(static_cast<int>(table.recordCount())) {
    marked_ = currentRow();
    table_->addListener(*this);
}

TableModel::~TableModel() {
    if (table_ != nullptr) {
        table_->removeListener(*this);
    }
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (table_ == nullptr || !index.isValid() || index.row() >= rows_) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const auto row = static_cast<std::size_t>(index.row());
        return QString::fromStdString(
            table_->valueText(row, columns_[static_cast<std::size_t>(index.column())].field, fs_));
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
    return section == currentRow() ? QStringLiteral("▶") : QString();
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

int TableModel::currentRow() const {
    if (table_ == nullptr || static_cast<int>(table_->recNo()) >= rows_) {
        return -1;
    }
    return static_cast<int>(table_->recNo());
}

void TableModel::setCurrentRow(int row) {
    // While a row goes the views move their current row; the table decides.
    if (table_ != nullptr && !removing_ && row >= 0 && row < rows_) {
        table_->moveTo(static_cast<std::size_t>(row));
    }
}

void TableModel::deleteCurrentRecord() {
    if (table_ != nullptr) {
        showAppended();
        table_->deleteCurrent();
    }
}

void TableModel::recordAppended(std::size_t) {
    // One view update per stored record would cost more than the parse.
    if (!batchQueued_) {
        batchQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { showAppended(); }, Qt::QueuedConnection);
    }
}

void TableModel::showAppended() {
    batchQueued_ = false;
    const int stored = table_ != nullptr ? static_cast<int>(table_->recordCount()) : 0;
    if (stored > rows_) {
        beginInsertRows({}, rows_, stored - 1);
        rows_ = stored;
        endInsertRows();
        showCursor();
    }
}

void TableModel::recordAboutToBeRemoved(std::size_t row) {
    showAppended();
    removing_ = true;
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
}

void TableModel::recordRemoved(std::size_t) {
    --rows_;
    endRemoveRows();
    removing_ = false;
}

void TableModel::aboutToBeEmptied() {
    beginResetModel();
}

void TableModel::emptied() {
    rows_ = 0;
    marked_ = -1;
    endResetModel();
}

void TableModel::fieldChanged(std::size_t field) {
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].field == field && rows_ > 0) {
            const int column = static_cast<int>(c);
            emit dataChanged(index(0, column), index(rows_ - 1, column));
        }
    }
}

// A record the cursor was put on is shown at once, with those stored before it.
void TableModel::cursorMoved(std::size_t, std::size_t) {
    showAppended();
    showCursor();
}

void TableModel::showCursor() {
    const int row = currentRow();
    if (row != marked_) {
        for (const int changed : {marked_, row}) {
            if (changed >= 0 && changed < rows_) {
                emit headerDataChanged(Qt::Vertical, changed, changed);
            }
        }
        marked_ = row;
    }
    emit currentRowMoved(row);
}

void TableModel::tableDestroyed() {
    beginResetModel();
    table_ = nullptr;
    rows_ = 0;
    marked_ = -1;
    endResetModel();
}

} // namespace vezu
