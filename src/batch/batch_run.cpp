#include "batch/batch_run.h"

#include "batch/batch_row.h"
#include "batch/csv.h"
#include "batch/encoding.h"
#include "batch/headings.h"
#include "batch/input.h"
#include "batch/input_text.h"
#include "batch/messages.h"
#include "batch/options.h"
#include "batch/output.h"

#include <algorithm>

namespace kandelo::batch {

namespace {

constexpr std::size_t ChunkSize = 1 << 16;

// A figure's cell: blanks alone are an empty one; any other goes to the checks as written.
std::string_view fieldOrEmpty(std::string_view field)
{
    return field.find_first_not_of(" \t") == std::string_view::npos ? std::string_view() : field;
}

bool isBlankRow(const std::vector<std::string>& fields)
{
    return std::all_of(
        fields.begin(), fields.end(), [](const std::string& field) { return fieldOrEmpty(field).empty(); });
}

// The second reading: the rows, computed and written.
class RowWriter {
public:
    RowWriter(const Options& options, ByteSink& output, Progress* progress)
        : options_(options)
        , output_(output)
        , encoder_(options.encoding)
        , progress_(progress)
    {
    }

    void take(std::vector<CsvRecord>& records)
    {
        for (CsvRecord& record : records)
            handle(record);
        records.clear();
        write(true);
    }

    RunSummary finish()
    {
        if (!columns_)
            throw BatchError(message::noHeading(options_.input));
        encoder_.finish(encoded_);
        write(false);
        summary_.replacedCharacters = encoder_.replaced();
        return summary_;
    }

private:
    void handle(CsvRecord& record)
    {
        std::vector<std::string>& fields = record.fields;
        if (!columns_) {
            if (fields.size() == 1 && fields.front().empty())
                return; // an empty line before the heading
            // The batch's own result read back: its results are made anew.
            width_ = fields.size();
            fields.resize(inputWidth(fields));
            columns_ = findInputColumns(fields);
            if (options_.encoding == Encoding::Utf8WithBom)
                encoded_ += Bom;
            for (const std::string_view heading : resultHeadings())
                fields.emplace_back(heading);
            append(fields);
            inputWidth_ = fields.size() - resultHeadings().size();
            return;
        }
        while (fields.size() > width_ && fields.back().empty())
            fields.pop_back();
        RowResult result;
        if (fields.size() > width_) {
            fields.resize(inputWidth_);
            result = refusedRow(message::moreFieldsThanHeading(record.line));
        } else {
            fields.resize(inputWidth_);
            result = isBlankRow(fields) ? blankRow() : compute(fields);
        }
        summary_.anyRefused = summary_.anyRefused || result.refused;
        fields.insert(
            fields.end(), std::make_move_iterator(result.cells.begin()), std::make_move_iterator(result.cells.end()));
        append(fields);
        ++summary_.rows;
        if (progress_)
            progress_->row(summary_.rows);
    }

    RowResult compute(const std::vector<std::string>& fields) const
    {
        const auto field = [&fields](std::optional<std::size_t> column) {
            return column ? std::string(fieldOrEmpty(fields[*column])) : std::string();
        };
        return computeRow({field(columns_->kwh), field(columns_->kvarh), field(columns_->hours),
            field(columns_->target), field(columns_->contractKw), field(columns_->unitPrice)});
    }

    void append(const std::vector<std::string>& fields)
    {
        line_.clear();
        appendCsvRecord(line_, fields);
        encoder_.encode(line_, encoded_);
    }

    // Hands what is encoded to the output in large pieces.
    void write(bool onlyWhenLarge)
    {
        if (encoded_.empty() || (onlyWhenLarge && encoded_.size() < ChunkSize))
            return;
        output_.write(encoded_);
        encoded_.clear();
    }

    const Options& options_;
    ByteSink& output_;
    Encoder encoder_;
    Progress* progress_;
    std::optional<InputColumns> columns_;
    std::size_t width_ = 0;      // of the heading
    std::size_t inputWidth_ = 0; // of its input columns, which the output keeps
    std::string line_;
    std::string encoded_;
    RunSummary summary_;
};

} // namespace

RunSummary runBatch(const Options& options, ByteSource& input, ByteSink& output, Progress* progress)
{
    const Encoding encoding = judgeInput(options.input, options.inputEncoding, input);
    RowWriter rows(options, output, progress);
    readRecords(options.input, encoding, input, [&rows](std::vector<CsvRecord>& records) { rows.take(records); });
    RunSummary summary = rows.finish();
    if (progress)
        progress->done(summary.rows);
    return summary;
}

} // namespace kandelo::batch
