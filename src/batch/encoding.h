#pragma once

#include <optional>
#include <string>
#include <string_view>

// The encodings of files as they come from a Japanese office: UTF-8, with or
// without a byte-order mark, and Shift_JIS as Windows writes it (CP932).

namespace kandelo::batch {

enum class Encoding { Utf8, Utf8WithBom, Cp932 };

// Tells the encoding of a text fed in pieces: a byte-order mark, valid UTF-8
// throughout, or else CP932. A character cut off at the end of what was fed
// so far does not count against UTF-8.
class EncodingDetector {
public:
    void feed(std::string_view bytes);
    Encoding result() const noexcept;
    // CP932 is certain once a byte is no UTF-8; more bytes change nothing.
    bool decided() const noexcept { return !utf8_; }

private:
    bool started_ = false;
    bool bom_ = false;
    bool utf8_ = true;
    int continuation_ = 0; // continuation bytes still owed by the last lead byte
};

// The encoding of a text from its first bytes alone.
Encoding detectEncoding(std::string_view start);

// The encoding a name on the command line stands for: utf-8, utf-8-bom,
// cp932 or shift_jis, in any letter case; nothing for another name.
std::optional<Encoding> encodingNamed(std::string_view name);

// Turns text, fed in pieces of any size, from one encoding into another. A
// character cut between two pieces is kept until the next; one that the
// target cannot hold becomes "?".
class Transcoder {
public:
    Transcoder(Encoding from, Encoding to);
    ~Transcoder();
    Transcoder(const Transcoder&) = delete;
    Transcoder& operator=(const Transcoder&) = delete;

    // Appends the converted text of `in` to `out`.
    void convert(std::string_view in, std::string& out);

private:
    Encoding from_;
    void* iconv_ = nullptr; // nothing when both sides are UTF-8
    std::string pending_;
};

} // namespace kandelo::batch
