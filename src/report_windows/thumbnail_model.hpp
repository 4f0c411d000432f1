#pragma once

#include <QAbstractListModel>
#include <QPixmap>

#include "report/prepared_pages.hpp"

namespace vezu {

// The pages as small pictures, each drawn only when the list shows it.
class ThumbnailModel : public QAbstractListModel {
public:
    void setPages(const PreparedPages* pages);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const PreparedPages* pages_ = nullptr;
};

} // namespace vezu
