#pragma once

#include <string>
#include <string_view>

namespace kandelo::program {

// What a caption names, as a report's row or a column's heading names it:
// the caption without the full-width colon and the blanks (ordinary or
// ideographic) that lead from it to its value: "積算時間（H）　　：" names
// "積算時間（H）".
std::string labelOf(std::string_view caption);

// A text with each run of blanks made one ordinary space, and none at either
// end: "力率改善のメリット   電流   " gives "力率改善のメリット 電流".
std::string withSingleBlanks(std::string_view text);

} // namespace kandelo::program
