#pragma once

#include <string>
#include <string_view>

namespace kandelo::core {

// Formats x with a display pattern such as "##,##0.00", "0.00" or "#,###,0.000".
// "#" and "0" are digit places, "0" one that is always written; a comma between
// digit places groups the whole part by thousands; the point starts the
// decimals. The value is rounded half away from zero on its shortest decimal
// text, so 2.675 with "0.00" gives 2.68; a negative value keeps its minus sign
// even where it rounds to zero. The empty pattern gives the plain
// number text. Raises ArithmeticError for a value that is infinite or not a number.
std::string formatNumber(double x, std::string_view pattern);

// The plain number text of x (up to 15 significant digits, as many decimals
// as it has) with its whole part grouped by thousands: "1,800", "1,512.5".
std::string groupedNumberText(double x);

// The pattern of `width` character placeholders ("@@@@"), empty for width <= 0.
std::string placeholderPattern(int width);

// text right-aligned in as many character positions as the placeholder pattern
// has, filled with ordinary spaces on the left; a longer text is returned unchanged.
std::string formatText(std::string_view text, std::string_view placeholders);

} // namespace kandelo::core
