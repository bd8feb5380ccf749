#pragma once

#include <string>

namespace kandelo::core {

enum class SignPlace {
    None,        // "750", "-750"
    SpaceOrMinus // " 750", "-750": a blank stands where a minus would
};

// The shortest decimal text of x with up to 15 significant digits, a point as
// decimal separator, no grouping and no exponent: 392, 392.5, 0.001.
// Raises ArithmeticError for a value that is infinite or not a number.
std::string plainNumberText(double x, SignPlace sign = SignPlace::None);

} // namespace kandelo::core
