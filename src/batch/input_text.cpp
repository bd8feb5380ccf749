#include "batch/input_text.h"

#include "batch/input.h"
#include "batch/messages.h"

#include <algorithm>

namespace kandelo::batch {

namespace {

// The size of the pieces the input is read in.
constexpr std::size_t PieceSize = 1 << 16;

std::string_view encodingName(Encoding encoding)
{
    return encoding == Encoding::Cp932 ? "Shift_JIS (CP932)" : "UTF-8";
}

// Reads the input in pieces, the first long enough to show a byte-order mark.
class Pieces {
public:
    explicit Pieces(ByteSource& input)
        : input_(input)
        , buffer_(PieceSize, '\0')
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

} // namespace

Encoding judgeInput(std::string_view name, std::optional<Encoding> statedEncoding, ByteSource& input)
{
    Pieces pieces(input);
    std::string_view piece = pieces.first();
    if (startsWith(piece, "\xFF\xFE") || startsWith(piece, "\xFE\xFF"))
        throw BatchError(message::utf16(name));
    const bool bom = startsWith(piece, Bom);
    const Encoding stated = statedEncoding.value_or(Encoding::Utf8);
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
        if (statedEncoding || bom)
            throw BatchError(message::notInEncoding(name, invalid->line, invalid->byte, encodingName(stated)));
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
            throw BatchError(message::inNeitherEncoding(name, last.line, last.byte));
        }
    }
    if (const auto line = quotes.unclosedQuote())
        throw BatchError(message::unclosedQuote(name, *line));
    return encoding;
}

void readRecords(std::string_view name, Encoding encoding, ByteSource& input,
    const std::function<void(std::vector<CsvRecord>&)>& take)
{
    input.rewind();
    Pieces pieces(input);
    std::string_view piece = pieces.first();
    if (encoding == Encoding::Utf8WithBom)
        piece = pieces.afterBom(piece);
    Decoder decoder(encoding);
    CsvReader reader;
    std::string text;
    const auto changed = [&] {
        const InvalidByte& invalid = *decoder.invalid();
        return BatchError(message::notInEncoding(name, invalid.line, invalid.byte, encodingName(encoding)));
    };
    for (; !piece.empty(); piece = pieces.next()) {
        text.clear();
        if (!decoder.decode(piece, &text))
            throw changed(); // the input changed since it was judged
        reader.feed(text);
        take(reader.records());
    }
    if (!decoder.finish())
        throw changed();
    reader.finish();
    take(reader.records());
}

} // namespace kandelo::batch
