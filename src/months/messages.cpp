#include "months/messages.h"

#include "months/captions.h"
#include "months/months_calc.h"

#include <string>

namespace kandelo::months::message {

namespace {

std::string number(std::size_t value)
{
    return std::to_string(value);
}

} // namespace

Text noEnergyColumns()
{
    return {"見出しに有効電力量と無効電力量の列（または有効指示数と無効指示数の列）がありません",
        "no columns of the active and reactive energy (有効電力量, 無効電力量) or of the register readings "
        "(有効指示数, 無効指示数) in the heading"};
}

Text moreFieldsThanHeading(std::size_t line)
{
    return {number(line) + " 行目に見出しより多くの項目があります",
        "line " + number(line) + " has more fields than the heading"};
}

Text tooManyMonths(std::size_t line)
{
    return {number(line) + " 行目：" + std::string(TooManyMonthsNote),
        "line " + number(line) + ": at most " + number(MaxMonths) + " months"};
}

Text unknownSetting(std::string_view caption, std::string_view value, std::size_t line)
{
    return {number(line) + " 行目：" + std::string(caption) + "「" + std::string(value) + "」は読めません",
        "line " + number(line) + ": cannot read " + std::string(caption) + " \"" + std::string(value) + "\""};
}

Text frequencyNeeded()
{
    return {"周波数を --frequency 50 か --frequency 60 で指定してください（ファイルにもありません）",
        "give the frequency with --frequency 50 or --frequency 60 (the file names none)"};
}

Text targetNeeded()
{
    return {"目標力率を --target で指定してください（ファイルにもありません）",
        "give the target power factor with --target (the file names none)"};
}

Text unknownFrequency(std::string_view value)
{
    return {"周波数「" + std::string(value) + "」は 50 か 60 です",
        "the frequency \"" + std::string(value) + "\" is 50 or 60"};
}

Text inputNeeded()
{
    return {"--months には入力のファイルが要ります（標準入力は「-」）",
        "--months needs an input file (\"-\" for standard input)"};
}

Text oneFile(std::string_view argument)
{
    return {"--months の入力ファイルは一つです：" + std::string(argument) + "（kandelo --help を参照）",
        "--months takes one input file: " + std::string(argument) + " is one too many (see kandelo --help)"};
}

Text onlyWithMonths(std::string_view option)
{
    return {std::string(option) + " は --months と一緒に使います", std::string(option) + " goes with --months"};
}

Text notWithBatch()
{
    return {"--batch と --months は一緒に使えません", "--batch and --months do not go together"};
}

} // namespace kandelo::months::message
