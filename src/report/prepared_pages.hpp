#pragma once

#include <memory>
#include <string>
#include <vector>

#include "report/layout.hpp"

namespace vezu {

// One object on an output page: the layout object it came from (for its
// style), where it lies in the page area, and a memo's filled-in text.
struct PreparedObject {
    const ReportObject* source = nullptr;
    Rect box;
    std::string text;

    const MemoView* memo() const { return std::get_if<MemoView>(source); }
    const PictureView* picture() const { return std::get_if<PictureView>(source); }
};

struct PreparedPage {
    const Paper* paper = nullptr;
    std::vector<PreparedObject> objects;
};

// The output pages of the runs since the last clear. Each run's copy of the
// layout lives here too, because the pages point into it.
class PreparedPages {
public:
    void clear() {
        pages_.clear();
        layouts_.clear();
    }
    void keep(std::shared_ptr<const Layout> layout) { layouts_.push_back(std::move(layout)); }
    PreparedPage& addPage(const Paper& paper) {
        // Grown in steps, so a long run does not copy its pages over and over.
        if (pages_.size() == pages_.capacity()) {
            pages_.reserve(pages_.size() * 2 + 16);
        }
        pages_.push_back(PreparedPage{&paper, {}});
        return pages_.back();
    }

    const std::vector<std::shared_ptr<const Layout>>& layouts() const { return layouts_; }
    std::size_t count() const { return pages_.size(); }
    bool empty() const { return pages_.empty(); }
    const PreparedPage& page(std::size_t index) const { return pages_.at(index); }
    const std::vector<PreparedPage>& pages() const { return pages_; }

private:
    std::vector<std::shared_ptr<const Layout>> layouts_;
    std::vector<PreparedPage> pages_;
};

} // namespace vezu
