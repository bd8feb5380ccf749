#pragma once

#include <string_view>

namespace kandelo::core {

// A text without the white space at either end: spaces, tabs, line breaks,
// ideographic spaces and no-break spaces.
std::string_view trimmedBlanks(std::string_view text);

// The length of the white space character at the start of text, 0 for none.
std::size_t blankLength(std::string_view text);

} // namespace kandelo::core
