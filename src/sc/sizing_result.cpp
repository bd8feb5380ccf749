#include "sc/sizing_result.h"

namespace kandelo::sc {

namespace {

constexpr std::size_t TypedVoltageRow = 5;

// Sets a row; a list with fewer rows is filled out with empty ones first, as
// a list box gets a row appended when it holds exactly as many as its number.
void setListRow(SizingResult& result, std::size_t list, std::size_t row, std::string text)
{
    std::vector<std::string>& rows = result.lists[list];
    if (rows.size() <= row)
        rows.resize(row + 1);
    rows[row] = std::move(text);
}

} // namespace

void takeTable(SizingResult& result, const CapacitanceTable& table)
{
    for (std::size_t head = 0; head < table.rowHeads.size(); ++head)
        result.rowHeads[head + 1] = table.rowHeads[head];
    for (std::size_t list = 0; list < table.rows.size(); ++list)
        for (std::size_t row = 0; row < table.rows[list].size(); ++row)
            setListRow(result, list, row, table.rows[list][row]);
}

void switchReactor(SizingResult& result)
{
    if (result.lblL == ReactorSixCaption)
        result.lblL = ReactorThirteenCaption;
    else if (result.lblL == ReactorThirteenCaption)
        result.lblL = ReactorSixCaption;
}

void rateReactor(SizingResult& result, SizingState& state)
{
    ReactorTexts ratings = reactorRating(state, result.lblL);
    result.texts.txtScKvar2 = std::move(ratings.txtScKvar2);
    result.texts.txtLKvar = std::move(ratings.txtLKvar);
}

void chooseConnection(SizingResult& result, bool option2)
{
    result.option2Selected = option2;
    result.texts.frame2 = frame2Caption(
        option2 ? shownText(result.texts.txtScKvar, "txtScKvar") : shownText(result.texts.txtScKvar2, "txtScKvar2"));
}

void tabulateCapacitance(SizingResult& result, SizingState& state)
{
    const bool option2 = result.option2Selected;
    result.lists = {};
    takeTable(result, capacitanceTable(state, option2 ? state.dblScKvar : state.dblScKvar2, option2, result.lblL));
}

TypedVoltageRows::Kind typeVoltage(SizingResult& result, SizingState& state, std::string_view text1)
{
    const double q = result.option2Selected ? state.dblScKvar : state.dblScKvar2;
    TypedVoltageRows rows = typedVoltageRows(state, text1, q);
    result.text1 = rows.kind == TypedVoltageRows::Kind::Rows ? std::string(text1) : std::string();
    for (std::size_t list = 0; list < rows.rows.size(); ++list)
        setListRow(result, list, TypedVoltageRow, std::move(rows.rows[list]));
    return rows.kind;
}

std::string shownText(const std::optional<std::string>& text, std::string_view designText)
{
    return text ? *text : std::string(designText);
}

} // namespace kandelo::sc
