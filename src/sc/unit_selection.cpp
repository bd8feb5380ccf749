#include "sc/unit_selection.h"

#include "core/arithmetic_error.h"
#include "core/checked.h"
#include "core/display_pattern.h"
#include "core/number_parse.h"
#include "sc/basic_charge.h"
#include "sc/capacitance_calc.h"
#include "sc/captions.h"

#include <algorithm>
#include <cmath>

namespace kandelo::sc {

namespace {

namespace checked = core::checked;

constexpr std::string_view Times = "×";
constexpr std::string_view Plus = "＋";
// Every whole number up to 2⁵³ is a double of its own.
constexpr double LargestExactWhole = 9007199254740992.0;
// From here the power-factor screen counts a power factor as 100 %.
constexpr double CountedAsFull = 99.5;

// A whole number, grouped by thousands: a capacity in kvar, a count of units.
std::string whole(double x)
{
    return core::formatNumber(x, "#,##0");
}

// A text for the units, from the texts of the largest unit and of the rest: "a×n＋b".
std::string composed(const StandardUnits& units, const std::string& largest, const std::string& rest)
{
    std::string out;
    if (units.largestCount > 0) {
        out = largest;
        if (units.largestCount > 1)
            out += std::string(Times) + whole(units.largestCount);
    }
    if (units.rest) {
        if (!out.empty())
            out += Plus;
        out += rest;
    }
    return out;
}

// The capacitor's and the reactor's ratings of a unit, as CalcReactorRating
// works them out for a capacity of that size.
ReactorTexts ratingsOf(double unit, std::string_view lblL)
{
    SizingState state;
    state.dblScKvar = unit;
    return reactorRating(state, lblL);
}

// The ratings of each unit of a frequency.
void rate(FrequencySelection& chosen, std::string_view lblL)
{
    const StandardUnits& units = *chosen.units;
    const ReactorTexts largest = units.largestCount > 0 ? ratingsOf(units.largest, lblL) : ReactorTexts{};
    const ReactorTexts rest = units.rest ? ratingsOf(*units.rest, lblL) : ReactorTexts{};
    chosen.capacitorRating = composed(units, largest.txtScKvar2, rest.txtScKvar2);
    chosen.reactorRating = composed(units, largest.txtLKvar, rest.txtLKvar);
}

void addProblem(std::vector<std::string>& problems, std::string problem)
{
    if (std::find(problems.begin(), problems.end(), problem) == problems.end())
        problems.push_back(std::move(problem));
}

enum class Least { Any, Zero, AboveZero };

// What is wrong with a figure as typed, or nothing.
std::optional<std::string_view> problemOf(const core::TypedNumber& typed, Least least)
{
    using Kind = core::TypedNumber::Kind;
    switch (typed.kind) {
    case Kind::Empty:
        return std::nullopt;
    case Kind::Number:
        break;
    case Kind::NotHalfWidth:
        return NotAHalfWidthNumber;
    case Kind::OtherForm:
        return NotAFormTaken;
    case Kind::TooLarge:
        return NumberTooLarge;
    case Kind::TooSmall:
        return NumberTooSmall;
    }
    if (least == Least::Zero && typed.value < 0)
        return NotBelowZero;
    if (least == Least::AboveZero && typed.value <= 0)
        return AboveZero;
    return std::nullopt;
}

// A figure as typed: nothing when it is left empty, and nothing with a
// problem when it is no number the window takes or below its least. One
// taken is listed among the figures given.
std::optional<double> figure(std::string_view typed, std::string_view caption, Least least, UnitSelection& selection)
{
    const core::TypedNumber number = core::readTypedNumber(typed);
    if (const auto problem = problemOf(number, least)) {
        addProblem(selection.problems, std::string(caption) + "：" + std::string(*problem));
        return std::nullopt;
    }
    if (number.kind == core::TypedNumber::Kind::Empty)
        return std::nullopt;
    selection.given.push_back({caption, core::groupedNumberText(number.value)});
    return number.value;
}

// Raises core::ArithmeticError (Overflow) for a capacity whose units no
// longer count exactly.
void checkCountable(double kvar, const Series& series)
{
    if (!(kvar <= LargestExactWhole - series.back()))
        throw core::ArithmeticError(core::ArithmeticError::Kind::Overflow);
}

// A capacity as whole largest units and what is left of it, 0 up to below
// one largest unit.
struct ByLargest {
    double count;
    double rest;
};

ByLargest byLargest(double kvar, double largest)
{
    // The count's units are a whole number below 2⁵³ and at least half the
    // capacity, so the rest is exact; a quotient rounded up to the next whole
    // number leaves it below 0.
    ByLargest split{std::floor(kvar / largest), 0};
    split.rest = kvar - split.count * largest;
    if (split.rest < 0) {
        --split.count;
        split.rest += largest;
    }
    return split;
}

// A rest that is the largest unit itself is one more of it.
void foldLargestRest(StandardUnits& units)
{
    if (units.rest == units.largest) {
        ++units.largestCount;
        units.rest.reset();
    }
}

} // namespace

std::optional<StandardUnits> standardUnits(double requiredKvar, const Series& series)
{
    if (!(requiredKvar > 0))
        return std::nullopt;
    checkCountable(requiredKvar, series);
    StandardUnits units;
    units.largest = series.back();
    // What the units must at least total.
    const double need = requiredKvar - requiredKvar * CoverTolerance;
    // What is left to cover is never above the largest unit, so the lower
    // bound always lies within the series.
    const auto smallestCovering = [&series](
                                      double kvar) { return *std::lower_bound(series.begin(), series.end(), kvar); };
    if (need <= units.largest) {
        units.rest = smallestCovering(need);
        return units;
    }
    const auto [count, rest] = byLargest(need, units.largest);
    units.largestCount = count;
    if (rest > 0)
        units.rest = smallestCovering(rest);
    foldLargestRest(units);
    return units;
}

std::optional<StandardUnits> unitsWithin(double kvar, const Series& series)
{
    if (!(kvar > 0))
        return std::nullopt;
    checkCountable(kvar, series);
    StandardUnits units;
    units.largest = series.back();
    // What the units may at most total.
    const double room = kvar + kvar * CoverTolerance;
    const auto [count, rest] = byLargest(room, units.largest);
    units.largestCount = count;
    const auto within = std::upper_bound(series.begin(), series.end(), rest);
    if (within != series.begin())
        units.rest = *(within - 1);
    foldLargestRest(units);
    if (units.largestCount == 0 && !units.rest)
        return std::nullopt;
    return units;
}

std::string unitTotalText(const StandardUnits& units)
{
    return whole(units.total());
}

std::string compositionText(const StandardUnits& units)
{
    return composed(units, whole(units.largest), units.rest ? whole(*units.rest) : "");
}

PfWithUnit pfWithUnit(double p, double q, double unitKvar)
{
    const double kvar = checked::sub(q, unitKvar);
    const double intPf = pf::powerFactor(p, kvar);
    return {intPf, core::formatNumber(intPf, "0.00"), kvar < 0 ? pf::Phase::Lead : pf::Phase::Lag};
}

UnitSelection selectUnits(const LoadTexts& load, double intPf, std::string_view lblL, const SelectionInputs& inputs)
{
    UnitSelection selection;
    selection.reactor = lblL;
    const auto lightKw = figure(inputs.lightKw, LightLoadKwCaption, Least::AboveZero, selection);
    const auto lightKvar = figure(inputs.lightKvar, LightLoadKvarCaption, Least::Any, selection);
    const auto contract = figure(inputs.contractKw, ContractCaption, Least::Zero, selection);
    const auto price = figure(inputs.unitPrice, UnitPriceCaption, Least::Zero, selection);
    if (!load.requiredKvar)
        return selection;

    const std::array<const Series*, 2> series{&Series50Hz, &Series60Hz};
    for (std::size_t at = 0; at < series.size(); ++at) {
        FrequencySelection& chosen = selection.frequencies[at];
        try {
            chosen.units = standardUnits(*load.requiredKvar, *series[at]);
        } catch (const core::ArithmeticError&) {
            addProblem(selection.problems, std::string(TooLargeToWorkOut));
            continue;
        }
        // From 50 kvar up the two series are one: what follows is the same for both.
        const FrequencySelection& first = selection.frequencies[0];
        if (at > 0 && chosen.units && first.units && first.units->total() == chosen.units->total()) {
            chosen = first;
            continue;
        }
        const double unit = chosen.units ? chosen.units->total() : 0;
        if (chosen.units) {
            chosen.total = unitTotalText(*chosen.units);
            chosen.composition = compositionText(*chosen.units);
        }
        try {
            if (load.p && load.q)
                chosen.pf = pfWithUnit(*load.p, *load.q, unit);
            if (lightKw && lightKvar)
                chosen.lightLoadPf = pfWithUnit(*lightKw, *lightKvar, unit);
            if (contract && price && chosen.pf) {
                const double monthly = monthlySavingYen(*price, *contract, tariffPercent(intPf, pf::Phase::Lag),
                    tariffPercent(chosen.pf->intPf, chosen.pf->phase));
                chosen.yearlySaving = checked::mul(monthly, 12);
                chosen.monthlySaving = monthly;
            }
        } catch (const core::ArithmeticError&) {
            addProblem(selection.problems, std::string(TooLargeToWorkOut));
        }
    }
    return selection;
}

void rateUnits(UnitSelection& selection)
{
    for (FrequencySelection& chosen : selection.frequencies)
        if (chosen.units)
            rate(chosen, selection.reactor);
}

bool overCompensates(const PfWithUnit& pf)
{
    return pf.phase == pf::Phase::Lead && pf.intPf < CountedAsFull;
}

std::vector<std::string> warningsOf(const UnitSelection& selection)
{
    std::vector<std::string> warnings;
    for (std::size_t at = 0; at < selection.frequencies.size(); ++at) {
        const FrequencySelection& chosen = selection.frequencies[at];
        const std::string frequency = std::string(CatalogueFrequencies[at]) + "：";
        if (!chosen.units && chosen.pf)
            warnings.push_back(frequency + std::string(NothingToOrder));
        if (chosen.pf && overCompensates(*chosen.pf))
            warnings.push_back(frequency + std::string(OverCompensates));
        if (chosen.lightLoadPf && overCompensates(*chosen.lightLoadPf))
            warnings.push_back(frequency + std::string(OverCompensatesAtLightLoad));
    }
    return warnings;
}

std::string pfWithUnitText(const PfWithUnit& pf)
{
    return pf.text + ' ' + pf::phaseText(pf.phase);
}

std::string pfWithUnitCell(const PfWithUnit& pf)
{
    return pf.phase == pf::Phase::Lead ? pf.text + " Lead" : pf.text;
}

std::string yenText(double yen)
{
    return whole(yen) + "円";
}

} // namespace kandelo::sc
