#include "months/sheet.h"

#include "batch/headings.h"
#include "batch/input_text.h"
#include "batch/messages.h"
#include "core/blanks.h"
#include "core/plain_number.h"
#include "months/messages.h"
#include "sc/captions.h"

#include <algorithm>

namespace kandelo::months {

namespace {

// How a heading may name each figure, in the order of Field, and the figure
// as a message names it: the batch's names for the readings it shares.
struct FieldName {
    batch::HeadingName name;
    batch::Text figure;
};

FieldName batchName(batch::Reading reading)
{
    const batch::ReadingName& named = batch::nameOf(reading);
    return {named.name, named.figure};
}

const std::array<FieldName, FieldCount>& fieldNames()
{
    static const std::array<FieldName, FieldCount> names{{
        {{"年月", "month", {"", ""}}, {"年月", "month"}},
        {{"日数", "days", {"日", ""}}, {"日数", "days"}},
        batchName(batch::Reading::Hours),
        batchName(batch::Reading::Kwh),
        batchName(batch::Reading::Kvarh),
        {{"有効指示数", "active_reading", {"", ""}}, {"有効指示数", "active register reading"}},
        {{"無効指示数", "reactive_reading", {"", ""}}, {"無効指示数", "reactive register reading"}},
        {{"乗率", "multiplier", {"倍", ""}}, {"乗率", "multiplier"}},
        batchName(batch::Reading::ContractKw),
        batchName(batch::Reading::UnitPrice),
        {{"請求書の力率", "billed_pf", {"%", ""}}, {"請求書の力率", "billed power factor"}},
    }};
    return names;
}

// A column the window or this file worked out, made anew rather than read.
bool isWorkedOut(std::string_view heading)
{
    const std::string_view trimmed = core::trimmedBlanks(heading);
    return trimmed == BasicChargeHeading
        || std::find(ComputedHeadings.begin(), ComputedHeadings.end(), trimmed) != ComputedHeadings.end();
}

bool isBlank(const std::vector<std::string>& fields)
{
    return std::all_of(
        fields.begin(), fields.end(), [](const std::string& field) { return core::trimmedBlanks(field).empty(); });
}

// What the plan is worked out for, each a caption and its value in the file.
struct Setting {
    std::string_view caption;
    std::string Sheet::*text = nullptr;         // the customer, the site, the person
    std::string PlanSettings::*typed = nullptr; // the target, the costs
};

const std::array<Setting, 6>& typedSettings()
{
    static const std::array<Setting, 6> settings{{
        {TargetCaption, nullptr, &PlanSettings::target},
        {FixedOnlyCostCaption, nullptr, &PlanSettings::fixedOnlyCost},
        {FixedAutoCostCaption, nullptr, &PlanSettings::fixedAutoCost},
        {sc::CustomerCaption, &Sheet::customer, nullptr},
        {sc::SiteCaption, &Sheet::site, nullptr},
        {sc::PersonCaption, &Sheet::person, nullptr},
    }};
    return settings;
}

// Whether a row's first field is a caption of the plan or of its settings:
// the months have ended.
bool isPlanCaption(std::string_view first)
{
    static const std::array<std::string_view, 22> captions{FixedOnlyCaption, FixedPartCaption, AutomaticPartCaption,
        BankCaption, FixedOnlyTotalCaption, FixedAutoTotalCaption, MonthCountCaption, SavingMonthsCaption,
        FixedOnlyYearCaption, FixedAutoYearCaption, FixedOnlyYearEstimateCaption, FixedAutoYearEstimateCaption,
        FixedOnlyPaybackCaption, FixedAutoPaybackCaption, FrequencyCaption, RuleCaption, BasisCaption, StepCaption,
        PlanNoteCaption, sc::UnitsCaption, FixedOnlyCostCaption, FixedAutoCostCaption};
    if (std::find(captions.begin(), captions.end(), first) != captions.end())
        return true;
    return std::any_of(typedSettings().begin(), typedSettings().end(),
        [first](const Setting& setting) { return setting.caption == first; });
}

void readSetting(Sheet& sheet, const batch::CsvRecord& record)
{
    const std::string_view caption = core::trimmedBlanks(record.fields.front());
    const std::string value = record.fields.size() > 1 ? record.fields[1] : std::string();
    const std::string_view trimmed = core::trimmedBlanks(value);
    for (const Setting& setting : typedSettings()) {
        if (setting.caption != caption)
            continue;
        if (setting.text)
            sheet.*setting.text = value;
        else
            sheet.settings.*setting.typed = value;
        return;
    }
    if (caption == FrequencyCaption) {
        sheet.settings.frequency = frequencyNamed(trimmed);
        if (!sheet.settings.frequency && !trimmed.empty())
            throw batch::BatchError(message::unknownSetting(caption, trimmed, record.line));
    } else if (caption == RuleCaption) {
        if (trimmed == StandardRuleText)
            sheet.settings.rule.kind = TariffRule::Kind::Standard;
        else if (trimmed == OtherRuleText)
            sheet.settings.rule.kind = TariffRule::Kind::Other;
        else if (trimmed == NoRuleText)
            sheet.settings.rule.kind = TariffRule::Kind::None;
        else
            throw batch::BatchError(message::unknownSetting(caption, trimmed, record.line));
    } else if (caption == BasisCaption) {
        sheet.settings.rule.basis = value;
    } else if (caption == StepCaption) {
        sheet.settings.rule.step = value;
    }
    // The plan's figures and notes are made anew.
}

std::string_view ruleText(TariffRule::Kind kind)
{
    switch (kind) {
    case TariffRule::Kind::Standard:
        return StandardRuleText;
    case TariffRule::Kind::Other:
        return OtherRuleText;
    case TariffRule::Kind::None:
        break;
    }
    return NoRuleText;
}

// A month's cell worked out as a file holds it: yen without grouping.
std::string fileCell(const MonthResult& month, std::size_t column)
{
    if (column == static_cast<std::size_t>(Computed::FixedOnlyYen) && month.fixedOnlyYen)
        return core::plainNumberText(*month.fixedOnlyYen);
    if (column == static_cast<std::size_t>(Computed::FixedAutoYen) && month.fixedAutoYen)
        return core::plainNumberText(*month.fixedAutoYen);
    return month.cells[column];
}

} // namespace

std::optional<Field> fieldNamed(std::string_view heading)
{
    for (std::size_t at = 0; at < FieldCount; ++at)
        if (batch::headingNames(heading, fieldNames()[at].name))
            return static_cast<Field>(at);
    return std::nullopt;
}

std::vector<MonthEntry> Sheet::entries() const
{
    std::vector<MonthEntry> entries;
    entries.reserve(rows.size());
    for (const std::vector<std::string>& row : rows) {
        MonthEntry entry;
        for (std::size_t field = 0; field < FieldCount; ++field)
            if (columns[field] && *columns[field] < row.size())
                entry.fields[field] = row[*columns[field]];
        entries.push_back(std::move(entry));
    }
    return entries;
}

Sheet standardSheet(const std::vector<std::string>& otherHeadings)
{
    Sheet sheet;
    for (std::size_t field = 0; field < FieldCount; ++field) {
        sheet.headings.emplace_back(FieldHeadings[field]);
        sheet.columns[field] = field;
    }
    sheet.headings.insert(sheet.headings.end(), otherHeadings.begin(), otherHeadings.end());
    return sheet;
}

Sheet readSheet(std::string_view name, const std::vector<batch::CsvRecord>& records)
{
    Sheet sheet;
    auto record = std::find_if(
        records.begin(), records.end(), [](const batch::CsvRecord& each) { return !isBlank(each.fields); });
    if (record == records.end())
        throw batch::BatchError(batch::message::noHeading(name));

    std::vector<std::size_t> kept; // the columns of the months, without those worked out
    for (std::size_t column = 0; column < record->fields.size(); ++column) {
        const std::string& heading = record->fields[column];
        if (isWorkedOut(heading))
            continue;
        if (const std::optional<Field> field = fieldNamed(heading)) {
            std::optional<std::size_t>& place = sheet.columns[static_cast<std::size_t>(*field)];
            if (place)
                throw batch::BatchError(
                    batch::message::sameFigureTwice(fieldNames()[static_cast<std::size_t>(*field)].figure,
                        kept[*place] + 1, sheet.headings[*place], column + 1, heading));
            place = sheet.headings.size();
        }
        kept.push_back(column);
        sheet.headings.push_back(heading);
    }
    while (!kept.empty() && core::trimmedBlanks(sheet.headings.back()).empty()) {
        kept.pop_back(); // empty columns past the heading
        sheet.headings.pop_back();
    }
    const auto has = [&sheet](Field field) { return sheet.columns[static_cast<std::size_t>(field)].has_value(); };
    if (!(has(Field::Kwh) && has(Field::Kvarh)) && !(has(Field::ActiveReading) && has(Field::ReactiveReading)))
        throw batch::BatchError(message::noEnergyColumns());

    const std::size_t width = record->fields.size();
    bool inPlan = false;
    for (++record; record != records.end(); ++record) {
        const std::vector<std::string>& fields = record->fields;
        if (isBlank(fields))
            continue;
        if (inPlan || isPlanCaption(core::trimmedBlanks(fields.front()))) {
            inPlan = true;
            readSetting(sheet, *record);
            continue;
        }
        if (std::any_of(fields.begin() + static_cast<std::ptrdiff_t>(std::min(width, fields.size())), fields.end(),
                [](const std::string& field) { return !core::trimmedBlanks(field).empty(); }))
            throw batch::BatchError(message::moreFieldsThanHeading(record->line));
        std::vector<std::string> row;
        row.reserve(kept.size());
        for (const std::size_t column : kept)
            row.push_back(column < fields.size() ? fields[column] : std::string());
        if (isBlank(row))
            continue; // only columns worked out
        if (sheet.rows.size() == MaxMonths)
            throw batch::BatchError(message::tooManyMonths(record->line));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

Sheet readSheetFile(std::string_view name, std::optional<batch::Encoding> statedEncoding, batch::ByteSource& input)
{
    const batch::Encoding encoding = batch::judgeInput(name, statedEncoding, input);
    std::vector<batch::CsvRecord> records;
    batch::readRecords(name, encoding, input, [&records](std::vector<batch::CsvRecord>& read) {
        records.insert(records.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
        read.clear();
    });
    return readSheet(name, records);
}

std::string sheetText(const Sheet& sheet, const MonthsResult& result)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> heading = sheet.headings;
    heading.insert(heading.end(), ComputedHeadings.begin(), ComputedHeadings.end());
    records.push_back(std::move(heading));
    for (std::size_t at = 0; at < sheet.rows.size(); ++at) {
        std::vector<std::string> row = sheet.rows[at];
        row.resize(sheet.headings.size());
        for (std::size_t column = 0; column < ComputedCount; ++column)
            row.push_back(at < result.rows.size() ? fileCell(result.rows[at], column) : std::string());
        records.push_back(std::move(row));
    }
    records.push_back({});
    for (const PlanItem& item : result.items)
        records.push_back({item.caption, item.fileValue});

    for (const PlanItem& item : settingItems(sheet))
        records.push_back({item.caption, item.fileValue});
    for (const std::string& note : result.notes)
        records.push_back({std::string(PlanNoteCaption), note});
    std::string text;
    for (const std::vector<std::string>& record : records)
        batch::appendCsvRecord(text, record);
    return text;
}

std::vector<PlanItem> settingItems(const Sheet& sheet)
{
    std::vector<PlanItem> items;
    const auto setting = [&items](std::string_view caption, const std::string& value) {
        if (!core::trimmedBlanks(value).empty())
            items.push_back({std::string(caption), value, value});
    };
    const PlanSettings& settings = sheet.settings;
    setting(TargetCaption, settings.target);
    if (settings.frequency)
        setting(FrequencyCaption, std::string(frequencyText(*settings.frequency)));
    setting(RuleCaption, std::string(ruleText(settings.rule.kind)));
    if (settings.rule.kind == TariffRule::Kind::Other) {
        setting(BasisCaption, settings.rule.basis);
        setting(StepCaption, settings.rule.step);
    }
    setting(FixedOnlyCostCaption, settings.fixedOnlyCost);
    setting(FixedAutoCostCaption, settings.fixedAutoCost);
    setting(sc::CustomerCaption, sheet.customer);
    setting(sc::SiteCaption, sheet.site);
    setting(sc::PersonCaption, sheet.person);
    return items;
}

std::optional<Frequency> frequencyNamed(std::string_view name)
{
    std::string folded;
    for (const char c : core::trimmedBlanks(name))
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (folded == "50" || folded == "50hz")
        return Frequency::Hz50;
    if (folded == "60" || folded == "60hz")
        return Frequency::Hz60;
    return std::nullopt;
}

} // namespace kandelo::months
