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

// The number of decimal digits of the whole part of x (x >= 1), as its plain
// number text writes it. Below 10^15 every whole number is an exact double, so
// counting against powers of ten gives the same count without writing the text.
int wholeDigits(double x)
{
    const double whole = std::trunc(x);
    if (whole >= 1e15)
        return static_cast<int>(core::plainNumberText(whole).size());
    int digits = 1;
    for (double power = 10; power <= whole; power *= 10)
        ++digits;
    return digits;
}

// Keeps three significant digits of a value of 1000 or more.
double roundToThreeDigits(double x)
{
    const double power = std::pow(10.0, wholeDigits(x) - 3);
    return checked::mul(core::addHalfAndTruncate(checked::div(x, power)), power);
}

// Whether x rounded half-even to three decimals is at least the bound. Only a
// value within a thousandth below the bound needs its decimal digits.
bool roundsToAtLeast(double x, double bound)
{
    if (x >= bound)
        return true;
    if (x < bound - 0.001)
        return false;
    return core::roundHalfEven(x, 3) >= bound;
}

} // namespace

double RoundByMagnitude(double& x, std::string& strFormat)
{
    core::checked::finite(x);
    const auto a = [x](double bound) { return roundsToAtLeast(x, bound); };
    if (a(1000)) {
        x = roundToThreeDigits(x);
        strFormat = "#,###,0";
    } else if (a(100)) {
        x = core::addHalfAndTruncate(x);
        strFormat = "#,###,0";
    } else if (a(10)) {
        x = roundAtDecimals(x, 1);
        strFormat = "#,###,0.0";
    } else if (a(1)) {
        x = roundAtDecimals(x, 2);
        strFormat = "#,###,0.00";
    } else if (a(0)) {
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
