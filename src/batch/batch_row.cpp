#include "batch/batch_row.h"

#include "batch/headings.h"
#include "core/blanks.h"
#include "core/plain_number.h"
#include "input/input_rules.h"
#include "pf/pf_calc.h"
#include "program/captions.h"
#include "program/messages.h"
#include "sc/capacitance_calc.h"
#include "sc/captions.h"
#include "sc/sizing_calc.h"
#include "sc/unit_selection.h"

#include <array>

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
    sc::SelectionInputs inputs;
    inputs.contractKw = readings.contractKw;
    inputs.unitPrice = readings.unitPrice;
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
        return finish(sc::selectUnits({}, 0, sc::ReactorSixCaption, inputs));
    };

    const auto kwh = input::checkOkEntry(readings.kwh, program::InputMode::Kwh, 0);
    if (kwh.refusal)
        return refuse(*kwh.refusal);
    const auto kvarh = input::checkOkEntry(readings.kvarh, program::InputMode::Kvarh, 0);
    if (kvarh.refusal)
        return refuse(*kvarh.refusal);

    const pf::PfScreen screen = pf::computePfScreen(kwh.value, kvarh.value);
    result.cells[Kwh] = screen.lblKwh;
    result.cells[Kvarh] = screen.lblKvarh;
    result.cells[Pf] = screen.lblPf;
    result.cells[Phase] = pf::phaseText(screen.phase);
    if (screen.commentVisible)
        result.cells[Note] = pf::CommentCaption;

    if (readings.hours.empty() && readings.target.empty())
        return finish(sc::selectUnits({}, 0, sc::ReactorSixCaption, inputs));
    if (screen.phase == pf::Phase::Lead)
        return refuse(program::message::LeadingRefusal);
    const auto hours = input::checkOkEntry(readings.hours, program::InputMode::Hours, screen.intPf);
    if (hours.refusal)
        return refuse(*hours.refusal);
    const auto target = input::checkOkEntry(readings.target, program::InputMode::TargetPf, screen.intPf);
    if (target.refusal)
        return refuse(*target.refusal);

    const program::SharedFigures figures{kwh.value, kvarh.value, hours.value, screen.intPf, target.value};
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
            for (const std::string& row : list) // without the blanks that right-align it in its list
                result.cells[column++] = core::trimmedBlanks(row);
    }
    if (failed)
        return refuse(program::message::Failure);

    // The standard units, and with the contract and its unit price the saving.
    const sc::UnitSelection selection = sc::selectUnits(texts, screen.intPf, sc::ReactorSixCaption, inputs);
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
