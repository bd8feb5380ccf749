#include "report/screen_texts.h"

#include "calculation/steps.h"
#include "core/blanks.h"
#include "core/plain_number.h"
#include "pf/pf_calc.h"
#include "program/captions.h"
#include "program/typed_text.h"
#include "sc/captions.h"
#include "sc/sizing_result.h"
#include "sc/unit_selection.h"

namespace kandelo::report {

namespace {

std::string str(std::string_view text)
{
    return std::string(text);
}

// The selection as its window shows it: a row for each figure, those of the
// light load and the saving where they were given.
SelectionTexts selectionTexts(const sc::UnitSelection& selection)
{
    const sc::FrequencySelection& at50 = selection.frequencies[0];
    const sc::FrequencySelection& at60 = selection.frequencies[1];
    SelectionTexts texts;
    const auto row = [&](std::string_view caption, auto cell) {
        texts.rows.push_back({str(caption), cell(at50), cell(at60)});
    };
    const auto pf = [](const std::optional<sc::PfWithUnit>& with) {
        return with ? sc::pfWithUnitText(*with) : std::string();
    };
    row(sc::UnitTotalCaption, [](const sc::FrequencySelection& f) { return f.total; });
    row(sc::UnitsCaption, [](const sc::FrequencySelection& f) { return f.composition; });
    row(str(sc::UnitCapacitorCaption) + selection.reactor,
        [](const sc::FrequencySelection& f) { return f.capacitorRating; });
    row(sc::UnitReactorCaption, [](const sc::FrequencySelection& f) { return f.reactorRating; });
    row(sc::PfAfterCaption, [&](const sc::FrequencySelection& f) { return pf(f.pf); });
    const auto any = [&](auto given) { return given(at50) || given(at60); };
    if (any([](const sc::FrequencySelection& f) { return f.lightLoadPf.has_value(); }))
        row(sc::LightLoadPfCaption, [&](const sc::FrequencySelection& f) { return pf(f.lightLoadPf); });
    const bool saving = any([](const sc::FrequencySelection& f) { return f.monthlySaving.has_value(); });
    if (saving) {
        const auto yen = [](const std::optional<double>& saving) {
            return saving ? sc::yenText(*saving) : std::string();
        };
        row(sc::MonthlySavingCaption, [&](const sc::FrequencySelection& f) { return yen(f.monthlySaving); });
        row(sc::YearlySavingCaption, [&](const sc::FrequencySelection& f) { return yen(f.yearlySaving); });
    }
    for (const sc::GivenFigure& given : selection.given)
        texts.given.push_back({str(given.caption), given.value});
    texts.notes = sc::warningsOf(selection);
    if (saving)
        texts.notes.push_back(str(sc::ContractNote));
    return texts;
}

} // namespace

PfScreenTexts screenTexts(const pf::PfScreen& result)
{
    PfScreenTexts texts{result.lblKwh, result.lblKvarh, result.lblPf, pf::phaseText(result.phase), std::nullopt};
    if (result.commentVisible)
        texts.note = str(pf::CommentCaption);
    return texts;
}

ScScreenTexts screenTexts(const sc::SizingResult& result, const program::Calculation& figures)
{
    using sc::shownText;
    const sc::LoadTexts& shown = result.texts;
    ScScreenTexts texts;
    texts.hours = shownText(shown.lblHours, "lblHours");
    texts.target = core::plainNumberText(figures.intTargetPf);
    texts.kwCaption = str(sc::KwCaption);
    texts.kw = shownText(shown.lblKw, "lblKw");
    texts.kvarCaption = str(sc::KvarCaption);
    texts.kvar = shownText(shown.lblLagKvar, "lblLagKvar");
    texts.kvaCaption = str(sc::KvaCaption);
    texts.kva = shownText(shown.lblKVA, "lblKVA");
    texts.sentence = shownText(shown.lblPf, "Label4");
    texts.scCaption = str(sc::ScKvarCaption);
    texts.scKvar = shownText(shown.txtScKvar, "txtScKvar");
    texts.reactor = result.lblL;
    texts.sc2Caption = str(sc::ScKvar2Caption);
    texts.scKvar2 = shownText(shown.txtScKvar2, "txtScKvar2");
    texts.lCaption = str(sc::LKvarCaption);
    texts.lKvar = shownText(shown.txtLKvar, "txtLKvar");
    texts.withReactor = !result.option2Selected;
    texts.tableCaption = shownText(shown.frame2, "Frame2");
    texts.tableHeadings = {str(sc::VoltageHead), str(sc::FrequencyHeads[0]), str(sc::FrequencyHeads[1])};
    constexpr std::size_t TypedVoltageRow = 5;
    const auto& lists = result.lists;
    for (std::size_t row = 0; row < lists[0].size(); ++row) {
        const bool typed = row == TypedVoltageRow;
        // A list row without the blanks that only align it.
        const std::string cell50 = str(core::trimmedBlanks(lists[0][row]));
        if (typed && cell50.empty())
            continue;
        const std::string cell60 = row < lists[1].size() ? str(core::trimmedBlanks(lists[1][row])) : std::string();
        texts.rows.push_back({typed ? str(core::trimmedBlanks(result.text1)) : result.rowHeads[row], cell50, cell60});
    }
    texts.currentCaption = str(sc::CurrentCaption);
    texts.current = shownText(shown.lblCurrent, "lblCurrent");
    texts.basicCaption = str(sc::BasicCaption);
    texts.basic = shownText(shown.lblBasic, "lblBasic");
    texts.selection = selectionTexts(calculation::ratedUnits(figures, result.texts, result.lblL));
    const program::SelectionInputs& given = figures.selection;
    for (const auto& [caption, typed] : {std::pair{sc::CustomerCaption, &given.customer},
             std::pair{sc::SiteCaption, &given.site}, std::pair{sc::PersonCaption, &given.person}})
        if (std::string text = program::typedText(*typed); !text.empty())
            texts.header.push_back({str(caption), std::move(text)});
    return texts;
}

} // namespace kandelo::report
