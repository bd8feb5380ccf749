#include "core/plain_number.h"

#include "core/decimal.h"

namespace kandelo::core {

std::string plainNumberText(double x, SignPlace sign)
{
    const Decimal d = Decimal::significant(x, 15);
    const std::string text = d.plainText();
    return sign == SignPlace::SpaceOrMinus && !d.negative ? ' ' + text : text;
}

} // namespace kandelo::core
