#pragma once

namespace kandelo::pf {

// Positions on the power-factor screen in twips: x to the right, y downward.
struct TwipPoint {
    float x = 0;
    float y = 0;
};

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

inline constexpr TwipPoint DialCentre{4560, 3240};

// DrawPfNeedle: the free end of the needle for a power factor in percent. The
// needle turns from straight up by twice the phase angle, clockwise for lag
// and counter-clockwise for lead; every power factor below 41 % shows at 40 %.
TwipPoint needleTip(double intPf, double kvarh);

// The improve button's start box, and its full size after one tick of
// tmrPfImprove: 10 wider on each side, 2 up and 3 down, until its left edge is
// no longer right of 1000.
inline constexpr TwipRect ImproveButtonStart{1440, 4080, 255, 255};
TwipRect grownImproveButton(TwipRect button);

} // namespace kandelo::pf
