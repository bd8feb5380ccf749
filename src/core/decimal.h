#pragma once

#include <string>

namespace kandelo::core {

enum class Tie { AwayFromZero, ToEven };

// A finite double written as decimal digits, so that roundings and number
// texts work on the digits a person reads (2.675 is 2.675, not 2.67499999…).
struct Decimal {
    bool negative = false;
    std::string digits; // significant digits without leading or trailing zeros; empty for zero
    int pointPos = 0;   // value = 0.digits × 10^pointPos

    // The shortest digits that read back as x. Raises ArithmeticError for a
    // value that is infinite or not a number.
    static Decimal shortest(double x);
    // x rounded to at most `significant` significant digits.
    static Decimal significant(double x, int significant);

    bool isZero() const { return digits.empty(); }
    Decimal rounded(int decimals, Tie tie) const;

    std::string integerDigits() const;             // "0" when the whole part is 0
    std::string fractionDigits(int decimals) const; // exactly `decimals` digits, padded with zeros
    std::string plainText() const;                  // no exponent, no grouping
    double toDouble() const;
};

} // namespace kandelo::core
