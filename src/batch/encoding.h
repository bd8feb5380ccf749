#pragma once

#include <optional>
#include <string>
#include <string_view>

// The encodings of files as they come from a Japanese office: UTF-8, with or
// without a byte-order mark, and Shift_JIS as Windows writes it (CP932).

namespace kandelo::batch {

enum class Encoding { Utf8, Utf8WithBom, Cp932 };

// The encoding of a file from its first bytes: a byte-order mark, valid UTF-8
// (an incomplete character at the very end of `start` allowed), or CP932.
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
