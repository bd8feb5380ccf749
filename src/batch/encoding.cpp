#include "batch/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

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

iconv_t openIconv(const char* to, const char* from)
{
    const iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("the system has no CP932 conversion (iconv)");
    return handle;
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
    if (from_ == Encoding::Cp932)
        iconv_ = openIconv("UTF-8", "CP932");
}

Decoder::~Decoder()
{
    if (iconv_)
        iconv_close(static_cast<iconv_t>(iconv_));
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
    // pending_ starts at offset_ - pending_.size(); the piece follows it.
    const std::uint64_t start = offset_ - pending_.size();
    pending_.append(bytes);
    offset_ += bytes.size();
    // A NUL is never part of a CP932 character, and iconv would take it.
    const std::size_t nul = pending_.find('\0');
    const std::size_t convertible = nul == std::string::npos ? pending_.size() : nul;

    char* source = pending_.data();
    std::size_t sourceLeft = convertible;
    char buffer[4096];
    bool valid = true;
    while (sourceLeft > 0) {
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        const std::size_t result = iconv(static_cast<iconv_t>(iconv_), &source, &sourceLeft, &target, &targetLeft);
        if (out)
            out->append(buffer, static_cast<std::size_t>(target - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        if (errno == EINVAL && nul == std::string::npos)
            break;     // a character cut off: completed by the next piece
        valid = false; // EILSEQ, or a lead byte that a NUL cut off
        break;
    }
    const std::size_t consumed = static_cast<std::size_t>(source - pending_.data());
    if (valid && nul != std::string::npos)
        valid = false;
    if (!valid) {
        lines_.feed(std::string_view(pending_).substr(0, consumed));
        invalid_ = InvalidByte{start + consumed, lines_.line(), static_cast<unsigned char>(pending_[consumed])};
        return false;
    }
    lines_.feed(std::string_view(pending_).substr(0, consumed));
    pending_.erase(0, consumed);
    return true;
}

Encoder::Encoder(Encoding to)
{
    if (to == Encoding::Cp932)
        iconv_ = openIconv("CP932", "UTF-8");
}

Encoder::~Encoder()
{
    if (iconv_)
        iconv_close(static_cast<iconv_t>(iconv_));
}

void Encoder::encode(std::string_view utf8, std::string& out)
{
    if (!iconv_) {
        out.append(utf8);
        return;
    }
    pending_.append(utf8);
    char* source = pending_.data();
    std::size_t sourceLeft = pending_.size();
    char buffer[4096];
    while (sourceLeft > 0) {
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        const std::size_t result = iconv(static_cast<iconv_t>(iconv_), &source, &sourceLeft, &target, &targetLeft);
        out.append(buffer, static_cast<std::size_t>(target - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        if (errno == EINVAL)
            break; // a character cut off: completed by the next piece
        // A character CP932 cannot hold, or a malformed sequence: one "?" for it.
        const std::size_t skip = utf8SequenceLength({source, sourceLeft});
        out += '?';
        ++replaced_;
        source += skip;
        sourceLeft -= skip;
    }
    pending_.erase(0, pending_.size() - sourceLeft);
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
