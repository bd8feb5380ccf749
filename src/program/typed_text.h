#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kandelo::program {

// The most characters a free-text field takes (a customer, a site, a person
// in charge), as a form on paper would.
inline constexpr std::size_t MaxTypedTextLength = 100;

// Free text as a field holds it, on one line: each tab and each line break
// (CR LF, CR or LF) one space, so that it stays one line of a page and one
// cell of a table.
std::string oneLine(std::string_view typed);

// Free text as the program uses it: one line, without white space at either
// end, empty when nothing else is left, and at most MaxTypedTextLength
// characters.
std::string typedText(std::string_view typed);

} // namespace kandelo::program
