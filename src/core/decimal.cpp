#include "core/decimal.h"

#include "core/arithmetic_error.h"
#include "core/checked.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace kandelo::core {

namespace {

// Reads the output of std::to_chars in scientific form, "-d.ddde+XX".
Decimal fromScientific(std::string_view text)
{
    Decimal d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    std::string mantissa;
    for (const char c : text.substr(0, e))
        if (c != '.')
            mantissa += c;
    int exponent = 0;
    const auto exponentText = text.substr(e + 1);
    const char* first = exponentText.data();
    if (*first == '+')
        ++first;
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);

    const auto lead = mantissa.find_first_not_of('0');
    if (lead == std::string::npos)
        return Decimal{};
    const auto last = mantissa.find_last_not_of('0');
    d.digits = mantissa.substr(lead, last - lead + 1);
    d.pointPos = exponent + 1 - static_cast<int>(lead);
    return d;
}

template <typename... Precision>
Decimal convert(double x, Precision... precision)
{
    checked::finite(x);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, precision...);
    return fromScientific(std::string_view(buffer, result.ptr));
}

} // namespace

Decimal Decimal::shortest(double x) { return convert(x); }

Decimal Decimal::significant(double x, int significant) { return convert(x, significant - 1); }

Decimal Decimal::rounded(int decimals, Tie tie) const
{
    const int keep = pointPos + decimals;
    if (keep >= static_cast<int>(digits.size()))
        return *this;
    if (keep < 0)
        return Decimal{};

    const char next = digits[static_cast<std::size_t>(keep)];
    const bool moreAfterNext = keep + 1 < static_cast<int>(digits.size());
    const bool lastKeptOdd = keep > 0 && (digits[static_cast<std::size_t>(keep - 1)] - '0') % 2 == 1;
    const bool up = tie == Tie::AwayFromZero ? next >= '5'
                                             : next > '5' || (next == '5' && (moreAfterNext || lastKeptOdd));

    Decimal r{negative, digits.substr(0, static_cast<std::size_t>(keep)), pointPos};
    if (up) {
        auto it = r.digits.rbegin();
        for (; it != r.digits.rend() && *it == '9'; ++it)
            *it = '0';
        if (it == r.digits.rend()) {
            r.digits.insert(r.digits.begin(), '1');
            ++r.pointPos;
        } else {
            ++*it;
        }
    }
    const auto last = r.digits.find_last_not_of('0');
    r.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (r.isZero())
        return Decimal{};
    return r;
}

std::string Decimal::integerDigits() const
{
    if (pointPos <= 0)
        return "0";
    std::string whole = digits.substr(0, static_cast<std::size_t>(std::min<int>(pointPos, static_cast<int>(digits.size()))));
    whole.append(static_cast<std::size_t>(std::max<int>(0, pointPos - static_cast<int>(digits.size()))), '0');
    return whole;
}

std::string Decimal::fractionDigits(int decimals) const
{
    std::string fraction;
    for (int i = 0; i < decimals; ++i) {
        const int index = pointPos + i;
        fraction += index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
    }
    return fraction;
}

std::string Decimal::plainText() const
{
    if (isZero())
        return "0";
    std::string text = negative ? "-" : "";
    text += integerDigits();
    const int decimals = static_cast<int>(digits.size()) - pointPos;
    if (decimals > 0)
        text += '.' + fractionDigits(decimals);
    return text;
}

double Decimal::toDouble() const
{
    if (isZero())
        return 0.0;
    const std::string text = (negative ? "-" : "") + digits + 'e' + std::to_string(pointPos - static_cast<int>(digits.size()));
    double value = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{})
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return value;
}

} // namespace kandelo::core
