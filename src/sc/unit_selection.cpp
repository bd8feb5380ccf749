#include "sc/unit_selection.h"

#include "core/arithmetic_error.h"
#include "core/checked.h"
#include "core/display_pattern.h"
#include "core/number_parse.h"
#include "core/plain_number.h"
#include "core/rounding.h"
#include "sc/capacitance_calc.h"
#include "sc/captions.h"

#include <algorithm>
#include <cmath>

namespace kandelo::sc {

namespace {

namespace checked = core::checked;

constexpr std::string_view Times = "×";
constexpr std::string_view Plus = "＋";

// A capacity of whole kvar, grouped by thousands.
std::string wholeKvar(double kvar)
{
    return core::formatNumber(kvar, "#,##0");
}

// A text for the units, from the texts of the largest unit and of the rest: "a×n＋b".
std::string composed(const StandardUnits& units, const std::string& largest, const std::string& rest)
{
    std::string out;
    if (units.largestCount > 0) {
        out = largest;
        if (units.largestCount > 1)
            out += std::string(Times) + core::plainNumberText(units.largestCount);
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

// The power factor at the powers p and q with a unit of `unit` kvar, as the
// power-factor screen writes one.
PfWithUnit withUnit(double p, double q, double unit)
{
    const double kvar = checked::sub(q, unit);
    const double intPf = pf::powerFactor(p, kvar);
    return {intPf, core::formatNumber(intPf, "0.00"), kvar < 0 ? pf::Phase::Lead : pf::Phase::Lag};
}

void addProblem(std::vector<std::string>& problems, std::string problem)
{
    if (std::find(problems.begin(), problems.end(), problem) == problems.end())
        problems.push_back(std::move(problem));
}

bool isEmpty(std::string_view typed)
{
    return typed.find_first_not_of(' ') == std::string_view::npos;
}

enum class Least { Any, Zero, AboveZero };

// A figure as typed: nothing when it is left empty, and nothing with a
// problem when it is no half-width number or below its least.
std::optional<double> figure(
    std::string_view typed, std::string_view caption, Least least, std::vector<std::string>& problems)
{
    if (isEmpty(typed))
        return std::nullopt;
    const auto value = core::parseNumber(typed);
    if (!value) {
        addProblem(problems, std::string(caption) + "：半角の数字を入力してください");
        return std::nullopt;
    }
    if (least == Least::Zero && *value < 0) {
        addProblem(problems, std::string(caption) + "：0以上の数字を入力してください");
        return std::nullopt;
    }
    if (least == Least::AboveZero && *value <= 0) {
        addProblem(problems, std::string(caption) + "：0より大きい数字を入力してください");
        return std::nullopt;
    }
    return value;
}

// A power factor as a whole percent, as the basic-charge sentence takes it;
// leading counts as 100 %, as tariffs count it, and none counts above.
double wholePercent(const PfWithUnit& pf)
{
    return pf.phase == pf::Phase::Lead ? 100 : std::min(100.0, core::roundHalfEven(pf.intPf, 0));
}

} // namespace

std::optional<StandardUnits> standardUnits(double requiredKvar, const Series& series)
{
    if (!(requiredKvar > 0))
        return std::nullopt;
    const auto smallestCovering = [&series](
                                      double kvar) { return *std::lower_bound(series.begin(), series.end(), kvar); };
    StandardUnits units;
    units.largest = series.back();
    if (requiredKvar <= units.largest) {
        units.rest = smallestCovering(requiredKvar);
        return units;
    }
    units.largestCount = std::floor(requiredKvar / units.largest);
    const double rest = requiredKvar - units.largestCount * units.largest;
    if (rest > 0)
        units.rest = smallestCovering(rest);
    if (units.rest == units.largest) { // a rest that takes the largest unit too: one more of it
        ++units.largestCount;
        units.rest.reset();
    }
    return units;
}

std::optional<std::string> savingInputProblem(std::string_view caption, std::string_view typed)
{
    std::vector<std::string> problems;
    figure(typed, caption, Least::Zero, problems);
    if (problems.empty())
        return std::nullopt;
    return problems.front();
}

UnitSelection selectUnits(const LoadTexts& load, double intPf, std::string_view lblL, const SelectionInputs& inputs)
{
    UnitSelection selection;
    selection.reactor = lblL;
    std::vector<std::string>& problems = selection.problems;
    const auto lightKw = figure(inputs.lightKw, LightLoadKwCaption, Least::AboveZero, problems);
    const auto lightKvar = figure(inputs.lightKvar, LightLoadKvarCaption, Least::Any, problems);
    const auto contract = figure(inputs.contractKw, ContractCaption, Least::Zero, problems);
    const auto price = figure(inputs.unitPrice, UnitPriceCaption, Least::Zero, problems);
    if (!load.requiredKvar)
        return selection;

    const std::array<const Series*, 2> series{&Series50Hz, &Series60Hz};
    for (std::size_t at = 0; at < series.size(); ++at) {
        FrequencySelection& chosen = selection.frequencies[at];
        chosen.units = standardUnits(*load.requiredKvar, *series[at]);
        // From 50 kvar up the two series are one: what follows is the same for both.
        const FrequencySelection& first = selection.frequencies[0];
        if (at > 0 && chosen.units && first.units && first.units->total() == chosen.units->total()) {
            chosen = first;
            continue;
        }
        const double unit = chosen.units ? chosen.units->total() : 0;
        if (chosen.units) {
            const StandardUnits& units = *chosen.units;
            chosen.total = wholeKvar(unit);
            chosen.composition = composed(units, wholeKvar(units.largest), units.rest ? wholeKvar(*units.rest) : "");
        }
        try {
            if (load.p && load.q)
                chosen.pf = withUnit(*load.p, *load.q, unit);
            if (lightKw && lightKvar)
                chosen.lightLoadPf = withUnit(*lightKw, *lightKvar, unit);
            if (contract && price && chosen.pf) {
                // unit price × contract demand × (p₁ − p₀) / 100, p₀ the present
                // power factor and p₁ the one the unit gives.
                const double points = checked::sub(wholePercent(*chosen.pf), core::roundHalfEven(intPf, 0));
                const double monthly = checked::div(checked::mul(checked::mul(*price, *contract), points), 100);
                chosen.monthlySaving = core::formatNumber(monthly, "#,##0") + "円";
                chosen.yearlySaving = core::formatNumber(checked::mul(monthly, 12), "#,##0") + "円";
            }
        } catch (const core::ArithmeticError&) {
            addProblem(problems, "数字が大きすぎて計算できません");
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

std::vector<std::string> warningsOf(const UnitSelection& selection)
{
    std::vector<std::string> warnings;
    for (std::size_t at = 0; at < selection.frequencies.size(); ++at) {
        const FrequencySelection& chosen = selection.frequencies[at];
        const std::string frequency = std::string(CatalogueFrequencies[at]) + "：";
        if (!chosen.units && chosen.pf)
            warnings.push_back(frequency + std::string(NothingToOrder));
        if (chosen.pf && chosen.pf->phase == pf::Phase::Lead)
            warnings.push_back(frequency + std::string(OverCompensates));
        if (chosen.lightLoadPf && chosen.lightLoadPf->phase == pf::Phase::Lead)
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

} // namespace kandelo::sc
