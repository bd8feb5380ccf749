#include "batch/headings.h"

#include "batch/messages.h"
#include "core/blanks.h"
#include "pf/pf_calc.h"
#include "program/captions.h"
#include "sc/capacitance_calc.h"
#include "sc/captions.h"

#include <algorithm>
#include <array>

namespace kandelo::batch {

namespace {

const std::array<ReadingName, 6>& readingNames()
{
    static const std::array<ReadingName, 6> names{{
        {Reading::Kwh, {"有効電力量", "kwh", {"kwh", ""}}, {"有効電力量", "active energy"}},
        {Reading::Kvarh, {"無効電力量", "kvarh", {"kvarh", ""}}, {"無効電力量", "reactive energy"}},
        {Reading::Hours, {"積算時間", "hours", {"h", ""}}, {"積算時間", "metering hours"}},
        {Reading::Target, {"目標力率", "target", {"%", ""}}, {"目標力率", "target power factor"}},
        {Reading::ContractKw, {"契約電力", "contract_kw", {"kw", ""}}, {"契約電力", "contract demand"}},
        {Reading::UnitPrice, {"基本料金単価", "unit_price", {"円/kw", "円"}}, {"基本料金単価", "unit price"}},
    }};
    return names;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> Brackets{{{"(", ")"}, {"[", "]"}}};

// A heading with its full-width letters, digits, signs and brackets, and its
// ideographic spaces, in half width: "契約電力（ｋW）" reads "契約電力(kW)".
std::string halfWidth(std::string_view heading)
{
    std::string folded;
    folded.reserve(heading.size());
    for (std::size_t at = 0; at < heading.size(); ++at) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(heading[at + i]); };
        if (at + 2 < heading.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            folded += ' '; // U+3000
            at += 2;
            continue;
        }
        // U+FF01 to U+FF5E: EF BC 81..BF and EF BD 80..9E stand for 0x21 to 0x7E.
        if (at + 2 < heading.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)) {
            const unsigned code = (byte(1) == 0xBC ? 0 : 0x40) + byte(2) - 0x80;
            if (code >= 0x01 && code <= 0x5E) {
                folded += static_cast<char>(code + 0x20);
                at += 2;
                continue;
            }
        }
        folded += heading[at];
    }
    return folded;
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether text starts with prefix, ASCII letters in any case; the rest is cut from text.
bool takePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lowerAscii(text[i]) != prefix[i])
            return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool takeSuffix(std::string_view& text, std::string_view suffix)
{
    if (!text.ends_with(suffix))
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

bool isUnitOf(std::string_view text, const HeadingName& name)
{
    for (const std::string_view unit : name.units) {
        std::string_view rest = text;
        if (!unit.empty() && takePrefix(rest, unit) && rest.empty())
            return true;
    }
    return false;
}

// What follows a reading's name: nothing, its unit, or its unit in brackets.
bool isUnitPart(std::string_view rest, const HeadingName& name)
{
    rest = core::trimmedBlanks(rest);
    if (rest.empty() || isUnitOf(rest, name))
        return true;
    for (const auto& [open, close] : Brackets) {
        std::string_view inner = rest;
        if (takePrefix(inner, open) && takeSuffix(inner, close) && isUnitOf(core::trimmedBlanks(inner), name))
            return true;
    }
    return false;
}

// A caption up to its first blank: "基本料金 （…）" gives "基本料金".
std::string_view firstWord(std::string_view caption)
{
    return caption.substr(0, caption.find(' '));
}

// The headings of the result columns, built from the screens' captions.
std::vector<std::string> resultHeadingTexts()
{
    using program::labelOf;
    const auto text = [](std::string_view caption) { return std::string(caption); };
    std::vector<std::string> headings(ColumnCount);
    headings[Kwh] = text(pf::KwhCaption);
    headings[Kvarh] = text(pf::KvarhCaption);
    headings[Pf] = text(pf::PfLabel);
    headings[Phase] = text(pf::PhaseLabel);
    headings[Note] = text(pf::CommentCaption);
    headings[Hours] = labelOf(sc::HoursCaption);
    headings[Kw] = labelOf(sc::KwCaption);
    headings[Kvar] = labelOf(sc::KvarCaption);
    headings[Kva] = labelOf(sc::KvaCaption);
    headings[ScKvar] = labelOf(sc::ScKvarCaption);
    headings[ScKvar2] = labelOf(sc::ScKvar2Caption) + text(sc::ReactorSixCaption);
    headings[LKvar] = labelOf(sc::LKvarCaption) + text(sc::ReactorSixCaption);
    // A capacitance: Frame2's caption without its blanks and bracket, the
    // list's column head and the row's voltage in V.
    std::string capacitance;
    for (const char c : program::withSingleBlanks(sc::Frame2CaptionStart))
        if (c != ' ' && c != '(')
            capacitance += c;
    std::size_t column = FirstCapacitance;
    for (const std::string_view frequency : sc::FrequencyHeads)
        for (const std::string_view volts : sc::voltageHeads(true, sc::ReactorSixCaption))
            headings[column++] = capacitance + ' ' + text(frequency) + ' ' + text(volts) + 'V';
    headings[Current] = program::withSingleBlanks(labelOf(sc::CurrentCaption));
    headings[Basic] = text(firstWord(sc::CurrentCaption)) + ' ' + text(firstWord(sc::BasicCaption));
    // A caption and its frequency: "構成 50Hz", "設置後の力率（％）50Hz".
    const auto ofFrequency = [&text](std::string_view caption, std::size_t frequency) {
        return text(caption) + (caption.ends_with("）") ? "" : " ") + text(sc::CatalogueFrequencies[frequency]);
    };
    for (std::size_t frequency = 0; frequency < 2; ++frequency) {
        const std::size_t first = frequency == 0 ? UnitTotal50 : UnitTotal60;
        headings[first] = ofFrequency(sc::UnitTotalCaption, frequency);
        headings[first + 1] = ofFrequency(sc::UnitsCaption, frequency);
        headings[first + 2] = ofFrequency(sc::PfAfterCaption, frequency);
        headings[Saving50 + frequency] = ofFrequency(sc::MonthlySavingCaption, frequency);
    }
    headings[Error] = "エラー";
    return headings;
}

} // namespace

const ReadingName& nameOf(Reading reading)
{
    return readingNames()[static_cast<std::size_t>(reading)];
}

const std::vector<std::string_view>& resultHeadings()
{
    static const std::vector<std::string> texts = resultHeadingTexts();
    static const std::vector<std::string_view> headings(texts.begin(), texts.end());
    return headings;
}

bool headingNames(std::string_view typed, const HeadingName& name)
{
    const std::string folded = halfWidth(typed);
    const std::string_view heading = core::trimmedBlanks(folded);
    for (const std::string_view spelling : {name.japanese, name.english}) {
        std::string_view rest = heading;
        if (!spelling.empty() && takePrefix(rest, spelling) && isUnitPart(rest, name))
            return true;
    }
    return false;
}

std::optional<Reading> readingNamed(std::string_view heading)
{
    for (const ReadingName& name : readingNames())
        if (headingNames(heading, name.name))
            return name.reading;
    return std::nullopt;
}

std::size_t inputWidth(const std::vector<std::string>& heading)
{
    const std::vector<std::string_view>& results = resultHeadings();
    if (heading.size() < results.size())
        return heading.size();
    const std::size_t width = heading.size() - results.size();
    return std::equal(results.begin(), results.end(), heading.begin() + static_cast<std::ptrdiff_t>(width))
        ? width
        : heading.size();
}

InputColumns findInputColumns(const std::vector<std::string>& heading)
{
    std::array<std::optional<std::size_t>, 6> found;
    for (std::size_t column = 0; column < heading.size(); ++column) {
        const auto reading = readingNamed(heading[column]);
        if (!reading)
            continue;
        auto& place = found[static_cast<std::size_t>(*reading)];
        if (place)
            throw BatchError(message::sameFigureTwice(
                nameOf(*reading).figure, *place + 1, heading[*place], column + 1, heading[column]));
        place = column;
    }
    if (!found[0])
        throw BatchError(message::noActiveEnergyColumn());
    if (!found[1])
        throw BatchError(message::noReactiveEnergyColumn());
    return {*found[0], *found[1], found[2], found[3], found[4], found[5]};
}

} // namespace kandelo::batch
