#include "core/plain_number.h"

#include "core/decimal.h"

namespace kandelo::core {

std::string plainNumberText(double x, SignPlace sign)
{
    // The shortest digits of a double, when there are at most 15 of them, are
    // also its rounding to 15 significant digits, and much quicker to find.
    Decimal d = Decimal::shortest(x);
    if (d.significantDigits() > 15)
        d = Decimal::significant(x, 15);
    const std::string text = d.plainText();
    return sign == SignPlace::SpaceOrMinus && !d.isNegative() ? ' ' + text : text;
}

} // namespace kandelo::core
