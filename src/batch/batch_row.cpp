#include "batch/batch_row.h"

#include "app/messages.h"
#include "input/input_rules.h"
#include "pf/pf_calc.h"
#include "sc/capacitance_calc.h"
#include "sc/sizing_calc.h"

#include <array>

namespace kandelo::batch {

namespace {

// Column positions.
enum Column : std::size_t {
    Kwh,
    Kvarh,
    Pf,
    Phase,
    Note,
    Hours,
    Kw,
    Kvar,
    Kva,
    ScKvar,
    ScKvar2,
    LKvar,
    FirstCapacitance,
    Current = FirstCapacitance + 10,
    Basic,
    Error,
    ColumnCount
};

// A screen text without the leading blanks that only align it: " Lag", and
// the capacitance rows right-aligned in their list.
std::string withoutAligningBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

void setIfProduced(std::vector<std::string>& cells, Column column, const std::optional<std::string>& text)
{
    if (text)
        cells[column] = *text;
}

} // namespace

const std::vector<std::string_view>& resultHeadings()
{
    static const std::vector<std::string_view> headings{
        "有効電力量kWh",
        "無効電力量kvarh",
        "力率（％）",
        "遅れ・進み",
        pf::CommentCaption,
        "積算時間（H）",
        "平均有効電力（ｋW）",
        "平均無効電力（kvar）",
        "平均皮相電力（kVA）",
        "SC定格設備容量（kvar）",
        "SC定格容量（kvar）Ｌ＝ ６％",
        "直列リアクトル定格容量（kvar）Ｌ＝ ６％",
        "静電容量μF 50Ｈｚ 100V",
        "静電容量μF 50Ｈｚ 200V",
        "静電容量μF 50Ｈｚ 400V",
        "静電容量μF 50Ｈｚ 3300V",
        "静電容量μF 50Ｈｚ 6600V",
        "静電容量μF 60Ｈｚ 100V",
        "静電容量μF 60Ｈｚ 200V",
        "静電容量μF 60Ｈｚ 400V",
        "静電容量μF 60Ｈｚ 3300V",
        "静電容量μF 60Ｈｚ 6600V",
        "力率改善のメリット 電流",
        "力率改善のメリット 基本料金",
        "エラー",
    };
    return headings;
}

RowResult blankRow()
{
    RowResult result;
    result.cells.resize(ColumnCount);
    return result;
}

RowResult refusedRow(std::string message)
{
    RowResult result = blankRow();
    result.cells[Error] = std::move(message);
    result.refused = true;
    return result;
}

RowResult computeRow(const Readings& readings)
{
    RowResult result;
    result.cells.resize(ColumnCount);
    const auto refuse = [&result](std::string_view message) {
        result.cells[Error] = message;
        result.refused = true;
        return result;
    };

    const auto kwh = input::checkOkEntry(readings.kwh, app::InputMode::Kwh, 0);
    if (kwh.refusal)
        return refuse(*kwh.refusal);
    const auto kvarh = input::checkOkEntry(readings.kvarh, app::InputMode::Kvarh, 0);
    if (kvarh.refusal)
        return refuse(*kvarh.refusal);

    const pf::PfScreen screen = pf::computePfScreen(kwh.value, kvarh.value);
    result.cells[Kwh] = screen.lblKwh;
    result.cells[Kvarh] = screen.lblKvarh;
    result.cells[Pf] = screen.lblPf;
    result.cells[Phase] = withoutAligningBlanks(pf::phaseCaption(screen.phase));
    if (screen.commentVisible)
        result.cells[Note] = pf::CommentCaption;

    if (readings.hours.empty() && readings.target.empty())
        return result;
    if (screen.phase == pf::Phase::Lead)
        return refuse(app::message::LeadingRefusal);
    const auto hours = input::checkOkEntry(readings.hours, app::InputMode::Hours, screen.intPf);
    if (hours.refusal)
        return refuse(*hours.refusal);
    const auto target = input::checkOkEntry(readings.target, app::InputMode::TargetPf, screen.intPf);
    if (target.refusal)
        return refuse(*target.refusal);

    const app::SharedFigures figures{kwh.value, kvarh.value, hours.value, screen.intPf, target.value};
    sc::SizingState state;
    sc::LoadTexts texts;
    bool failed = false;
    try {
        sc::computeSizing(figures, screen.lblPf, sc::ReactorSixCaption, true, state, texts);
    } catch (...) {
        failed = true;
    }
    setIfProduced(result.cells, Hours, texts.lblHours);
    setIfProduced(result.cells, Kw, texts.lblKw);
    setIfProduced(result.cells, Kvar, texts.lblLagKvar);
    setIfProduced(result.cells, Kva, texts.lblKVA);
    setIfProduced(result.cells, ScKvar, texts.txtScKvar);
    setIfProduced(result.cells, ScKvar2, texts.txtScKvar2);
    setIfProduced(result.cells, LKvar, texts.txtLKvar);
    setIfProduced(result.cells, Current, texts.lblCurrent);
    setIfProduced(result.cells, Basic, texts.lblBasic);
    if (texts.table) {
        std::size_t column = FirstCapacitance;
        for (const auto& list : texts.table->rows)
            for (const std::string& row : list)
                result.cells[column++] = withoutAligningBlanks(row);
    }
    if (failed)
        return refuse(app::message::Failure);
    return result;
}

} // namespace kandelo::batch
