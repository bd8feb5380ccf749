#pragma once

#include <string>
#include <string_view>

namespace kandelo::sc {

// RoundByMagnitude: rounds x in place to a precision that suits its size and
// leaves the matching display pattern in strFormat; returns the new x.
//   from 1000: three significant digits   "#,###,0"
//   from 100:  whole numbers              "#,###,0"
//   from 10:   one decimal                "#,###,0.0"
//   from 1:    two decimals               "#,###,0.00"
//   from 0:    three decimals             "#,###,0.000"
// The case is chosen by x rounded half-even to three decimals; the rounding
// itself adds one half and cuts toward zero. A negative x that this chooser
// rounds to zero takes the last case (−0.0004 becomes 0, "#,###,0.000"); any
// lower x is left as it is and strFormat keeps its pattern. Raises
// core::ArithmeticError on overflow.
double RoundByMagnitude(double& x, std::string& strFormat);

// Rounds x in place by magnitude and writes it with the pattern that this
// rounding chose, as every figure of the sizing screen is shown.
std::string roundedText(double& x, std::string& strFormat);

// AlignRight: t right-aligned in w character positions; a longer t unchanged.
std::string AlignRight(int w, std::string_view t);

} // namespace kandelo::sc
