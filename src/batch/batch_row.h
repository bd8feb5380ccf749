#pragma once

#include <string>
#include <string_view>
#include <vector>

// One customer's readings through the same computations and the same checks
// as the screens, giving the texts the screens show for them.

namespace kandelo::batch {

// The figures of one row, as written in the file.
struct Readings {
    std::string kwh;
    std::string kvarh;
    std::string hours; // empty, with target, for the power factor alone
    std::string target;
    std::string contractKw{}; // empty, or with unitPrice, for the saving
    std::string unitPrice{};
};

// Between two problems of one row in its error column.
inline constexpr std::string_view ProblemSeparator = "／";

struct RowResult {
    std::vector<std::string> cells; // one per result heading (batch/headings.h)
    bool refused = false;           // the error column holds the screens' message
};

// What the power-factor screen shows for the energies and, with hours and a
// target, what the sizing screen shows as it loads (the reactor at 6 %, the
// capacitance table for the capacitor alone) and the standard units for it,
// with the saving for a contract demand and a unit price. A figure the
// screens would refuse leaves its message in the error column, and the texts
// set before it stay. A contract demand or unit price that is no number of 0
// or more is named there too, and takes away only the saving; so does a
// selection too large to work out.
RowResult computeRow(const Readings& readings);

// A row with no figure at all: every cell empty, nothing refused.
RowResult blankRow();
// A row that is not computed: every cell empty but the error column's message.
RowResult refusedRow(std::string message);

} // namespace kandelo::batch
