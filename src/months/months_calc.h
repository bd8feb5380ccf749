#pragma once

#include "months/captions.h"
#include "sc/basic_charge.h"
#include "sc/unit_selection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// A customer's months, from the meter's power-factor registers to the power
// factor the utility bills, the capacity each month needs, and a plan of a
// fixed and an automatic capacitor with what each saves.

namespace kandelo::months {

// A month's figures as typed (or read from a file), in the order of Field.
struct MonthEntry {
    std::array<std::string, FieldCount> fields;

    const std::string& operator[](Field field) const { return fields[static_cast<std::size_t>(field)]; }
    std::string& operator[](Field field) { return fields[static_cast<std::size_t>(field)]; }
};

enum class Frequency { Hz50, Hz60 };

// How the basic charge follows the power factor.
struct TariffRule {
    enum class Kind { Standard, Other, None };
    Kind kind = Kind::Standard;
    std::string basis; // as typed, for Other
    std::string step;  // per cent of the basic charge a point, as typed, for Other
};

// What the plan is worked out for, as typed.
struct PlanSettings {
    std::string target; // 目標力率（％）
    std::optional<Frequency> frequency;
    TariffRule rule;
    std::string fixedOnlyCost; // 円
    std::string fixedAutoCost; // 円
};

// One row of the table as worked out.
struct MonthResult {
    enum class Kind {
        Empty,         // nothing typed: no month
        StartingPoint, // readings only, the start of the next month's energies
        Refused,       // a figure missing or wrong: left out of the plan
        Computed
    };
    Kind kind = Kind::Empty;
    std::string label; // 年月, as typed

    // A computed month: its energies, hours and power factor.
    double kwh = 0, kvarh = 0, hours = 0;
    double intPf = 0; // unrounded, as the power-factor screen works it out
    pf::Phase phase = pf::Phase::Lag;
    double billedPf = 0; // whole per cent, as the utility bills it
    double averageKw = 0, averageKvar = 0;
    double requiredKvar = 0; // for the target; 0 when met or leading
    std::optional<double> contractKw, unitPrice;

    // With the plan: the capacity in service and the power factor it gives.
    std::optional<sc::PfWithUnit> fixedOnlyPf, fixedAutoPf;
    std::optional<double> fixedOnlyBilled, fixedAutoBilled;
    std::optional<double> fixedOnlyYen, fixedAutoYen;

    // What each column shows, in the order of Computed, and the basic charge
    // in per cent at the billed power factor (empty under no rule).
    std::array<std::string, ComputedCount> cells;
    std::string basicCharge;
    std::vector<std::string> notes;
};

// The plan for the months computed.
struct Plan {
    std::size_t months = 0;                     // the months it rests on
    std::size_t leftOut = 0;                    // months refused
    std::optional<sc::StandardUnits> fixedOnly; // the unit for the largest need; also the whole bank
    std::optional<sc::StandardUnits> fixedPart; // within the smallest need
    double automaticKvar = 0;                   // the bank less the fixed part
    double smallestNeed = 0, largestNeed = 0;
    // With the rule and each month's contract and unit price.
    std::size_t savingMonths = 0;                         // months with a saving worked out
    std::optional<double> fixedOnlyTotal, fixedAutoTotal; // of the months given
    std::optional<double> fixedOnlyYear, fixedAutoYear;   // a year: the total of twelve months, or an estimate
    bool yearIsEstimate = false;
    std::optional<double> fixedOnlyCost, fixedAutoCost;
    std::optional<double> fixedOnlyPayback, fixedAutoPayback; // years; nothing when it never pays back
    std::vector<std::string> leadingMonths;                   // labels of the months the fixed-only unit leads in
};

// A figure of the plan as the window, the report and the command line show
// it: a caption and its value; in a file, yen are written without grouping.
struct PlanItem {
    std::string caption;
    std::string value;
    std::string fileValue;
};

struct MonthsResult {
    std::vector<MonthResult> rows; // one for each entry, in order
    std::optional<double> target;
    std::optional<Frequency> frequency;
    std::optional<sc::PowerFactorRule> rule; // nothing under no rule
    std::optional<Plan> plan;                // nothing without a target, a frequency or a month
    std::vector<PlanItem> items;             // the plan, caption by caption
    std::vector<std::string> notes;          // what the plan says besides: why not, what it assumes
};

inline constexpr std::size_t MaxMonths = 36;

// The months and their plan. A month that cannot be worked out says why in
// its notes and is left out; nothing raises.
MonthsResult computeMonths(const std::vector<MonthEntry>& entries, const PlanSettings& settings);

// The series of a frequency and its name ("50Hz").
const sc::Series& seriesOf(Frequency frequency);
std::string_view frequencyText(Frequency frequency);

} // namespace kandelo::months
