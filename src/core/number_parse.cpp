#include "core/number_parse.h"

#include "core/blanks.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace kandelo::core {

namespace {

// Only the ordinary space is skipped around a number; a tab is no space here.
bool isSpace(char c)
{
    return c == ' ';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

enum class Signs { Minus, PlusOrMinus };

// Length of the number at the start of text, 0 when there is none.
std::size_t numberLength(std::string_view text, Signs signs = Signs::Minus)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || (signs == Signs::PlusOrMinus && text[i] == '+')))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    return digits ? i : 0;
}

struct Conversion {
    double value = 0.0;
    bool outOfRange = false;
};

Conversion convert(std::string_view number)
{
    Conversion c;
    const auto result =
        std::from_chars(number.data(), number.data() + number.size(), c.value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        c.outOfRange = true;
        // Too large when the whole part has a digit other than 0; otherwise too small to tell from 0.
        const bool negative = number.front() == '-';
        const auto whole = number.substr(negative ? 1 : 0, number.find('.') - (negative ? 1 : 0));
        const bool large = whole.find_first_not_of('0') != std::string_view::npos;
        const double magnitude = large ? std::numeric_limits<double>::infinity() : 0.0;
        c.value = negative ? -magnitude : magnitude;
    }
    return c;
}

std::string_view skipSpaces(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trimSpaces(std::string_view text)
{
    text = skipSpaces(text);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The number without its grouping commas when text is a number grouped by
// thousands: one to three digits, then groups of three after each comma, up
// to the decimal point. Nothing when a comma stands elsewhere.
std::optional<std::string> withoutGrouping(std::string_view text)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::string(text);
    const std::size_t start = text.front() == '-' ? 1 : 0;
    const std::size_t end = std::min(text.find('.'), text.size());
    if (comma == start || comma - start > 3 || comma > end)
        return std::nullopt;
    std::string plain(text.substr(0, comma));
    for (std::size_t at = comma; at < end; at += 4) {
        if (text[at] != ',' || at + 4 > end)
            return std::nullopt;
        const std::string_view group = text.substr(at + 1, 3);
        if (group.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        plain += group;
    }
    plain += text.substr(end);
    return plain;
}

} // namespace

TypedNumber readTypedNumber(std::string_view typed)
{
    using Kind = TypedNumber::Kind;
    const std::string_view text = trimmedBlanks(typed);
    if (text.empty())
        return {};
    // Digits with other marks of a number are a form not taken; letters
    // and anything full width are no number at all.
    const bool numberMarks = text.find_first_not_of("0123456789+-.,eE ") == std::string_view::npos;
    if (!numberMarks || std::none_of(text.begin(), text.end(), isDigit))
        return {Kind::NotHalfWidth};
    const auto plain = withoutGrouping(text);
    if (!plain || numberLength(*plain) != plain->size())
        return {Kind::OtherForm};
    const Conversion c = convert(*plain);
    if (!c.outOfRange)
        return {Kind::Number, c.value};
    return {c.value == 0 ? Kind::TooSmall : Kind::TooLarge};
}

double leadingNumber(std::string_view text)
{
    text = skipSpaces(text);
    const auto length = numberLength(text);
    return length == 0 ? 0.0 : convert(text.substr(0, length)).value;
}

std::optional<double> parseNumber(std::string_view text)
{
    text = trimSpaces(text);
    const auto length = numberLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    const auto c = convert(text);
    if (c.outOfRange)
        return std::nullopt;
    return c.value;
}

std::optional<double> parseSignedNumber(std::string_view text)
{
    text = trimSpaces(text);
    const auto length = numberLength(text, Signs::PlusOrMinus);
    if (length == 0 || length != text.size())
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    return convert(text).value;
}

} // namespace kandelo::core
