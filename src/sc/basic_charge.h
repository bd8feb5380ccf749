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

// A rule of the basic charge by the power factor: from the basis (85 % in
// the supply terms), `step` per cent of the basic charge off for each point
// above it and more for each point below.
struct PowerFactorRule {
    double basis = 85;
    double step = 1;
};

// The basic charge, in per cent of what it is without the rule, at the
// tariffPercent `percent`: 100 − (percent − basis) × step; 185 − percent
// under the supply terms.
double basicChargePercent(const PowerFactorRule& rule, double percent);

// What the basic charge changes by a month, in whole yen (rounded as the
// program writes yen), when the power factor goes from tariffPercent
// `present` to `after`: unit price × contract demand × (after − present) ×
// step / 100. Raises core::ArithmeticError when it is too large to work out.
double monthlySavingYen(double unitPrice, double contractKw, double present, double after, double step = 1);

} // namespace kandelo::sc
