#include "program/typed_text.h"

#include "core/blanks.h"
#include "core/utf8.h"

namespace kandelo::program {

std::string oneLine(std::string_view typed)
{
    std::string line;
    line.reserve(typed.size());
    for (std::size_t at = 0; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == '\r' && at + 1 < typed.size() && typed[at + 1] == '\n')
            ++at;
        line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

std::string typedText(std::string_view typed)
{
    const std::string line = oneLine(typed);
    return std::string(core::firstCharacters(core::trimmedBlanks(line), MaxTypedTextLength));
}

} // namespace kandelo::program
