#include "pf/dial_geometry.h"

#include <cmath>

namespace kandelo::pf {

TwipPoint needleTip(double intPf, double kvarh)
{
    constexpr double Length = 840;
    constexpr double Pi = 3.14; // the dial's own π

    double p = intPf / 100;
    if (p < 0.41)
        p = 0.4;
    // arccos p, written so that the exact 1 never divides by a zero root.
    const double theta = p == 1 ? 0.0 : std::atan(-p / std::sqrt(1 - p * p)) + 2 * std::atan(1.0);
    double psi = Pi / 2 - 2 * theta;
    if (kvarh < 0)
        psi = -psi;

    if (kvarh >= 0)
        return {static_cast<float>(std::cos(psi) * Length + DialCentre.x),
            static_cast<float>(DialCentre.y - std::sin(psi) * Length)};
    return {static_cast<float>(DialCentre.x - std::cos(psi) * Length),
        static_cast<float>(std::sin(psi) * Length + DialCentre.y)};
}

TwipRect grownImproveButton(TwipRect button)
{
    while (button.left > 1000) {
        button.left -= 10;
        button.top -= 2;
        button.width += 20;
        button.height += 5;
    }
    return button;
}

} // namespace kandelo::pf
