#include "months/months_run.h"

#include "batch/encoding.h"
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
    Sheet sheet = readSheetFile(options.input, options.inputEncoding, input);
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
    const std::string text = sheetText(sheet, result);
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
