#include "program/captions.h"

#include "core/blanks.h"

namespace kandelo::program {

namespace {

constexpr std::string_view IdeographicSpace = "\u3000";
constexpr std::string_view FullWidthColon = "：";

bool takeSuffix(std::string_view& text, std::string_view suffix)
{
    if (!text.ends_with(suffix))
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

} // namespace

std::string labelOf(std::string_view caption)
{
    caption = core::trimmedBlanks(caption);
    takeSuffix(caption, FullWidthColon);
    return std::string(core::trimmedBlanks(caption));
}

std::string withSingleBlanks(std::string_view text)
{
    std::string single;
    bool blank = false;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == ' ' || text.substr(at, IdeographicSpace.size()) == IdeographicSpace) {
            blank = true;
            at += text[at] == ' ' ? 1 : IdeographicSpace.size();
            continue;
        }
        if (blank && !single.empty())
            single += ' ';
        blank = false;
        single += text[at++];
    }
    return single;
}

} // namespace kandelo::program
