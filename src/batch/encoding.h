#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The encodings of files as they come from a Japanese office: UTF-8, with or
// without a byte-order mark, and Shift_JIS as Windows writes it (CP932).
// Every conversion here gives the same result however its text was cut into
// pieces.

namespace kandelo::batch {

enum class Encoding { Utf8, Utf8WithBom, Cp932 };

inline constexpr std::string_view Bom = "\xEF\xBB\xBF";

// The encoding a name on the command line stands for: utf-8, utf-8-bom,
// cp932 or shift_jis, in any letter case; nothing for another name.
std::optional<Encoding> encodingNamed(std::string_view name);

// Counts lines as a text editor does: CR LF, a lone CR or LF ends one.
class LineCounter {
public:
    void feed(std::string_view text) noexcept
    {
        for (const char c : text)
            feed(c);
    }
    void feed(char c) noexcept
    {
        if (c == '\r' || (c == '\n' && !carriageReturn_))
            ++line_;
        carriageReturn_ = c == '\r';
    }
    // The line the next character is on, from 1.
    std::size_t line() const noexcept { return line_; }

private:
    std::size_t line_ = 1;
    bool carriageReturn_ = false;
};

// Where a text stops being of its encoding.
struct InvalidByte {
    std::uint64_t offset = 0; // from the start of what was fed
    std::size_t line = 1;
    unsigned char byte = 0;
};

// Turns text in UTF-8 or CP932, fed in pieces of any size, into UTF-8, and
// stops at the first byte that is not of the encoding: a malformed or cut
// off sequence, or a NUL, which no text file holds. A character cut between
// two pieces is completed by the next.
class Decoder {
public:
    explicit Decoder(Encoding from);

    // Appends the UTF-8 of `bytes` to `out`, or only checks them when `out`
    // is null. False once a byte was invalid; nothing after it is taken.
    bool decode(std::string_view bytes, std::string* out);
    // The text has ended: a character still incomplete is invalid.
    bool finish();
    const std::optional<InvalidByte>& invalid() const noexcept { return invalid_; }

private:
    bool decodeUtf8(std::string_view bytes, std::string* out);
    bool decodeCp932(std::string_view bytes, std::string* out);
    void fail(std::string_view bytes, std::size_t at);

    Encoding from_;
    std::uint64_t offset_ = 0; // of the next byte fed
    LineCounter lines_;
    std::optional<InvalidByte> invalid_;
    // UTF-8: what the next byte of the sequence under way must be.
    int owed_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
    std::uint64_t sequenceOffset_ = 0; // its lead byte
    unsigned char sequenceLead_ = 0;
    std::string pending_; // CP932: a lead byte cut off at the end of a piece
};

// Turns UTF-8 text, fed in pieces of any size, into the output encoding.
// UTF-8 is passed on as it is. For CP932, a character it cannot hold, or a
// malformed sequence, becomes one "?".
class Encoder {
public:
    explicit Encoder(Encoding to);

    void encode(std::string_view utf8, std::string& out);
    // The text has ended: a character still incomplete becomes "?".
    void finish(std::string& out);
    // How many characters were written as "?".
    std::size_t replaced() const noexcept { return replaced_; }

private:
    bool cp932_;          // UTF-8 is passed on as it is
    std::string pending_; // a character cut off at the end of a piece
    std::size_t replaced_ = 0;
};

// The length of a well-formed UTF-8 sequence at the start of `bytes`, or of
// its longest start that could still become one (at least 1).
std::size_t utf8SequenceLength(std::string_view bytes) noexcept;

} // namespace kandelo::batch
