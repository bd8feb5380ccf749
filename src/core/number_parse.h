#pragma once

#include <optional>
#include <string_view>

// Reading numbers out of what the user typed. A number here is an optional
// minus sign, then digits with at most one decimal point (".5" and "5." count),
// in half-width characters: no digit grouping, no exponent, no plus sign.
// Only ordinary spaces count as spaces.

namespace kandelo::core {

// The number at the start of text: leading spaces are skipped and whatever
// follows the number is ignored. A text that does not begin with a number
// gives 0. A number beyond the range of a double gives an infinity.
double leadingNumber(std::string_view text);

// The value when the whole text, apart from leading and trailing spaces, is a
// number that a double can hold; nothing otherwise.
std::optional<double> parseNumber(std::string_view text);

// The value when the whole text, apart from leading and trailing spaces, is a
// number that may also carry a plus sign; nothing otherwise. A number beyond
// the range of a double reads as an infinity, one too small to tell from zero
// as zero, so the caller decides what such a number means.
std::optional<double> parseSignedNumber(std::string_view text);

} // namespace kandelo::core
