#include "batch/batch_run.h"

#include "batch/batch_row.h"
#include "batch/csv.h"
#include "batch/encoding.h"
#include "batch/headings.h"
#include "batch/input.h"
#include "batch/messages.h"
#include "batch/options.h"
#include "batch/output.h"

#include <algorithm>

namespace kandelo::batch {

namespace {

constexpr std::size_t ChunkSize = 1 << 16;

std::string_view encodingName(Encoding encoding)
{
    return encoding == Encoding::Cp932 ? "Shift_JIS (CP932)" : "UTF-8";
}

// Reads the input in pieces, the first long enough to show a byte-order mark.
class Pieces {
public:
    explicit Pieces(ByteSource& input)
        : input_(input)
        , buffer_(ChunkSize, '\0')
    {
    }

    std::string_view first()
    {
        std::size_t got = 0;
        while (got < Bom.size()) {
            const std::size_t more = input_.read(buffer_.data() + got, buffer_.size() - got);
            if (more == 0)
                break;
            got += more;
        }
        return {buffer_.data(), got};
    }
    std::string_view next() { return {buffer_.data(), input_.read(buffer_.data(), buffer_.size())}; }
    // The first piece without its byte-order mark; the next one if nothing is left of it.
    std::string_view afterBom(std::string_view first)
    {
        first.remove_prefix(Bom.size());
        return first.empty() ? next() : first;
    }

private:
    ByteSource& input_;
    std::string buffer_;
};

bool startsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

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

// The first reading: the encoding the input is read in, and its quotes.
Encoding judgeInput(const Options& options, ByteSource& input)
{
    Pieces pieces(input);
    std::string_view piece = pieces.first();
    if (startsWith(piece, "\xFF\xFE") || startsWith(piece, "\xFE\xFF"))
        throw BatchError(message::utf16(options.input));
    const bool bom = startsWith(piece, Bom);
    const Encoding stated = options.inputEncoding.value_or(Encoding::Utf8);
    if (bom && stated != Encoding::Cp932)
        piece = pieces.afterBom(piece);

    Decoder decoder(stated);
    CsvReader quotes; // UTF-8 and CP932 alike: their bytes never hide a quote or a line break
    for (; !piece.empty(); piece = pieces.next()) {
        decoder.decode(piece, nullptr);
        quotes.feed(piece);
        quotes.records().clear();
    }
    decoder.finish();
    quotes.finish();

    Encoding encoding = bom && stated != Encoding::Cp932 ? Encoding::Utf8WithBom : stated;
    if (const auto& invalid = decoder.invalid()) {
        if (options.inputEncoding || bom)
            throw BatchError(message::notInEncoding(options.input, invalid->line, invalid->byte, encodingName(stated)));
        // Not UTF-8; CP932 perhaps, throughout.
        Decoder cp932(Encoding::Cp932);
        input.rewind();
        for (piece = pieces.first(); !piece.empty(); piece = pieces.next())
            if (!cp932.decode(piece, nullptr))
                break;
        if (cp932.finish()) {
            encoding = Encoding::Cp932;
        } else {
            // The byte where the longer of the two readings stops.
            const InvalidByte& last = std::max(*invalid, *cp932.invalid(),
                [](const InvalidByte& a, const InvalidByte& b) { return a.offset < b.offset; });
            throw BatchError(message::inNeitherEncoding(options.input, last.line, last.byte));
        }
    }
    if (const auto line = quotes.unclosedQuote())
        throw BatchError(message::unclosedQuote(options.input, *line));
    return encoding;
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
    const Encoding encoding = judgeInput(options, input);

    input.rewind();
    Pieces pieces(input);
    std::string_view piece = pieces.first();
    if (encoding == Encoding::Utf8WithBom)
        piece = pieces.afterBom(piece);
    Decoder decoder(encoding);
    CsvReader reader;
    RowWriter rows(options, output, progress);
    std::string text;
    const auto changed = [&] {
        const InvalidByte& invalid = *decoder.invalid();
        return BatchError(message::notInEncoding(options.input, invalid.line, invalid.byte, encodingName(encoding)));
    };
    for (; !piece.empty(); piece = pieces.next()) {
        text.clear();
        if (!decoder.decode(piece, &text))
            throw changed(); // the input changed since it was judged
        reader.feed(text);
        rows.take(reader.records());
    }
    if (!decoder.finish())
        throw changed();
    reader.finish();
    rows.take(reader.records());
    RunSummary summary = rows.finish();
    if (progress)
        progress->done(summary.rows);
    return summary;
}

} // namespace kandelo::batch
