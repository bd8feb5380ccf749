#include "core/blanks.h"

#include <array>

namespace kandelo::core {

namespace {

constexpr std::array<std::string_view, 3> WideBlanks{"\u3000", "\u00A0", "\u202F"};

// The length of the white space character at the end of text, 0 for none.
std::size_t trailingBlankLength(std::string_view text)
{
    if (text.empty())
        return 0;
    if (blankLength(text.substr(text.size() - 1)) == 1)
        return 1;
    for (const std::string_view blank : WideBlanks)
        if (text.ends_with(blank))
            return blank.size();
    return 0;
}

} // namespace

std::size_t blankLength(std::string_view text)
{
    if (text.empty())
        return 0;
    switch (text.front()) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':
    case '\v':
    case '\f':
        return 1;
    default:
        break;
    }
    for (const std::string_view blank : WideBlanks)
        if (text.starts_with(blank))
            return blank.size();
    return 0;
}

std::string_view trimmedBlanks(std::string_view text)
{
    while (const std::size_t length = blankLength(text))
        text.remove_prefix(length);
    while (const std::size_t length = trailingBlankLength(text))
        text.remove_suffix(length);
    return text;
}

} // namespace kandelo::core
