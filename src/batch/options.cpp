#include "batch/options.h"

#include "batch/messages.h"

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

enum class Option { Batch, Output, Encoding, InputEncoding, Help, Version };

struct OptionName {
    Option option;
    std::string_view longName;
    char shortName; // 0: none
    bool takesValue;
};
constexpr std::array<OptionName, 6> OptionNames{{
    {Option::Batch, "batch", 0, true},
    {Option::Output, "output", 'o', true},
    {Option::Encoding, "encoding", 0, true},
    {Option::InputEncoding, "input-encoding", 0, true},
    {Option::Help, "help", 'h', false},
    {Option::Version, "version", 0, false},
}};

const OptionName* longOption(std::string_view name)
{
    for (const OptionName& option : OptionNames)
        if (option.longName == name)
            return &option;
    return nullptr;
}

const OptionName* shortOption(char name)
{
    for (const OptionName& option : OptionNames)
        if (option.shortName != 0 && option.shortName == name)
            return &option;
    return nullptr;
}

Encoding encodingValue(const std::string& name, bool forInput)
{
    const auto encoding = encodingNamed(name);
    if (!encoding)
        throw BatchError(message::unknownEncoding(name, forInput ? "utf-8, cp932" : "utf-8-bom, utf-8, cp932"));
    return forInput && *encoding == Encoding::Utf8WithBom ? Encoding::Utf8 : *encoding;
}

class Reader {
public:
    explicit Reader(const std::vector<std::string>& arguments)
        : arguments_(arguments)
    {
    }

    Invocation read()
    {
        bool optionsEnded = false;
        for (index_ = 0; index_ < arguments_.size(); ++index_) {
            const std::string& argument = arguments_[index_];
            if (optionsEnded)
                throw BatchError(message::unexpectedArgument(argument));
            if (argument == "--") {
                optionsEnded = true;
            } else if (argument.rfind("--", 0) == 0) {
                readLong(argument);
            } else if (argument.size() > 1 && argument[0] == '-') {
                if (const std::size_t length = qtOptionLength(arguments_, index_))
                    index_ += length - 1;
                else
                    readShort(argument);
            } else {
                throw BatchError(message::unexpectedArgument(argument));
            }
        }
        if (seen(Option::Help))
            return {Invocation::Kind::Help, {}};
        if (seen(Option::Version))
            return {Invocation::Kind::Version, {}};
        if (!seen(Option::Batch))
            throw BatchError(message::nothingToDo());
        return {Invocation::Kind::Batch, options_};
    }

private:
    // --name, --name=value or --name value.
    void readLong(const std::string& argument)
    {
        const auto assign = argument.find('=');
        const std::string name = argument.substr(2, assign == std::string::npos ? std::string::npos : assign - 2);
        const OptionName* option = longOption(name);
        if (!option || (!option->takesValue && assign != std::string::npos))
            throw BatchError(message::unknownOption(argument.substr(0, assign)));
        if (!option->takesValue)
            return take(*option, "--" + name, {});
        if (assign != std::string::npos)
            return take(*option, "--" + name, argument.substr(assign + 1));
        take(*option, "--" + name, nextValue("--" + name));
    }

    // -h, -o value, -ovalue, -o=value, and flags run together (-h…).
    void readShort(const std::string& argument)
    {
        for (std::size_t at = 1; at < argument.size(); ++at) {
            const OptionName* option = shortOption(argument[at]);
            if (!option)
                throw BatchError(message::unknownOption(argument));
            const std::string name = std::string("-") + argument[at];
            if (!option->takesValue) {
                take(*option, name, {});
                continue;
            }
            std::size_t value = at + 1;
            if (value < argument.size() && argument[value] == '=')
                ++value;
            if (value < argument.size())
                return take(*option, name, argument.substr(value));
            return take(*option, name, nextValue(name));
        }
    }

    std::string nextValue(const std::string& name)
    {
        if (index_ + 1 >= arguments_.size())
            throw BatchError(message::missingValue(name));
        return arguments_[++index_];
    }

    void take(const OptionName& option, const std::string& name, const std::string& value)
    {
        bool& given = given_[static_cast<std::size_t>(option.option)];
        if (given)
            throw BatchError(message::givenTwice(name));
        given = true;
        switch (option.option) {
        case Option::Batch:
            options_.input = value;
            break;
        case Option::Output:
            if (value != "-")
                options_.output = value;
            break;
        case Option::Encoding:
            options_.encoding = encodingValue(value, false);
            break;
        case Option::InputEncoding:
            options_.inputEncoding = encodingValue(value, true);
            break;
        case Option::Help:
        case Option::Version:
            break;
        }
    }

    bool seen(Option option) const { return given_[static_cast<std::size_t>(option)]; }

    const std::vector<std::string>& arguments_;
    std::size_t index_ = 0;
    Options options_;
    std::array<bool, OptionNames.size()> given_{};
};

} // namespace

bool wantsCommandLine(const std::vector<std::string>& arguments)
{
    for (std::size_t at = 0; at < arguments.size();) {
        const std::size_t length = qtOptionLength(arguments, at);
        if (length == 0)
            return true;
        at += length;
    }
    return false;
}

Invocation parseArguments(const std::vector<std::string>& arguments)
{
    return Reader(arguments).read();
}

} // namespace kandelo::batch
