#include "program/captions.h"

namespace kandelo::program {

namespace {

constexpr std::string_view IdeographicSpace = "\u3000";
constexpr std::string_view FullWidthColon = "：";

bool takeSuffix(std::string_view& text, std::string_view suffix)
{
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

bool takeBlank(std::string_view& text)
{
    if (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
        return true;
    }
    return takeSuffix(text, IdeographicSpace);
}

} // namespace

std::string labelOf(std::string_view caption)
{
    while (takeBlank(caption)) {}
    takeSuffix(caption, FullWidthColon);
    while (takeBlank(caption)) {}
    const auto first = caption.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(caption.substr(first));
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
