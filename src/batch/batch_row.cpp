#include "batch/batch_row.h"

#include "batch/headings.h"
#include "calculation/steps.h"
#include "core/blanks.h"
#include "core/plain_number.h"
#include "pf/pf_calc.h"
#include "program/messages.h"
#include "sc/capacitance_calc.h"
#include "sc/captions.h"

namespace kandelo::batch {

namespace {

void setIfProduced(std::vector<std::string>& cells, ResultColumn column, const std::optional<std::string>& text)
{
    if (text)
        cells[column] = *text;
}

} // namespace

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
    std::vector<std::string> problems;
    calculation::Calculation c;
    calculation::start(c);
    c.selection.contractKw = readings.contractKw;
    c.selection.unitPrice = readings.unitPrice;
    // Every problem with the row in its error column: the screens' refusal,
    // then what is wrong with the contract demand or the unit price, which
    // takes away only the saving.
    const auto finish = [&](const sc::UnitSelection& selection) {
        problems.insert(problems.end(), selection.problems.begin(), selection.problems.end());
        for (const std::string& problem : problems) {
            if (!result.cells[Error].empty())
                result.cells[Error] += ProblemSeparator;
            result.cells[Error] += problem;
        }
        result.refused = !problems.empty();
        return std::move(result);
    };
    const auto refuse = [&](std::string_view message) {
        problems.emplace_back(message);
        return finish(calculation::units(c, {}, sc::ReactorSixCaption));
    };

    // The road of the screens: the two energies, the power factor, and with
    // hours and a target the improvement, the sizing and the units.
    for (const std::string& energy : {readings.kwh, readings.kvarh})
        if (const auto entry = calculation::enterFigure(c, energy); entry.refusal)
            return refuse(*entry.refusal);
    const pf::PfScreen screen = calculation::powerFactor(c);
    result.cells[Kwh] = screen.lblKwh;
    result.cells[Kvarh] = screen.lblKvarh;
    result.cells[Pf] = screen.lblPf;
    result.cells[Phase] = pf::phaseText(screen.phase);
    if (screen.commentVisible)
        result.cells[Note] = pf::CommentCaption;

    if (readings.hours.empty() && readings.target.empty())
        return finish(calculation::units(c, {}, sc::ReactorSixCaption));
    if (const auto refusal = calculation::askImprovement(c))
        return refuse(*refusal);
    calculation::startImprovement(c);
    for (const std::string& figure : {readings.hours, readings.target})
        if (const auto entry = calculation::enterFigure(c, figure); entry.refusal)
            return refuse(*entry.refusal);

    // As the sizing screen opens: the reactor at 6 %, the capacitance for the capacitor alone.
    const sc::SizingLoad sizing = calculation::sizing(c, screen.lblPf, sc::ReactorSixCaption, true);
    const sc::LoadTexts& texts = sizing.texts;
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
            for (const std::string& row : list) // without the blanks that right-align it in its list
                result.cells[column++] = core::trimmedBlanks(row);
    }
    if (sizing.failure)
        return refuse(program::message::Failure);

    // The standard units, and with the contract and its unit price the saving.
    const sc::UnitSelection selection = calculation::units(c, texts, sc::ReactorSixCaption);
    for (std::size_t at = 0; at < selection.frequencies.size(); ++at) {
        const sc::FrequencySelection& chosen = selection.frequencies[at];
        const std::size_t first = at == 0 ? UnitTotal50 : UnitTotal60;
        result.cells[first] = chosen.total;
        result.cells[first + 1] = chosen.composition;
        if (chosen.pf)
            result.cells[first + 2] = sc::pfWithUnitCell(*chosen.pf);
        // Yen as a plain number, which a spreadsheet adds up; the heading carries the unit.
        if (chosen.monthlySaving)
            result.cells[Saving50 + at] = core::plainNumberText(*chosen.monthlySaving);
    }
    return finish(selection);
}

} // namespace kandelo::batch
