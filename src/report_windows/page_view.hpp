#pragma once

#include <optional>

#include <QWidget>

#include "report/prepared_pages.hpp"

namespace vezu {

// One prepared page on screen, drawn at a zoom, with the page margins and
// the object a search found marked when asked.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent = nullptr);

    void show(const PreparedPages* pages, std::size_t index);
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    void setMarginsShown(bool shown);
    void setFound(std::optional<Rect> found);

    // Layout units to this widget's pixels.
    double pixelsPerUnit() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void resizeToPage();

    const PreparedPages* pages_ = nullptr;
    std::size_t index_ = 0;
    double zoom_ = 1.0;
    bool marginsShown_ = false;
    std::optional<Rect> found_;
};

} // namespace vezu
