#include "sc/round_by_magnitude.h"

#include "core/checked.h"
#include "core/display_pattern.h"
#include "core/plain_number.h"
#include "core/rounding.h"

#include <cmath>

namespace kandelo::sc {

namespace {

namespace checked = core::checked;

// Rounds half up at `decimals` decimals by adding one half and cutting toward zero.
double roundAtDecimals(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return checked::div(core::addHalfAndTruncate(checked::mul(x, scale)), scale);
}

// Keeps three significant digits of a value of 1000 or more.
double roundToThreeDigits(double x)
{
    const auto wholeDigits = static_cast<int>(core::plainNumberText(std::trunc(x)).size());
    const double power = std::pow(10.0, wholeDigits - 3);
    return checked::mul(core::addHalfAndTruncate(checked::div(x, power)), power);
}

} // namespace

double RoundByMagnitude(double& x, std::string& strFormat)
{
    const double a = core::roundHalfEven(x, 3);
    if (a >= 1000) {
        x = roundToThreeDigits(x);
        strFormat = "#,###,0";
    } else if (a >= 100) {
        x = core::addHalfAndTruncate(x);
        strFormat = "#,###,0";
    } else if (a >= 10) {
        x = roundAtDecimals(x, 1);
        strFormat = "#,###,0.0";
    } else if (a >= 1) {
        x = roundAtDecimals(x, 2);
        strFormat = "#,###,0.00";
    } else if (a >= 0) {
        x = roundAtDecimals(x, 3);
        strFormat = "#,###,0.000";
    }
    return x;
}

std::string roundedText(double& x, std::string& strFormat)
{
    const double rounded = RoundByMagnitude(x, strFormat);
    return core::formatNumber(rounded, strFormat);
}

std::string AlignRight(int w, std::string_view t)
{
    return core::formatText(t, core::placeholderPattern(w));
}

} // namespace kandelo::sc
