#include "core/rounding.h"

#include "core/checked.h"
#include "core/decimal.h"

#include <cmath>

namespace kandelo::core {

double roundHalfEven(double x, int decimals)
{
    return Decimal::shortest(x).rounded(decimals, Tie::ToEven).toDouble();
}

double addHalfAndTruncate(double x)
{
    return std::trunc(checked::add(x, 0.5));
}

} // namespace kandelo::core
