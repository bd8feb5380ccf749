#include "report/screen_texts.h"

#include "core/plain_number.h"
#include "pf/pf_calc.h"
#include "sc/captions.h"
#include "sc/sizing_result.h"

namespace kandelo::report {

namespace {

std::string str(std::string_view text)
{
    return std::string(text);
}

// A list row without the blanks that only align it.
std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

PfScreenTexts screenTexts(const pf::PfScreen& result)
{
    PfScreenTexts texts{result.lblKwh, result.lblKvarh, result.lblPf, pf::phaseText(result.phase), std::nullopt};
    if (result.commentVisible)
        texts.note = str(pf::CommentCaption);
    return texts;
}

ScScreenTexts screenTexts(const sc::SizingResult& result)
{
    using sc::shownText;
    const sc::LoadTexts& shown = result.texts;
    ScScreenTexts texts;
    texts.hours = shownText(shown.lblHours, "lblHours");
    texts.target = core::plainNumberText(result.intTargetPf);
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
        const std::string cell50 = trimmed(lists[0][row]);
        if (typed && cell50.empty())
            continue;
        const std::string cell60 = row < lists[1].size() ? trimmed(lists[1][row]) : std::string();
        texts.rows.push_back({typed ? trimmed(result.text1) : result.rowHeads[row], cell50, cell60});
    }
    texts.currentCaption = str(sc::CurrentCaption);
    texts.current = shownText(shown.lblCurrent, "lblCurrent");
    texts.basicCaption = str(sc::BasicCaption);
    texts.basic = shownText(shown.lblBasic, "lblBasic");
    return texts;
}

} // namespace kandelo::report
