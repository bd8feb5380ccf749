#pragma once

#include <QRect>

#include <cmath>

namespace kandelo::forms {

// Screen geometry is designed in twips, 1/1440 inch: 15 twips a pixel at
// 96 dpi. Qt's high-DPI scaling maps these device-independent pixels further.
inline constexpr double TwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Window heights are designed as outer heights, title bar and frame included.
// The frame is the window manager's; this is the allowance of a typical one.
inline constexpr int WindowFrameHeightTwips = 465;

inline int clientHeightForOuterTwips(int outerTwips)
{
    return twipsToPixels(outerTwips - WindowFrameHeightTwips);
}

} // namespace kandelo::forms
