#pragma once

#include "pf/pf_calc.h"

// The basic charge under the supply terms' power-factor rule: unit price ×
// contract demand × (185 − power factor) / 100, 1 % off for each point above
// 85 % and 1 % more for each point below.

namespace kandelo::sc {

// The power factor the basic charge is worked out from, as the supply terms
// state it: a whole percent, rounded half up (四捨五入), at most 100; a leading
// power factor counts as 100.
double tariffPercent(double intPf, pf::Phase phase);

// What the basic charge changes by a month, in whole yen (rounded as the
// program writes yen), when the power factor goes from tariffPercent
// `present` to `after`: unit price × contract demand × (after − present) / 100.
// Raises core::ArithmeticError when it is too large to work out.
double monthlySavingYen(double unitPrice, double contractKw, double present, double after);

} // namespace kandelo::sc
