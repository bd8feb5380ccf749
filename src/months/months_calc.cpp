#include "months/months_calc.h"

#include "calculation/steps.h"
#include "core/arithmetic_error.h"
#include "core/checked.h"
#include "core/decimal.h"
#include "core/display_pattern.h"
#include "core/number_parse.h"
#include "core/plain_number.h"
#include "program/typed_text.h"
#include "sc/captions.h"
#include "sc/sizing_calc.h"

#include <algorithm>

namespace kandelo::months {

namespace {

namespace checked = core::checked;

// The hours of the power-factor period (8:00 to 22:00) in a day.
constexpr double PeriodHoursADay = 14;
// Below this a power factor from the registers is more likely a mistake.
constexpr double SuspiciousPf = 50;

enum class Least { Any, Zero, AboveZero };

// A figure as typed: its value, or what is wrong with it.
struct Figure {
    std::optional<double> value;
    std::optional<std::string> problem;
    bool empty = true;
};

std::string headingOf(Field field)
{
    return std::string(FieldHeadings[static_cast<std::size_t>(field)]);
}

// A figure as typed, named by its heading where something is wrong with it.
Figure readTyped(std::string_view text, std::string_view heading, Least least)
{
    const core::TypedNumber typed = core::readTypedNumber(text);
    using Kind = core::TypedNumber::Kind;
    const auto wrong = [heading](std::string_view problem) {
        return Figure{std::nullopt, std::string(heading) + "：" + std::string(problem), false};
    };
    switch (typed.kind) {
    case Kind::Empty:
        return {};
    case Kind::Number:
        break;
    case Kind::NotHalfWidth:
        return wrong(sc::NotAHalfWidthNumber);
    case Kind::OtherForm:
        return wrong(sc::NotAFormTaken);
    case Kind::TooLarge:
        return wrong(sc::NumberTooLarge);
    case Kind::TooSmall:
        return wrong(sc::NumberTooSmall);
    }
    if (least == Least::Zero && typed.value < 0)
        return wrong(sc::NotBelowZero);
    if (least == Least::AboveZero && typed.value <= 0)
        return wrong(sc::AboveZero);
    return {typed.value, std::nullopt, false};
}

Figure read(const MonthEntry& entry, Field field, Least least)
{
    return readTyped(entry[field], headingOf(field), least);
}

double roundedHalfUp(double x, int decimals)
{
    return core::Decimal::shortest(x).rounded(decimals, core::Tie::AwayFromZero).toDouble();
}

bool isEmpty(const MonthEntry& entry)
{
    return std::all_of(entry.fields.begin(), entry.fields.end(),
        [](const std::string& field) { return program::typedText(field).empty(); });
}

// A figure required for the month: its problem, or that it is missing.
void require(const Figure& figure, Field field, std::vector<std::string>& problems)
{
    if (figure.problem)
        problems.push_back(*figure.problem);
    else if (!figure.value)
        problems.push_back(headingOf(field) + std::string(MissingFigureNote));
}

// The readings of the row before, for the next month's energies.
struct Readings {
    double active = 0;
    double reactive = 0;
};

// How the row's energies come about.
struct Energies {
    std::optional<double> kwh, kvarh;
    bool startingPoint = false;
};

Energies energiesOf(const MonthEntry& entry, const std::optional<Readings>& previous, bool firstRow,
    std::optional<Readings>& readings, std::vector<std::string>& problems, std::vector<std::string>& notes)
{
    const Figure active = read(entry, Field::ActiveReading, Least::Zero);
    const Figure reactive = read(entry, Field::ReactiveReading, Least::Zero);
    if (active.value && reactive.value)
        readings = Readings{*active.value, *reactive.value};

    Energies energies;
    const Figure kwh = read(entry, Field::Kwh, Least::AboveZero);
    const Figure kvarh = read(entry, Field::Kvarh, Least::Any); // below 0 when leading
    if (!kwh.empty || !kvarh.empty) {
        // The month's energies as typed; its readings only start the next month's.
        for (const Figure* reading : {&active, &reactive})
            if (reading->problem)
                notes.push_back(*reading->problem);
        require(kwh, Field::Kwh, problems);
        require(kvarh, Field::Kvarh, problems);
        energies.kwh = kwh.value;
        energies.kvarh = kvarh.value;
        return energies;
    }
    if (active.empty && reactive.empty) {
        problems.emplace_back(NoEnergiesNote);
        return energies;
    }
    require(active, Field::ActiveReading, problems);
    require(reactive, Field::ReactiveReading, problems);
    if (!readings)
        return energies;
    if (!previous) {
        energies.startingPoint = true;
        notes.emplace_back(firstRow ? StartingPointNote : NoPreviousReadingNote);
        return energies;
    }
    if (readings->active < previous->active || readings->reactive < previous->reactive) {
        problems.emplace_back(ReadingWentDownNote);
        return energies;
    }
    const Figure multiplier = read(entry, Field::Multiplier, Least::AboveZero);
    require(multiplier, Field::Multiplier, problems);
    if (!multiplier.value)
        return energies;
    energies.kwh = checked::mul(readings->active - previous->active, *multiplier.value);
    energies.kvarh = checked::mul(readings->reactive - previous->reactive, *multiplier.value);
    if (*energies.kwh <= 0)
        problems.push_back(headingOf(Field::Kwh) + "：" + std::string(sc::AboveZero));
    return energies;
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += NoteSeparator;
        text += part;
    }
    return text;
}

std::string percentText(double percent)
{
    return core::plainNumberText(percent);
}

// Yen as the window and the report show them in a column of yen: "21,600".
std::string yenFigure(double yen)
{
    return core::formatNumber(yen, "#,##0");
}

// The month's own figures: its energies, power factor, averages and need.
void workOut(MonthResult& month, const Energies& energies, double hours, std::optional<double> target,
    const std::optional<sc::PowerFactorRule>& rule)
{
    program::Calculation c;
    c.intKwh = *energies.kwh;
    c.intKvarh = *energies.kvarh;
    c.intHours = hours;
    const pf::PfScreen screen = calculation::powerFactor(c);
    month.kwh = c.intKwh;
    month.kvarh = c.intKvarh;
    month.hours = hours;
    month.intPf = c.intPf;
    month.phase = screen.phase;
    month.billedPf = sc::tariffPercent(c.intPf, screen.phase);
    month.averageKw = checked::div(c.intKwh, hours);
    month.averageKvar = checked::div(c.intKvarh, hours);

    std::string required = "0";
    if (target && screen.phase == pf::Phase::Lag && c.intPf < *target) {
        c.intTargetPf = *target;
        const sc::SizingLoad sizing = calculation::sizing(c, screen.lblPf, sc::ReactorSixCaption, true);
        if (sizing.failure)
            throw core::ArithmeticError(*sizing.failure);
        if (*sizing.texts.requiredKvar > 0) {
            month.requiredKvar = *sizing.texts.requiredKvar;
            required = *sizing.texts.txtScKvar;
        }
    }
    month.cells[static_cast<std::size_t>(Computed::BilledPf)] = percentText(month.billedPf);
    month.cells[static_cast<std::size_t>(Computed::AverageKw)] = sc::averagePowerText(month.averageKw);
    month.cells[static_cast<std::size_t>(Computed::AverageKvar)] = sc::averagePowerText(month.averageKvar);
    if (target)
        month.cells[static_cast<std::size_t>(Computed::RequiredKvar)] = required;
    if (rule)
        month.basicCharge = percentText(sc::basicChargePercent(*rule, month.billedPf));

    if (screen.phase == pf::Phase::Lead)
        month.notes.emplace_back(LeadingNote);
    else if (c.intPf < SuspiciousPf)
        month.notes.emplace_back(BelowFiftyNote);
}

MonthResult computeMonth(const MonthEntry& entry, const std::optional<Readings>& previous, bool firstRow,
    std::optional<Readings>& readings, std::optional<double> target, const std::optional<sc::PowerFactorRule>& rule)
{
    MonthResult month;
    if (isEmpty(entry))
        return month;
    month.label = program::typedText(entry[Field::Label]);

    std::vector<std::string> problems;
    std::vector<std::string> notes;
    const Energies energies = energiesOf(entry, previous, firstRow, readings, problems, notes);
    if (energies.startingPoint && problems.empty()) {
        month.kind = MonthResult::Kind::StartingPoint;
        month.notes = std::move(notes);
        month.cells[static_cast<std::size_t>(Computed::Notes)] = joined(month.notes);
        return month;
    }
    std::optional<double> hours;
    const Figure typedHours = read(entry, Field::Hours, Least::AboveZero);
    const Figure days = read(entry, Field::Days, Least::AboveZero);
    if (!typedHours.empty) {
        require(typedHours, Field::Hours, problems);
        hours = typedHours.value;
    } else if (!days.empty) {
        require(days, Field::Days, problems);
        if (days.value)
            hours = checked::mul(*days.value, PeriodHoursADay);
    } else {
        problems.emplace_back(NoHoursNote);
    }

    // The figures of the charge and the bill take away only what needs them.
    const Figure contract = read(entry, Field::ContractKw, Least::Zero);
    const Figure price = read(entry, Field::UnitPrice, Least::Zero);
    const Figure bill = read(entry, Field::BilledPf, Least::AboveZero);
    for (const Figure* optional : {&contract, &price, &bill})
        if (optional->problem)
            notes.push_back(*optional->problem);
    month.contractKw = contract.value;
    month.unitPrice = price.value;

    if (problems.empty() && energies.kwh && energies.kvarh && hours) {
        try {
            workOut(month, energies, *hours, target, rule);
            month.kind = MonthResult::Kind::Computed;
        } catch (const core::ArithmeticError&) {
            problems.emplace_back(sc::TooLargeToWorkOut);
        }
    }
    if (month.kind == MonthResult::Kind::Computed && bill.value && *bill.value != month.billedPf)
        notes.push_back("請求書の力率（" + percentText(*bill.value) + "％）" + std::string(DiffersFromBillNote));
    if (month.kind != MonthResult::Kind::Computed) {
        month.kind = MonthResult::Kind::Refused;
        month.cells = {};
        month.basicCharge.clear();
    }
    problems.insert(problems.end(), month.notes.begin(), month.notes.end());
    problems.insert(problems.end(), notes.begin(), notes.end());
    month.notes = std::move(problems);
    return month;
}

std::optional<double> readSetting(std::string_view typed, Least least)
{
    return readTyped(typed, {}, least).value;
}

std::optional<double> targetOf(const PlanSettings& settings, std::vector<std::string>& notes)
{
    if (program::typedText(settings.target).empty()) {
        notes.emplace_back(TypeTargetNote);
        return std::nullopt;
    }
    const std::optional<double> target = readSetting(settings.target, Least::AboveZero);
    if (!target || *target > 100) {
        notes.emplace_back(TargetRangeNote);
        return std::nullopt;
    }
    return target;
}

std::optional<sc::PowerFactorRule> ruleOf(const TariffRule& rule, std::vector<std::string>& notes)
{
    switch (rule.kind) {
    case TariffRule::Kind::Standard:
        return sc::PowerFactorRule{};
    case TariffRule::Kind::None:
        notes.emplace_back(NoRuleNote);
        return std::nullopt;
    case TariffRule::Kind::Other:
        break;
    }
    const std::optional<double> basis = readSetting(rule.basis, Least::AboveZero);
    const std::optional<double> step = readSetting(rule.step, Least::AboveZero);
    if (!basis || *basis > 100 || !step) {
        notes.push_back(std::string(BasisCaption) + "と" + std::string(StepCaption)
            + "：0 より大きい半角数字を入力してください（基準は 100 以下）");
        return std::nullopt;
    }
    return sc::PowerFactorRule{*basis, *step};
}

PlanItem item(std::string_view caption, std::string value)
{
    PlanItem made{std::string(caption), std::move(value), {}};
    made.fileValue = made.value;
    return made;
}

// The plan's figures, caption by caption.
std::vector<PlanItem> itemsOf(const Plan& plan)
{
    std::vector<PlanItem> items;
    const auto units = [&items](std::string_view caption, const std::optional<sc::StandardUnits>& chosen) {
        if (!chosen) {
            items.push_back(item(caption, std::string(NothingToOrderText)));
            return;
        }
        items.push_back(item(caption, sc::unitTotalText(*chosen)));
        items.push_back(item(sc::UnitsCaption, sc::compositionText(*chosen)));
    };
    const auto yen = [&items](std::string_view caption, const std::optional<double>& value) {
        if (value)
            items.push_back({std::string(caption), yenFigure(*value), core::plainNumberText(*value)});
    };
    units(FixedOnlyCaption, plan.fixedOnly);
    units(FixedPartCaption, plan.fixedPart);
    items.push_back(item(AutomaticPartCaption, core::formatNumber(plan.automaticKvar, "#,##0")));
    units(BankCaption, plan.fixedOnly);
    yen(FixedOnlyTotalCaption, plan.fixedOnlyTotal);
    yen(FixedAutoTotalCaption, plan.fixedAutoTotal);
    items.push_back(item(MonthCountCaption, core::plainNumberText(double(plan.months))));
    if (plan.fixedOnlyTotal && plan.savingMonths != plan.months)
        items.push_back(item(SavingMonthsCaption, core::plainNumberText(double(plan.savingMonths))));
    yen(plan.yearIsEstimate ? FixedOnlyYearEstimateCaption : FixedOnlyYearCaption, plan.fixedOnlyYear);
    yen(plan.yearIsEstimate ? FixedAutoYearEstimateCaption : FixedAutoYearCaption, plan.fixedAutoYear);
    const auto payback = [&](std::string_view caption, const std::optional<double>& cost,
                             const std::optional<double>& years) {
        if (cost && plan.fixedOnlyYear)
            items.push_back(item(caption, years ? core::formatNumber(*years, "0.0") : std::string(NoPaybackText)));
    };
    payback(FixedOnlyPaybackCaption, plan.fixedOnlyCost, plan.fixedOnlyPayback);
    payback(FixedAutoPaybackCaption, plan.fixedAutoCost, plan.fixedAutoPayback);
    return items;
}

std::optional<double> paybackYears(const std::optional<double>& cost, const std::optional<double>& year)
{
    if (!cost || !year || *year <= 0)
        return std::nullopt;
    return roundedHalfUp(checked::div(*cost, *year), 1);
}

// The plan on the computed months, and each month's figures with it.
Plan makePlan(MonthsResult& result, const PlanSettings& settings, Frequency frequency)
{
    const sc::Series& series = seriesOf(frequency);
    Plan plan;
    std::vector<MonthResult*> months;
    for (MonthResult& month : result.rows) {
        if (month.kind == MonthResult::Kind::Computed)
            months.push_back(&month);
        else if (month.kind == MonthResult::Kind::Refused)
            ++plan.leftOut;
    }
    plan.months = months.size();
    const auto [smallest, largest] = std::minmax_element(months.begin(), months.end(),
        [](const MonthResult* a, const MonthResult* b) { return a->requiredKvar < b->requiredKvar; });
    plan.smallestNeed = (*smallest)->requiredKvar;
    plan.largestNeed = (*largest)->requiredKvar;
    plan.fixedOnly = sc::standardUnits(plan.largestNeed, series);
    plan.fixedPart = sc::unitsWithin(plan.smallestNeed, series);
    const double bank = plan.fixedOnly ? plan.fixedOnly->total() : 0;
    const double fixed = plan.fixedPart ? plan.fixedPart->total() : 0;
    plan.automaticKvar = checked::sub(bank, fixed);

    plan.fixedOnlyCost = readSetting(settings.fixedOnlyCost, Least::Zero);
    plan.fixedAutoCost = readSetting(settings.fixedAutoCost, Least::Zero);
    double fixedOnlyTotal = 0, fixedAutoTotal = 0;
    for (MonthResult* month : months) {
        const double inService = std::clamp(month->requiredKvar, fixed, bank);
        month->fixedOnlyPf = sc::pfWithUnit(month->averageKw, month->averageKvar, bank);
        month->fixedAutoPf = sc::pfWithUnit(month->averageKw, month->averageKvar, inService);
        month->fixedOnlyBilled = sc::tariffPercent(month->fixedOnlyPf->intPf, month->fixedOnlyPf->phase);
        month->fixedAutoBilled = sc::tariffPercent(month->fixedAutoPf->intPf, month->fixedAutoPf->phase);
        month->cells[static_cast<std::size_t>(Computed::FixedOnlyPf)] = percentText(*month->fixedOnlyBilled);
        month->cells[static_cast<std::size_t>(Computed::FixedAutoPf)] = percentText(*month->fixedAutoBilled);
        if (sc::overCompensates(*month->fixedOnlyPf)) {
            plan.leadingMonths.push_back(month->label);
            month->notes.push_back("固定のみ：" + std::string(sc::OverCompensates));
        }
        if (sc::overCompensates(*month->fixedAutoPf))
            month->notes.push_back("固定＋自動：" + std::string(sc::OverCompensates));
        if (result.rule && month->contractKw && month->unitPrice) {
            const auto saving = [&](double after) {
                return sc::monthlySavingYen(
                    *month->unitPrice, *month->contractKw, month->billedPf, after, result.rule->step);
            };
            month->fixedOnlyYen = saving(*month->fixedOnlyBilled);
            month->fixedAutoYen = saving(*month->fixedAutoBilled);
            month->cells[static_cast<std::size_t>(Computed::FixedOnlyYen)] = yenFigure(*month->fixedOnlyYen);
            month->cells[static_cast<std::size_t>(Computed::FixedAutoYen)] = yenFigure(*month->fixedAutoYen);
            fixedOnlyTotal = checked::add(fixedOnlyTotal, *month->fixedOnlyYen);
            fixedAutoTotal = checked::add(fixedAutoTotal, *month->fixedAutoYen);
            ++plan.savingMonths;
        }
    }
    if (plan.savingMonths > 0) {
        plan.fixedOnlyTotal = fixedOnlyTotal;
        plan.fixedAutoTotal = fixedAutoTotal;
        plan.yearIsEstimate = plan.savingMonths != 12;
        const auto year = [&plan](double total) {
            return plan.yearIsEstimate
                ? roundedHalfUp(checked::div(checked::mul(total, 12), double(plan.savingMonths)), 0)
                : total;
        };
        plan.fixedOnlyYear = year(fixedOnlyTotal);
        plan.fixedAutoYear = year(fixedAutoTotal);
        plan.fixedOnlyPayback = paybackYears(plan.fixedOnlyCost, plan.fixedOnlyYear);
        plan.fixedAutoPayback = paybackYears(plan.fixedAutoCost, plan.fixedAutoYear);
    }
    return plan;
}

} // namespace

const sc::Series& seriesOf(Frequency frequency)
{
    return frequency == Frequency::Hz50 ? sc::Series50Hz : sc::Series60Hz;
}

std::string_view frequencyText(Frequency frequency)
{
    return sc::CatalogueFrequencies[frequency == Frequency::Hz50 ? 0 : 1];
}

MonthsResult computeMonths(const std::vector<MonthEntry>& entries, const PlanSettings& settings)
{
    MonthsResult result;
    result.target = targetOf(settings, result.notes);
    result.frequency = settings.frequency;
    result.rule = ruleOf(settings.rule, result.notes);

    std::optional<Readings> previous;
    bool firstRow = true;
    std::size_t months = 0;
    for (const MonthEntry& entry : entries) {
        std::optional<Readings> readings;
        MonthResult month;
        try {
            month = computeMonth(entry, previous, firstRow, readings, result.target, result.rule);
        } catch (const core::ArithmeticError&) {
            // Its energies or hours beyond what a figure holds.
            month.kind = MonthResult::Kind::Refused;
            month.label = program::typedText(entry[Field::Label]);
            month.notes.emplace_back(sc::TooLargeToWorkOut);
        }
        if (month.kind != MonthResult::Kind::Empty) {
            previous = readings;
            firstRow = false;
        }
        if (month.kind == MonthResult::Kind::Computed || month.kind == MonthResult::Kind::Refused)
            ++months;
        result.rows.push_back(std::move(month));
    }

    const bool anyComputed = std::any_of(result.rows.begin(), result.rows.end(),
        [](const MonthResult& month) { return month.kind == MonthResult::Kind::Computed; });
    if (!settings.frequency)
        result.notes.emplace_back(ChooseFrequencyNote);
    if (!anyComputed)
        result.notes.emplace_back(NoMonthNote);
    if (months > MaxMonths)
        result.notes.emplace_back(TooManyMonthsNote);
    if (result.target && settings.frequency && anyComputed && months <= MaxMonths) {
        std::vector<MonthResult> withoutPlan = result.rows;
        try {
            result.plan = makePlan(result, settings, *settings.frequency);
        } catch (const core::ArithmeticError&) {
            result.rows = std::move(withoutPlan); // no month keeps half a plan
            result.notes.emplace_back(sc::TooLargeToWorkOut);
        }
    }
    if (result.plan) {
        if (result.plan->leftOut > 0)
            result.notes.push_back(
                core::plainNumberText(double(result.plan->leftOut)) + std::string(MonthsLeftOutNote));
        if (result.rule && result.plan->savingMonths == 0)
            result.notes.emplace_back(NoChargeFiguresNote);
        if (!result.plan->leadingMonths.empty())
            result.notes.emplace_back(FixedOnlyLeadsNote);
        result.items = itemsOf(*result.plan);
        result.notes.emplace_back(AssumptionNote);
    }
    for (MonthResult& month : result.rows)
        month.cells[static_cast<std::size_t>(Computed::Notes)] = joined(month.notes);
    return result;
}

} // namespace kandelo::months
