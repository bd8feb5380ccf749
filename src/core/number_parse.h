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

// A figure as typed or pasted into a field of the program's newer windows,
// which take numbers as the program writes them: white space of any kind
// around it ignored (a cell copied from a spreadsheet brings a line break),
// an optional minus sign, digits grouped by thousands with commas or not, and
// at most one decimal point: "1800", "1,800", " 1,512.5\n", "-20".
struct TypedNumber {
    enum class Kind {
        Empty,        // nothing but white space
        Number,       // value holds it
        NotHalfWidth, // no half-width number at all: letters, full-width digits
        OtherForm,    // half-width digits and marks, in a form not taken: "1e3", "+5", "1,80"
        TooLarge,     // beyond the range of a double
        TooSmall      // a decimal too small to tell from 0
    };
    Kind kind = Kind::Empty;
    double value = 0.0;
};
TypedNumber readTypedNumber(std::string_view typed);

} // namespace kandelo::core
