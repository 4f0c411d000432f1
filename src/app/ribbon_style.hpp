#pragma once

#include <QColor>

namespace vezu::ribbon_style {

// The blue "Luna" look of the ribbon.
inline const QColor kCaptionTop{0xe3, 0xee, 0xfb};
inline const QColor kCaptionBottom{0xc4, 0xd8, 0xef};
inline const QColor kTabRow{0xbf, 0xd3, 0xec};
inline const QColor kPanelTopColour{0xf5, 0xf9, 0xfe};
inline const QColor kPanelBottomColour{0xd3, 0xe2, 0xf4};
inline const QColor kBorder{0x8d, 0xb2, 0xe3};
inline const QColor kGroupCaption{0xc2, 0xd7, 0xf0};
inline const QColor kText{0x15, 0x42, 0x8b};

inline constexpr int kCaptionHeight = 24;
inline constexpr int kTabRowHeight = 24;
inline constexpr int kPanelY = kCaptionHeight + kTabRowHeight;
inline constexpr int kGroupCaptionHeight = 16;

} // namespace vezu::ribbon_style
