#include "batch/encoding.h"

#include "batch/cp932.h"

namespace kandelo::batch {

namespace {

// The byte ranges of well-formed UTF-8: after a lead byte, the range its first
// continuation byte must lie in (the later ones lie in 80..BF), and how many
// continuation bytes follow. Overlong forms, surrogates and code points past
// U+10FFFF have no lead here.
struct Lead {
    int continuations; // -1: no lead byte
    unsigned char low;
    unsigned char high;
};

Lead leadOf(unsigned char byte) noexcept
{
    if (byte < 0x80)
        return {0, 0, 0};
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1, 0x80, 0xBF};
    if (byte == 0xE0)
        return {2, 0xA0, 0xBF};
    if (byte == 0xED)
        return {2, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {2, 0x80, 0xBF};
    if (byte == 0xF0)
        return {3, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {3, 0x80, 0xBF};
    if (byte == 0xF4)
        return {3, 0x80, 0x8F};
    return {-1, 0, 0};
}

// Appends a code point as UTF-8.
void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point of a whole, well-formed UTF-8 sequence.
char32_t codePointOf(std::string_view sequence)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(sequence[at]); };
    switch (sequence.size()) {
    case 1:
        return byte(0);
    case 2:
        return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    case 3:
        return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    default:
        return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 | (byte(2) & 0x3Fu) << 6 | (byte(3) & 0x3Fu);
    }
}

// The number of bytes of a well-formed UTF-8 sequence with this lead byte;
// 0 for a byte that leads none.
std::size_t sequenceSize(unsigned char lead)
{
    const Lead l = leadOf(lead);
    return l.continuations < 0 ? 0 : static_cast<std::size_t>(l.continuations) + 1;
}

} // namespace

std::optional<Encoding> encodingNamed(std::string_view name)
{
    std::string lower;
    for (const char c : name)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower == "utf-8" || lower == "utf8")
        return Encoding::Utf8;
    if (lower == "utf-8-bom" || lower == "utf8-bom")
        return Encoding::Utf8WithBom;
    if (lower == "cp932" || lower == "shift_jis" || lower == "sjis" || lower == "windows-31j")
        return Encoding::Cp932;
    return std::nullopt;
}

std::size_t utf8SequenceLength(std::string_view bytes) noexcept
{
    if (bytes.empty())
        return 0;
    const Lead lead = leadOf(static_cast<unsigned char>(bytes[0]));
    if (lead.continuations <= 0)
        return 1;
    std::size_t length = 1;
    for (int i = 0; i < lead.continuations && length < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[length]);
        const unsigned char low = i == 0 ? lead.low : 0x80;
        const unsigned char high = i == 0 ? lead.high : 0xBF;
        if (byte < low || byte > high)
            break;
        ++length;
    }
    return length;
}

Decoder::Decoder(Encoding from)
    : from_(from)
{
}

bool Decoder::decode(std::string_view bytes, std::string* out)
{
    if (invalid_)
        return false;
    return from_ == Encoding::Cp932 ? decodeCp932(bytes, out) : decodeUtf8(bytes, out);
}

bool Decoder::finish()
{
    if (invalid_)
        return false;
    if (from_ == Encoding::Cp932) {
        if (!pending_.empty())
            invalid_ =
                InvalidByte{offset_ - pending_.size(), lines_.line(), static_cast<unsigned char>(pending_.front())};
    } else if (owed_ > 0) {
        fail({}, 0);
    }
    return !invalid_;
}

// Records the first invalid byte: bytes[at] of the piece being decoded, or,
// when at is past its end, the lead byte of a sequence left incomplete by an
// earlier piece. Lines are counted up to it.
void Decoder::fail(std::string_view bytes, std::size_t at)
{
    InvalidByte invalid;
    if (at < bytes.size()) {
        lines_.feed(bytes.substr(0, at));
        invalid = {offset_ + at, lines_.line(), static_cast<unsigned char>(bytes[at])};
    } else {
        invalid = {sequenceOffset_, lines_.line(), sequenceLead_};
    }
    invalid_ = invalid;
}

bool Decoder::decodeUtf8(std::string_view bytes, std::string* out)
{
    std::size_t i = 0;
    const std::size_t size = bytes.size();
    while (i < size) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (owed_ > 0) {
            if (byte < low_ || byte > high_) {
                // The sequence breaks off: its lead byte is the first that is no UTF-8.
                const std::uint64_t lead = sequenceOffset_;
                if (lead >= offset_)
                    fail(bytes, static_cast<std::size_t>(lead - offset_));
                else
                    fail(bytes, size);
                return false;
            }
            --owed_;
            low_ = 0x80;
            high_ = 0xBF;
            ++i;
            continue;
        }
        if (byte != 0 && byte < 0x80) {
            ++i;
            continue;
        }
        const Lead lead = leadOf(byte);
        if (byte == 0 || lead.continuations < 0) {
            fail(bytes, i);
            return false;
        }
        owed_ = lead.continuations;
        low_ = lead.low;
        high_ = lead.high;
        sequenceOffset_ = offset_ + i;
        sequenceLead_ = byte;
        ++i;
    }
    if (out)
        out->append(bytes);
    lines_.feed(bytes);
    offset_ += size;
    return true;
}

bool Decoder::decodeCp932(std::string_view bytes, std::string* out)
{
    // A lead byte cut off at the end of the last piece stands before this one.
    offset_ += bytes.size();
    std::string whole;
    if (!pending_.empty()) {
        whole = pending_ + std::string(bytes);
        bytes = whole;
        pending_.clear();
    }
    const std::uint64_t start = offset_ - bytes.size();
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        std::optional<char32_t> codePoint;
        std::size_t size = 1;
        if (cp932::isLeadByte(byte)) {
            if (at + 1 == bytes.size()) {
                pending_ = bytes.substr(at); // completed by the next piece
                break;
            }
            codePoint = cp932::doubleByte(byte, static_cast<unsigned char>(bytes[at + 1]));
            size = 2;
        } else if (byte != 0) { // a NUL is never text
            codePoint = cp932::singleByte(byte);
        }
        if (!codePoint) {
            lines_.feed(bytes.substr(0, at));
            invalid_ = InvalidByte{start + at, lines_.line(), byte};
            return false;
        }
        if (out)
            appendUtf8(*out, *codePoint);
        at += size;
    }
    lines_.feed(bytes.substr(0, at));
    return true;
}

Encoder::Encoder(Encoding to)
    : cp932_(to == Encoding::Cp932)
{
}

void Encoder::encode(std::string_view utf8, std::string& out)
{
    if (!cp932_) {
        out.append(utf8);
        return;
    }
    std::string whole;
    if (!pending_.empty()) {
        whole = pending_ + std::string(utf8);
        utf8 = whole;
        pending_.clear();
    }
    for (std::size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        const std::size_t length = utf8SequenceLength(utf8.substr(at));
        const std::size_t size = sequenceSize(byte);
        if (length < size && at + length == utf8.size()) {
            pending_ = utf8.substr(at); // a character cut off: completed by the next piece
            break;
        }
        // A character CP932 cannot hold, or a malformed sequence: one "?" for it.
        const auto code =
            length == size ? cp932::codeOf(codePointOf(utf8.substr(at, length))) : std::optional<std::uint16_t>{};
        if (!code) {
            out += '?';
            ++replaced_;
        } else if (*code > 0xFF) {
            out += static_cast<char>(*code >> 8);
            out += static_cast<char>(*code & 0xFF);
        } else {
            out += static_cast<char>(*code);
        }
        at += length;
    }
}

void Encoder::finish(std::string& out)
{
    while (!pending_.empty()) {
        out += '?';
        ++replaced_;
        pending_.erase(0, utf8SequenceLength(pending_));
    }
}

} // namespace kandelo::batch
