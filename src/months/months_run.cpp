#include "months/months_run.h"

#include "batch/encoding.h"
#include "batch/input_text.h"
#include "batch/messages.h"
#include "batch/options.h"
#include "batch/output.h"
#include "core/blanks.h"
#include "months/messages.h"
#include "months/sheet.h"

#include <algorithm>

namespace kandelo::months {

MonthsSummary runMonths(const batch::Options& options, batch::ByteSource& input, batch::ByteSink& output)
{
    const batch::Encoding encoding = batch::judgeInput(options.input, options.inputEncoding, input);
    std::vector<batch::CsvRecord> records;
    batch::readRecords(options.input, encoding, input, [&records](std::vector<batch::CsvRecord>& read) {
        records.insert(records.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
        read.clear();
    });
    Sheet sheet = readSheet(options.input, records);
    if (options.target)
        sheet.settings.target = *options.target;
    if (options.frequency) {
        sheet.settings.frequency = frequencyNamed(*options.frequency);
        if (!sheet.settings.frequency)
            throw batch::BatchError(message::unknownFrequency(*options.frequency));
    }
    if (!sheet.settings.frequency)
        throw batch::BatchError(message::frequencyNeeded());
    if (core::trimmedBlanks(sheet.settings.target).empty())
        throw batch::BatchError(message::targetNeeded());

    const MonthsResult result = computeMonths(sheet.entries(), sheet.settings);
    std::string text;
    for (const std::vector<std::string>& record : sheetRecords(sheet, result))
        batch::appendCsvRecord(text, record);
    batch::Encoder encoder(options.encoding);
    std::string encoded(options.encoding == batch::Encoding::Utf8WithBom ? batch::Bom : std::string_view());
    encoder.encode(text, encoded);
    encoder.finish(encoded);
    output.write(encoded);

    MonthsSummary summary;
    summary.replacedCharacters = encoder.replaced();
    summary.anyRefused = !result.plan
        || std::any_of(result.rows.begin(), result.rows.end(),
            [](const MonthResult& month) { return month.kind == MonthResult::Kind::Refused; });
    return summary;
}

} // namespace kandelo::months
