// A customer's file of months from any text: read, worked out and written,
// it never crashes, and what it writes reads back to the same file.
#include "batch/csv.h"
#include "batch/messages.h"
#include "months/months_calc.h"
#include "months/sheet.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kandelo;

std::vector<batch::CsvRecord> recordsOf(std::string_view text)
{
    batch::CsvReader reader;
    reader.feed(text);
    reader.finish();
    return std::move(reader.records());
}

// The file written for a text, or nothing when the text is refused.
bool written(std::string_view text, std::string& out)
{
    months::Sheet sheet;
    try {
        sheet = months::readSheet("-", recordsOf(text));
    } catch (const batch::BatchError&) {
        return false;
    }
    const months::MonthsResult result = months::computeMonths(sheet.entries(), sheet.settings);
    out = months::sheetText(sheet, result);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string first;
    if (!written(text, first))
        return 0;
    std::string second;
    if (!written(first, second) || second != first)
        std::abort();
    return 0;
}
