#include "core/utf8.h"

#include <algorithm>

namespace kandelo::core {

namespace {

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return !isContinuation(c); }));
}

std::string_view firstCharacters(std::string_view utf8, std::size_t count)
{
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        if (isContinuation(utf8[at]))
            continue;
        if (count == 0)
            return utf8.substr(0, at);
        --count;
    }
    return utf8;
}

} // namespace kandelo::core
