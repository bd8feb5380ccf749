// The batch over any bytes, fed in pieces of different sizes: the CSV reader,
// the encodings and the whole --batch - path give the same result however
// the input is cut, and never crash. The first byte chooses the pieces and
// the encodings; the rest is the input.
#include "batch/batch_run.h"
#include "batch/csv.h"
#include "batch/encoding.h"
#include "batch/input.h"
#include "batch/messages.h"
#include "batch/options.h"
#include "batch/output.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kandelo::batch;

// The sizes of the pieces: 1 to 17 bytes, varying from piece to piece.
class Cuts {
public:
    explicit Cuts(unsigned seed)
        : seed_(seed)
    {
    }
    std::size_t next() { return 1 + (seed_ * 7919u + 31u * ++count_) % 17u; }
    void restart() { count_ = 0; }

private:
    unsigned seed_;
    unsigned count_ = 0;
};

template <typename Feed>
void inPieces(std::string_view text, Cuts cuts, Feed feed)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t size = std::min(cuts.next(), text.size() - at);
        feed(text.substr(at, size));
        at += size;
    }
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Read {
    std::vector<CsvRecord> records;
    std::optional<std::size_t> unclosedQuote;
};

template <typename Feeding>
Read readCsv(Feeding feeding)
{
    CsvReader reader;
    Read read;
    feeding([&](std::string_view piece) {
        reader.feed(piece);
        std::move(reader.records().begin(), reader.records().end(), std::back_inserter(read.records));
        reader.records().clear();
    });
    reader.finish();
    std::move(reader.records().begin(), reader.records().end(), std::back_inserter(read.records));
    read.unclosedQuote = reader.unclosedQuote();
    return read;
}

bool sameRecords(const Read& a, const Read& b)
{
    if (a.records.size() != b.records.size() || a.unclosedQuote != b.unclosedQuote)
        return false;
    for (std::size_t i = 0; i < a.records.size(); ++i)
        if (a.records[i].fields != b.records[i].fields || a.records[i].line != b.records[i].line)
            return false;
    return true;
}

struct Decoded {
    std::string text;
    std::optional<InvalidByte> invalid;
};

template <typename Feeding>
Decoded decode(Encoding from, Feeding feeding)
{
    Decoder decoder(from);
    Decoded decoded;
    feeding([&](std::string_view piece) { decoder.decode(piece, &decoded.text); });
    decoder.finish();
    decoded.invalid = decoder.invalid();
    if (decoded.invalid)
        decoded.text.clear(); // what comes before the invalid byte depends on the pieces
    return decoded;
}

bool sameInvalid(const std::optional<InvalidByte>& a, const std::optional<InvalidByte>& b)
{
    return a.has_value() == b.has_value()
        && (!a || (a->offset == b->offset && a->line == b->line && a->byte == b->byte));
}

template <typename Feeding>
std::pair<std::string, std::size_t> encode(Feeding feeding)
{
    Encoder encoder(Encoding::Cp932);
    std::string out;
    feeding([&](std::string_view piece) { encoder.encode(piece, out); });
    encoder.finish(out);
    return {out, encoder.replaced()};
}

// The input in memory, read in pieces no longer than the cuts give.
class PieceSource final : public ByteSource {
public:
    PieceSource(std::string_view bytes, std::optional<Cuts> cuts)
        : bytes_(bytes)
        , cuts_(cuts)
    {
    }
    std::size_t read(char* buffer, std::size_t size) override
    {
        std::size_t take = std::min(size, bytes_.size() - position_);
        if (cuts_)
            take = std::min(take, cuts_->next());
        bytes_.copy(buffer, take, position_);
        position_ += take;
        return take;
    }
    void rewind() override
    {
        position_ = 0;
        if (cuts_)
            cuts_->restart();
    }

private:
    std::string_view bytes_;
    std::optional<Cuts> cuts_;
    std::size_t position_ = 0;
};

class StringSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { written += bytes; }
    void commit() override {}
    std::string written;
};

std::string runWhole(const Options& options, std::string_view input, std::optional<Cuts> cuts)
{
    PieceSource source(input, cuts);
    StringSink sink;
    try {
        const RunSummary summary = runBatch(options, source, sink, nullptr);
        return sink.written + '|' + std::to_string(summary.rows) + '|' + std::to_string(summary.anyRefused) + '|'
            + std::to_string(summary.replacedCharacters);
    } catch (const BatchError& error) {
        return "error: " + error.message().english;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned seed = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto whole = [text](auto feed) { feed(text); };
    const auto pieces = [text, seed](auto feed) { inPieces(text, Cuts(seed), feed); };

    require(sameRecords(readCsv(whole), readCsv(pieces)));
    for (const Encoding from : {Encoding::Utf8, Encoding::Cp932}) {
        const Decoded a = decode(from, whole);
        const Decoded b = decode(from, pieces);
        require(a.text == b.text && sameInvalid(a.invalid, b.invalid));
    }
    require(encode(whole) == encode(pieces));

    Options options;
    options.input = "-";
    options.encoding = std::array{Encoding::Utf8WithBom, Encoding::Utf8, Encoding::Cp932}[seed % 3];
    const std::optional<Encoding> stated[] = {std::nullopt, Encoding::Utf8, Encoding::Cp932};
    options.inputEncoding = stated[(seed / 3) % 3];
    require(runWhole(options, text, std::nullopt) == runWhole(options, text, Cuts(seed)));
    return 0;
}
