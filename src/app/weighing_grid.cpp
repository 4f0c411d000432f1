#include "app/weighing_grid.hpp"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "app/texts.hpp"
#include "commands/user_interaction.hpp"

namespace vezu {

WeighingGrid::WeighingGrid(TableModel& model, UserInteraction& ui, QWidget* parent)
    : QTableView(parent), model_(model), ui_(ui) {
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    QHeaderView* titles = horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setHighlightSections(true);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setDefaultAlignment(Qt::AlignCenter);
    for (int c = 0; c < model_.columnCount(); ++c) {
        // A title wider than its planned column in the installed font widens it.
        const int planned = model_.columns()[static_cast<std::size_t>(c)].width;
        titles->resizeSection(c, std::max(planned, titles->sectionSizeHint(c)));
    }

    QHeaderView* indicator = verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(fontMetrics().height() + 4);
    indicator->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("▶")) + 8);
    indicator->setDefaultAlignment(Qt::AlignCenter);

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    model_.setCurrentRow(current.row());
                }
            });
    connect(&model_, &TableModel::currentRowMoved, this, [this](int row) { showRow(row); });
    showRow(model_.currentRow());
}

void WeighingGrid::showRow(int row) {
    if (row < 0 || row == currentIndex().row()) {
        return;
    }
    const int column = std::max(currentIndex().column(), 0);
    selectionModel()->setCurrentIndex(model_.index(row, column), QItemSelectionModel::NoUpdate);
}

void WeighingGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        deleteRecord();
        return;
    }
    QTableView::keyPressEvent(event);
}

void WeighingGrid::deleteRecord() {
    if (model_.currentRow() < 0 || !ui_.confirm(kDeleteRecordQuestion)) {
        return;
    }
    model_.deleteCurrentRecord();
}

} // namespace vezu
