#include "core/decimal.h"

#include "core/arithmetic_error.h"
#include "core/checked.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace kandelo::core {

// Reads the output of std::to_chars in scientific form, "-d.ddde+XX".
Decimal Decimal::fromScientific(std::string_view text)
{
    Decimal d;
    if (text.front() == '-') {
        d.negative_ = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    int leadingZeros = 0;
    for (const char c : text.substr(0, e)) {
        if (c == '.')
            continue;
        if (d.count_ == 0 && c == '0') {
            ++leadingZeros;
            continue;
        }
        d.digits_[static_cast<std::size_t>(d.count_++)] = c;
    }
    if (d.count_ == 0)
        return Decimal{};
    int exponent = 0;
    const char* first = text.data() + e + 1;
    if (*first == '+')
        ++first;
    std::from_chars(first, text.data() + text.size(), exponent);
    d.pointPos_ = exponent + 1 - leadingZeros;
    d.dropTrailingZeros();
    return d;
}

namespace {

template <typename... Precision> std::string_view scientific(double x, char (&buffer)[64], Precision... precision)
{
    checked::finite(x);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, precision...);
    return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

} // namespace

Decimal Decimal::shortest(double x)
{
    // A whole number below 2^53 is its own shortest digits: no other number
    // with fewer digits lies within half a step of it. Most figures are whole,
    // and this spares writing them out and reading them back.
    constexpr double ExactWholes = 9007199254740992.0;
    if (x == std::trunc(x) && std::fabs(x) < ExactWholes) {
        Decimal d;
        if (x == 0)
            return d;
        d.negative_ = x < 0;
        char reversed[20];
        int length = 0;
        for (auto n = static_cast<unsigned long long>(std::fabs(x)); n > 0; n /= 10)
            reversed[length++] = static_cast<char>('0' + n % 10);
        d.pointPos_ = length;
        while (length > 0)
            d.digits_[static_cast<std::size_t>(d.count_++)] = reversed[--length];
        d.dropTrailingZeros();
        return d;
    }
    char buffer[64];
    return fromScientific(scientific(x, buffer));
}

Decimal Decimal::significant(double x, int significant)
{
    char buffer[64];
    return fromScientific(scientific(x, buffer, significant - 1));
}

void Decimal::dropTrailingZeros() noexcept
{
    while (count_ > 0 && digits_[static_cast<std::size_t>(count_ - 1)] == '0')
        --count_;
    if (count_ == 0)
        *this = Decimal{};
}

Decimal Decimal::rounded(int decimals, Tie tie) const
{
    const int keep = pointPos_ + decimals;
    if (keep >= count_)
        return *this;
    if (keep < 0)
        return Decimal{};

    const char next = digitAt(keep);
    const bool moreAfterNext = keep + 1 < count_;
    const bool lastKeptOdd = keep > 0 && (digitAt(keep - 1) - '0') % 2 == 1;
    const bool up =
        tie == Tie::AwayFromZero ? next >= '5' : next > '5' || (next == '5' && (moreAfterNext || lastKeptOdd));

    Decimal r = *this;
    r.count_ = keep;
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && r.digits_[static_cast<std::size_t>(i)] == '9'; --i)
            r.digits_[static_cast<std::size_t>(i)] = '0';
        if (i < 0) {
            std::copy_backward(r.digits_.begin(), r.digits_.begin() + keep, r.digits_.begin() + keep + 1);
            r.digits_[0] = '1';
            ++r.count_;
            ++r.pointPos_;
        } else {
            ++r.digits_[static_cast<std::size_t>(i)];
        }
    }
    r.dropTrailingZeros();
    return r;
}

std::string Decimal::integerDigits() const
{
    if (pointPos_ <= 0)
        return "0";
    std::string whole(static_cast<std::size_t>(pointPos_), '0');
    std::copy_n(digits_.begin(), std::min(pointPos_, count_), whole.begin());
    return whole;
}

std::string Decimal::fractionDigits(int decimals) const
{
    std::string fraction(static_cast<std::size_t>(std::max(decimals, 0)), '0');
    for (int i = 0; i < decimals; ++i)
        fraction[static_cast<std::size_t>(i)] = digitAt(pointPos_ + i);
    return fraction;
}

std::string Decimal::plainText() const
{
    if (isZero())
        return "0";
    std::string text = negative_ ? "-" : "";
    text += integerDigits();
    const int decimals = count_ - pointPos_;
    if (decimals > 0)
        text += '.' + fractionDigits(decimals);
    return text;
}

double Decimal::toDouble() const
{
    if (isZero())
        return 0.0;
    char text[48];
    char* end = text;
    if (negative_)
        *end++ = '-';
    end = std::copy_n(digits_.begin(), count_, end);
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, pointPos_ - count_).ptr;
    double value = 0.0;
    if (std::from_chars(text, end, value).ec != std::errc{})
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return value;
}

} // namespace kandelo::core
