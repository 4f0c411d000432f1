#pragma once

#include <optional>
#include <string>
#include <variant>

#include "report/font.hpp"
#include "report/frame.hpp"
#include "report/picture.hpp"
#include "report/units.hpp"

namespace vezu {

enum class Align { None, Width };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

// What every object has: a name and a box relative to its band (or to the
// page area for an object that lies on the page).
struct ViewBox {
    std::string name;
    Unit left = 0;
    Unit top = 0;
    Unit width = 0;
    Unit height = 0;
    Align align = Align::None;
    Frame frame;
};

struct MemoView : ViewBox {
    std::string text;
    std::optional<Font> font; // none: the band's font
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    Unit gapX = 2;
    Unit gapY = 1;
    Unit lineSpacing = 2;
    bool wordWrap = true;
    bool clipped = true;
    bool allowExpressions = true;
    std::string dataSet; // with dataField: a data memo
    std::string dataField;

    bool isDataMemo() const { return !dataSet.empty() && !dataField.empty(); }
};

struct PictureView : ViewBox {
    Picture picture;
    bool keepAspectRatio = true;
    bool stretched = true;
    bool highQuality = false;
    bool transparent = false;
};

using ReportObject = std::variant<MemoView, PictureView>;

inline ViewBox& box(ReportObject& object) {
    return std::visit([](auto& view) -> ViewBox& { return view; }, object);
}
inline const ViewBox& box(const ReportObject& object) {
    return std::visit([](const auto& view) -> const ViewBox& { return view; }, object);
}

} // namespace vezu
