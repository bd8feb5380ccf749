#pragma once

// Two of the program's three roundings; the third, half away from zero, is
// part of the display patterns. They are never merged.

namespace kandelo::core {

// x rounded to `decimals` decimals, an exact half (in the shortest decimal
// text of x) going to the even digit: 0.125 → 0.12, 0.135 → 0.14.
// Raises ArithmeticError for a value that is infinite or not a number.
double roundHalfEven(double x, int decimals);

// trunc(x + 0.5): adds one half and cuts toward zero. Raises ArithmeticError
// when the sum overflows.
double addHalfAndTruncate(double x);

} // namespace kandelo::core
