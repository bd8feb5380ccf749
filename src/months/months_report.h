#pragma once

#include "months/months_calc.h"

#include <string>
#include <vector>

// The months as they leave the window: for the clipboard, the PDF and the
// printer. Every text is one the window shows.

namespace kandelo::months {

struct Sheet;

struct MonthsReport {
    std::string title;
    std::string calculatedAt;
    std::vector<std::string> headings;          // the columns typed into, then those worked out
    std::vector<std::vector<std::string>> rows; // the months, without empty rows
    std::vector<PlanItem> settings;             // what the plan was worked out for
    std::vector<PlanItem> plan;
    std::vector<std::string> notes;
};

MonthsReport monthsReport(const Sheet& sheet, const MonthsResult& result, std::string calculatedAt);

// Tab-separated lines: the title, the settings, the table, the plan, the notes.
std::string plainText(const MonthsReport& report);
// The same as an HTML fragment of tables.
std::string html(const MonthsReport& report);

} // namespace kandelo::months
