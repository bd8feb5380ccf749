#include "core/display_pattern.h"

#include "core/decimal.h"
#include "core/plain_number.h"
#include "core/utf8.h"

#include <algorithm>
#include <stdexcept>

namespace kandelo::core {

namespace {

bool isDigitPlace(char c)
{
    return c == '#' || c == '0';
}

struct NumberPattern {
    int minWholeDigits = 0;
    int decimals = 0;
    bool grouping = false;
};

NumberPattern parsePattern(std::string_view pattern)
{
    NumberPattern p;
    const auto point = pattern.find('.');
    const auto whole = pattern.substr(0, point);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] == '0')
            ++p.minWholeDigits;
        else if (whole[i] == ',')
            p.grouping = p.grouping
                || (i > 0 && isDigitPlace(whole[i - 1]) && i + 1 < whole.size() && isDigitPlace(whole[i + 1]));
        else if (whole[i] != '#')
            throw std::invalid_argument("unsupported display pattern");
    }
    if (point != std::string_view::npos) {
        for (const char c : pattern.substr(point + 1)) {
            if (!isDigitPlace(c))
                throw std::invalid_argument("unsupported display pattern");
            ++p.decimals;
        }
    }
    return p;
}

std::string groupThousands(const std::string& digits)
{
    std::string grouped;
    const auto n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

std::string formatNumber(double x, std::string_view pattern)
{
    if (pattern.empty())
        return plainNumberText(x);

    const NumberPattern p = parsePattern(pattern);
    const Decimal d = Decimal::shortest(x).rounded(p.decimals, Tie::AwayFromZero);

    std::string whole = d.integerDigits();
    if (whole == "0")
        whole.clear();
    if (static_cast<int>(whole.size()) < p.minWholeDigits)
        whole.insert(0, static_cast<std::size_t>(p.minWholeDigits) - whole.size(), '0');

    // A negative value keeps its minus sign even where it rounds to zero: -0.004 is "-0.00".
    std::string text = x < 0 ? "-" : "";
    text += p.grouping ? groupThousands(whole) : whole;
    if (p.decimals > 0)
        text += '.' + d.fractionDigits(p.decimals);
    return text;
}

std::string groupedNumberText(double x)
{
    const std::string plain = plainNumberText(x);
    const std::size_t start = plain.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(plain.find('.'), plain.size());
    return plain.substr(0, start) + groupThousands(plain.substr(start, point - start)) + plain.substr(point);
}

std::string placeholderPattern(int width)
{
    return std::string(static_cast<std::size_t>(std::max(width, 0)), '@');
}

std::string formatText(std::string_view text, std::string_view placeholders)
{
    const auto width = placeholders.size();
    const auto length = characterCount(text);
    std::string aligned(length < width ? width - length : 0, ' ');
    aligned += text;
    return aligned;
}

} // namespace kandelo::core
