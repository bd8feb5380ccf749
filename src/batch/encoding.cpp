#include "batch/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace kandelo::batch {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that
// cannot start one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

const char* iconvName(Encoding encoding)
{
    return encoding == Encoding::Cp932 ? "CP932" : "UTF-8";
}

} // namespace

void EncodingDetector::feed(std::string_view bytes)
{
    if (!started_) {
        started_ = true;
        bom_ = bytes.substr(0, Bom.size()) == Bom;
    }
    for (std::size_t i = 0; i < bytes.size() && utf8_; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (continuation_ > 0) {
            utf8_ = (byte & 0xC0) == 0x80;
            --continuation_;
            continue;
        }
        const int length = sequenceLength(byte);
        utf8_ = length > 0;
        continuation_ = length - 1;
    }
}

Encoding EncodingDetector::result() const noexcept
{
    if (bom_)
        return Encoding::Utf8WithBom;
    return utf8_ ? Encoding::Utf8 : Encoding::Cp932;
}

Encoding detectEncoding(std::string_view start)
{
    EncodingDetector detector;
    detector.feed(start);
    return detector.result();
}

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

Transcoder::Transcoder(Encoding from, Encoding to)
    : from_(from)
{
    if (from != Encoding::Cp932 && to != Encoding::Cp932)
        return;
    const iconv_t handle = iconv_open(iconvName(to), iconvName(from));
    if (handle == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("CP932 conversion is not available");
    iconv_ = handle;
}

Transcoder::~Transcoder()
{
    if (iconv_)
        iconv_close(static_cast<iconv_t>(iconv_));
}

void Transcoder::convert(std::string_view in, std::string& out)
{
    if (!iconv_) {
        out += in;
        return;
    }
    pending_ += in;
    char* source = pending_.data();
    std::size_t sourceLeft = pending_.size();
    char buffer[4096];
    while (sourceLeft > 0) {
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        const std::size_t result = iconv(static_cast<iconv_t>(iconv_), &source, &sourceLeft, &target, &targetLeft);
        out.append(buffer, static_cast<std::size_t>(target - buffer));
        if (result != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (errno == EINVAL)
            break; // a character cut off: kept for the next piece
        // EILSEQ: a byte the source encoding does not know, or a character the
        // target cannot hold.
        out += '?';
        const int length = from_ == Encoding::Cp932 ? 1 : sequenceLength(static_cast<unsigned char>(*source));
        const std::size_t skip = std::min<std::size_t>(length > 0 ? static_cast<std::size_t>(length) : 1, sourceLeft);
        source += skip;
        sourceLeft -= skip;
    }
    pending_.erase(0, pending_.size() - sourceLeft);
}

} // namespace kandelo::batch
