#pragma once

#include "batch/csv.h"
#include "batch/encoding.h"
#include "months/months_calc.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A customer's file of months: a heading, a row for each month, then, after
// an empty row, the plan as caption-and-value rows. The same file is read
// back next month: the columns worked out are recognised and made anew, the
// plan's figures are made anew, and what the plan was worked out for (the
// target, the frequency, the rule, the costs, the customer) is taken up.

namespace kandelo::batch {
class ByteSource;
}

namespace kandelo::months {

struct Sheet {
    std::vector<std::string> headings;                          // the months' columns, as the file names them
    std::array<std::optional<std::size_t>, FieldCount> columns; // the column of each figure
    std::vector<std::vector<std::string>> rows;                 // each month's fields, as many as the headings
    PlanSettings settings;
    std::string customer, site, person;

    std::vector<MonthEntry> entries() const;
};

// A sheet with a column for every figure, in the window's order, and the
// other columns after them.
Sheet standardSheet(const std::vector<std::string>& otherHeadings = {});

// The sheet of a file's records, in UTF-8. Raises batch::BatchError, naming
// the file by `name`, for a file without a heading or the energies' columns,
// a figure with two columns, a row longer than the heading, more months than
// the table takes, or a setting of the plan that names nothing it knows.
Sheet readSheet(std::string_view name, const std::vector<batch::CsvRecord>& records);

// The sheet of a file, its encoding as stated or judged from the whole file
// as the batch judges it. Raises batch::BatchError as readSheet does, and for
// a file of no encoding or with a quote never closed.
Sheet readSheetFile(std::string_view name, std::optional<batch::Encoding> statedEncoding, batch::ByteSource& input);

// The file of a sheet and its result, as CSV in UTF-8: the heading and each
// month with the columns worked out (yen as plain numbers), an empty row, the
// plan, what it was worked out for, and its notes.
std::string sheetText(const Sheet& sheet, const MonthsResult& result);

// What the plan was worked out for, caption by caption, as the file and the
// report give it: the target, the frequency, the rule, the costs, the
// customer, the site and the person in charge, where given.
std::vector<PlanItem> settingItems(const Sheet& sheet);

// The figure a heading names, by the batch's rules: 年月 or month, 日数 or
// days, 積算時間 or hours, 有効電力量 or kwh, 無効電力量 or kvarh, 有効指示数
// or active_reading, 無効指示数 or reactive_reading, 乗率 or multiplier,
// 契約電力 or contract_kw, 基本料金単価 or unit_price, 請求書の力率 or billed_pf,
// each alone or with its unit.
std::optional<Field> fieldNamed(std::string_view heading);

// The frequency a file or a command line names: 50, 60, 50Hz or 60Hz.
std::optional<Frequency> frequencyNamed(std::string_view name);

} // namespace kandelo::months
