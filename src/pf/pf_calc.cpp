#include "pf/pf_calc.h"

#include "core/display_pattern.h"

#include <cmath>

namespace kandelo::pf {

// kWh / √(kvarh² + kWh²) × 100, in that order, in double precision. Only where
// the sum of the squares overflows or underflows to zero is the root taken
// with hypot instead, halving both energies first when even that overflows.
double powerFactor(double kwh, double kvarh)
{
    const double sumOfSquares = kvarh * kvarh + kwh * kwh;
    if (std::isfinite(sumOfSquares) && sumOfSquares != 0)
        return kwh / std::sqrt(sumOfSquares) * 100;
    double root = std::hypot(kvarh, kwh);
    if (std::isinf(root)) {
        kwh /= 2;
        root = std::hypot(kvarh / 2, kwh);
    }
    return kwh / root * 100;
}

PfScreen computePfScreen(double kwh, double kvarh, double intPf)
{
    PfScreen screen;
    screen.lblKwh = core::formatNumber(kwh, "##,##0.00");
    screen.lblKvarh = core::formatNumber(kvarh, "##,##0.00");
    screen.lblPf = core::formatNumber(intPf, "0.00");
    screen.commentVisible = intPf >= 99.5;
    if (kvarh < 0) {
        screen.phase = Phase::Lead;
        screen.commentVisible = false;
    }
    return screen;
}

std::string phaseCaption(Phase phase)
{
    return phase == Phase::Lead ? "Lead" : " Lag";
}

std::string phaseText(Phase phase)
{
    std::string caption = phaseCaption(phase);
    caption.erase(0, caption.find_first_not_of(' '));
    return caption;
}

} // namespace kandelo::pf
