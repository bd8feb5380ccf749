#pragma once

#include "sc/capacitance_calc.h"
#include "sc/sizing_calc.h"
#include "sc/sizing_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kandelo::sc {

// Everything the sizing screen shows, as it stands: what its load produced,
// then what the reactor toggle, the connection choice and a typed voltage
// made of it. The screen shows it; the report reads it, with the figures
// of the calculation it was worked out for.
struct SizingResult {
    LoadTexts texts;     // txtScKvar2, txtLKvar and frame2 follow the toggle and the choice
    bool failed = false; // the load stopped at a failing step
    std::string lblL{ReactorSixCaption};
    bool option2Selected = true;                            // the capacitance for the capacitor alone
    std::array<std::string, 5> rowHeads = designRowHeads(); // Label16 to Label12
    // Each capacitance list's rows from the top, 50 Hz then 60 Hz; row 5 is
    // the typed voltage's. A row no computation reached is empty.
    std::array<std::vector<std::string>, 2> lists;
    std::string text1; // the typed voltage, as Text1 holds it
};

// The load's capacitance table in the result: the row heads and rows 0 to 4.
void takeTable(SizingResult& result, const CapacitanceTable& table);

// The steps of the screen's handlers, each on the result.
// lblL_Click: the other reactor's caption.
void switchReactor(SizingResult& result);
// CalcReactorRating: the ratings of the capacitor and the reactor for lblL.
void rateReactor(SizingResult& result, SizingState& state);
// Option1_Click and Option2_Click: the connection and Frame2's caption for it.
void chooseConnection(SizingResult& result, bool option2);
// CalcCapacitanceTable: the lists emptied, then rows 0 to 4 and their heads
// for the connection chosen.
void tabulateCapacitance(SizingResult& result, SizingState& state);
// CalcCapacitanceTypedVoltage: row 5 for the voltage typed. A text that
// gives no row empties the typed voltage and row 5 (after "数字以外が入力されています！"
// for one that is no number); returns which.
TypedVoltageRows::Kind typeVoltage(SizingResult& result, SizingState& state, std::string_view text1);

// A text as the screen shows it: the text the load set, or, where the load
// did not reach it, the control's design text.
std::string shownText(const std::optional<std::string>& text, std::string_view designText);

} // namespace kandelo::sc
