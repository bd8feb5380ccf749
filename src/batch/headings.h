#pragma once

#include "batch/messages.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The headings of the batch: those of the input's readings, found in the
// input's heading, and those of the result's columns, the screens' own.

namespace kandelo::batch {

// The result columns, in order: the power-factor screen's figures, the sizing
// screen's as it opens (the reactor at 6 %, the capacitance for the capacitor
// alone: the 50 Hz list, then the 60 Hz list, each row by row), the standard
// units, then the error column.
enum ResultColumn : std::size_t {
    Kwh,
    Kvarh,
    Pf,
    Phase,
    Note,
    Hours,
    Kw,
    Kvar,
    Kva,
    ScKvar,
    ScKvar2,
    LKvar,
    FirstCapacitance,
    Current = FirstCapacitance + 10,
    Basic,
    // The standard unit of each frequency (50 Hz, then 60 Hz): its total, its
    // units and the power factor it gives; then the monthly saving of each.
    UnitTotal50,
    Units50,
    PfWithUnit50,
    UnitTotal60,
    Units60,
    PfWithUnit60,
    Saving50,
    Saving60,
    Error,
    ColumnCount
};

// The headings of the result columns, in that order, named as the screens name them.
const std::vector<std::string_view>& resultHeadings();

// How a heading may name a figure: its Japanese name, its English name and
// up to two units (lower case; unused ones empty).
struct HeadingName {
    std::string_view japanese;
    std::string_view english;
    std::array<std::string_view, 2> units;
};

// Whether a heading names the figure: after trimming and with its full-width
// letters, digits, signs and brackets read as half-width ones, its Japanese
// or English name alone, or followed by one of its units, directly, after a
// blank or in brackets. English names and units are read in any letter case.
bool headingNames(std::string_view heading, const HeadingName& name);

enum class Reading { Kwh, Kvarh, Hours, Target, ContractKw, UnitPrice };

// How a heading may name a reading, and the reading as a message names it.
struct ReadingName {
    Reading reading;
    HeadingName name;
    Text figure;
};
const ReadingName& nameOf(Reading reading);

// The reading a heading names, as headingNames reads it: 有効電力量,
// 有効電力量kWh, 有効電力量(kWh), 有効電力量（ｋWh）, kwh, KWh, 契約電力（ｋW）,
// 基本料金単価（円）, 基本料金単価 円／ｋW. A heading that merely begins with a
// name (有効電力量（前月）, 契約電力の実績) names nothing.
std::optional<Reading> readingNamed(std::string_view heading);

struct InputColumns {
    std::size_t kwh = 0;
    std::size_t kvarh = 0;
    std::optional<std::size_t> hours;
    std::optional<std::size_t> target;
    std::optional<std::size_t> contractKw; // 契約電力, for the saving
    std::optional<std::size_t> unitPrice;  // 基本料金単価
};

// The columns of the readings in a heading. Raises BatchError when the active
// or the reactive energy has no column, or when two columns name one reading.
InputColumns findInputColumns(const std::vector<std::string>& heading);

// How many columns of a heading are the input's: all of them, or, for the
// batch's own result read back (the result headings, in order, after the
// input's), those before the result headings.
std::size_t inputWidth(const std::vector<std::string>& heading);

} // namespace kandelo::batch
