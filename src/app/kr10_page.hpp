#pragma once

#include <QLabel>
#include <QWidget>

#include <vector>

#include "app/table_model.hpp"
#include "app/weighing_grid.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

class UserInteraction;

// The page of a KR-10 listing: the grid of CDS1 and the six summary labels.
class Kr10Page : public QWidget {
public:
    Kr10Page(WeighingStore& store, const FormatSettings& fs, UserInteraction& ui, QWidget* parent);

    WeighingGrid& grid() { return *grid_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TableModel model_;
    WeighingGrid* grid_;
    std::vector<QLabel*> labels_;
};

} // namespace vezu
