#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kandelo::core {

enum class Tie { AwayFromZero, ToEven };

// A finite double written as decimal digits, so that roundings and number
// texts work on the digits a person reads (2.675 is 2.675, not 2.67499999…).
// The digits live inline: a double needs at most 17, a rounding one more.
class Decimal {
public:
    // The shortest digits that read back as x. Raises ArithmeticError for a
    // value that is infinite or not a number.
    static Decimal shortest(double x);
    // x rounded to at most `significant` significant digits.
    static Decimal significant(double x, int significant);

    bool isZero() const noexcept { return count_ == 0; }
    bool isNegative() const noexcept { return negative_; }
    int significantDigits() const noexcept { return count_; }
    Decimal rounded(int decimals, Tie tie) const;

    std::string integerDigits() const;              // "0" when the whole part is 0
    std::string fractionDigits(int decimals) const; // exactly `decimals` digits, padded with zeros
    std::string plainText() const;                  // no exponent, no grouping
    double toDouble() const;

private:
    static Decimal fromScientific(std::string_view text);
    std::string_view digits() const noexcept { return {digits_.data(), static_cast<std::size_t>(count_)}; }
    char digitAt(int index) const noexcept
    {
        return index >= 0 && index < count_ ? digits_[static_cast<std::size_t>(index)] : '0';
    }
    void dropTrailingZeros() noexcept;

    bool negative_ = false;
    std::array<char, 24> digits_{}; // significant digits without leading or trailing zeros
    int count_ = 0;                 // 0 for zero
    int pointPos_ = 0;              // value = 0.digits × 10^pointPos
};

} // namespace kandelo::core
