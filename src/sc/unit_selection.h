#pragma once

#include "pf/pf_calc.h"
#include "program/calculation.h"
#include "sc/sizing_calc.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// From the required capacity to an order: the standard unit of each
// frequency, its ratings, the power factor it gives, and what it saves on the
// basic charge.

namespace kandelo::sc {

// The standard equipment capacities (定格設備容量) of a capacitor with its
// series reactor, in kvar, as makers' catalogues after JIS C 4902-1 (high
// voltage) and JIS C 4901 (low voltage) list them. The five smallest are one
// unit rated at both frequencies (10/12 … 30/36 kvar); from 50 kvar up a
// unit is made for each frequency.
using Series = std::array<double, 14>;
inline constexpr Series Series50Hz{10, 15, 20, 25, 30, 50, 75, 100, 150, 200, 250, 300, 400, 500};
inline constexpr Series Series60Hz{12, 18, 24, 30, 36, 50, 75, 100, 150, 200, 250, 300, 400, 500};

// The units that cover a required capacity: the smallest of the series that
// is at least as large; beyond the largest, as many of the largest as fit and
// the smallest that covers the rest (1,180 kvar: 500×2＋200; 990 kvar: 500×2).
// The units cover the required capacity to within CoverTolerance of it, the
// last digits of a double's, so that one worked out as 10.000000000000002 is
// the 10 it stands for.
inline constexpr double CoverTolerance = 1e-12;
struct StandardUnits {
    double largest = 0;      // the largest unit of the series
    double largestCount = 0; // how many of them
    std::optional<double> rest;

    double total() const { return largest * largestCount + rest.value_or(0); }
};
// Nothing when nothing is required. Raises core::ArithmeticError (Overflow)
// for a capacity whose units no longer count exactly: one within a largest
// unit of 2⁵³ kvar or beyond.
std::optional<StandardUnits> standardUnits(double requiredKvar, const Series& series);
// The units that stay within a capacity, as large as they can: as many of
// the largest unit as fit and the largest unit of the series within the
// rest, to within CoverTolerance as above (990 kvar: 500＋400; 9 kvar at
// 50 Hz: none). Nothing when not even the smallest unit fits. Raises
// core::ArithmeticError (Overflow) as standardUnits does.
std::optional<StandardUnits> unitsWithin(double kvar, const Series& series);

// The units as the selection window writes them: their total ("1,200") and
// what they are made of ("500×2＋200").
std::string unitTotalText(const StandardUnits& units);
std::string compositionText(const StandardUnits& units);

using program::SelectionInputs;

// A power factor the unit gives, as the power-factor screen writes one.
struct PfWithUnit {
    double intPf = 0;
    std::string text; // "0.00"
    pf::Phase phase = pf::Phase::Lag;
};
// The power factor at the average powers p and q with units of `unitKvar`
// kvar in service. Raises core::ArithmeticError when it cannot be worked out.
PfWithUnit pfWithUnit(double p, double q, double unitKvar);

struct FrequencySelection {
    std::optional<StandardUnits> units; // nothing when nothing is required
    std::string total;                  // "1,200"
    std::string composition;            // "500×2＋200", "50"
    std::string capacitorRating;        // of each unit, with the reactor of lblL: "532×2＋213"
    std::string reactorRating;          // "31.9×2＋12.8"
    std::optional<PfWithUnit> pf;       // at the average powers of the sizing
    std::optional<PfWithUnit> lightLoadPf;
    std::optional<double> monthlySaving; // whole yen
    std::optional<double> yearlySaving;  // twelve times the month's
};

// A figure the selection was given, as the report lists it beside what it gives.
struct GivenFigure {
    std::string_view caption;
    std::string value; // as the program writes numbers: "1,800"
};

struct UnitSelection {
    std::string reactor;                           // lblL, which the ratings follow
    std::array<FrequencySelection, 2> frequencies; // 50 Hz, 60 Hz
    std::vector<GivenFigure> given;                // the figures typed and taken, in the window's order
    std::vector<std::string> problems;             // what is wrong with what was typed, each said once
};

// The selection for the sizing's load (the required capacity before its
// rounding and the average powers), the present power factor intPf, the
// reactor of lblL, and what was typed. A figure whose input is missing is
// left out; one whose input is no number is left out with a problem. The
// units' ratings are left to rateUnits.
UnitSelection selectUnits(const LoadTexts& load, double intPf, std::string_view lblL, const SelectionInputs& inputs);
// The capacitor's and the reactor's ratings of each unit chosen, for the
// reactor of the selection.
void rateUnits(UnitSelection& selection);

// What the selection warns of, frequency by frequency ("50Hz：…"): a unit
// that over-compensates, at the average powers or at light load, or none to
// order.
std::vector<std::string> warningsOf(const UnitSelection& selection);

// Whether a power factor with the unit over-compensates: leading and below
// 99.5 %, from where the power-factor screen itself counts it as 100 %.
bool overCompensates(const PfWithUnit& pf);

// Yen as the window and the report write them: "21,600円".
std::string yenText(double yen);

// A power factor with the unit as the window and the report show it: "96.09 Lag".
std::string pfWithUnitText(const PfWithUnit& pf);
// As the batch writes it: " Lead" appended when leading.
std::string pfWithUnitCell(const PfWithUnit& pf);

} // namespace kandelo::sc
