#include "batch/options.h"

#include "batch/messages.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kandelo::batch {

namespace {

// Qt's documented options of a program with windows (QGuiApplication and
// QApplication), which the screens take from the command line.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<QtOption, 14> QtOptions{{
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-display", true},
    {"-geometry", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-reverse", false},
    {"-widgetcount", false},
}};
// Those also written with their value after "=".
constexpr std::array<std::string_view, 3> QtAssignedOptions{"-style=", "-stylesheet=", "-qmljsdebugger="};

// How many arguments a Qt option at `at` takes up, with its value; 0 for none.
std::size_t qtOptionLength(const std::vector<std::string>& arguments, std::size_t at)
{
    const std::string_view argument = arguments[at];
    for (const std::string_view assigned : QtAssignedOptions)
        if (argument.size() > assigned.size() && argument.substr(0, assigned.size()) == assigned)
            return 1;
    for (const QtOption& option : QtOptions) {
        if (argument != option.name)
            continue;
        if (!option.takesValue)
            return 1;
        return at + 1 < arguments.size() ? 2 : 0;
    }
    return 0;
}

} // namespace

bool wantsCommandLine(const std::vector<std::string>& arguments)
{
    if (monthsWindowOf(arguments))
        return false;
    for (std::size_t at = 0; at < arguments.size();) {
        const std::size_t length = qtOptionLength(arguments, at);
        if (length == 0)
            return true;
        at += length;
    }
    return false;
}

std::optional<MonthsWindow> monthsWindowOf(const std::vector<std::string>& arguments)
{
    std::vector<std::string> rest = withoutQtOptions(arguments);
    const auto months = std::find(rest.begin(), rest.end(), "--months");
    if (months == rest.end() || rest.size() > 2)
        return std::nullopt;
    rest.erase(months);
    if (rest.empty())
        return MonthsWindow{};
    if (rest.front().starts_with('-'))
        return std::nullopt;
    return MonthsWindow{rest.front()};
}

std::vector<std::string> withoutQtOptions(const std::vector<std::string>& arguments)
{
    std::vector<std::string> rest;
    for (std::size_t at = 0; at < arguments.size();) {
        const std::string& argument = arguments[at];
        if (argument == "--") { // the rest are no options
            rest.insert(rest.end(), arguments.begin() + static_cast<std::ptrdiff_t>(at), arguments.end());
            break;
        }
        if (const std::size_t length = qtOptionLength(arguments, at)) {
            at += length;
            continue;
        }
        rest.push_back(argument);
        ++at;
        // An option of the command line whose value is the next argument keeps it, whatever it looks like.
        const bool valueFollows = argument == "--batch" || argument == "--output" || argument == "--encoding"
            || argument == "--input-encoding"
            || (argument.size() > 1 && argument[0] == '-' && argument[1] != '-' && argument.back() == 'o'
                && argument.find('=') == std::string::npos);
        if (valueFollows && at < arguments.size())
            rest.push_back(arguments[at++]);
    }
    return rest;
}

Encoding encodingValue(const std::string& name, bool forInput)
{
    const auto encoding = encodingNamed(name);
    if (!encoding)
        throw BatchError(message::unknownEncoding(name, forInput ? "utf-8, cp932" : "utf-8-bom, utf-8, cp932"));
    return forInput && *encoding == Encoding::Utf8WithBom ? Encoding::Utf8 : *encoding;
}

} // namespace kandelo::batch
