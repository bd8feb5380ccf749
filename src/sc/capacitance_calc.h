#pragma once

#include "sc/sizing_state.h"

#include <array>
#include <string>
#include <string_view>

namespace kandelo::sc {

// The caption of lblL is the reactor percentage; decisions compare it exactly.
inline constexpr std::string_view ReactorSixCaption = "Ｌ＝ ６％";
inline constexpr std::string_view ReactorThirteenCaption = "Ｌ＝１３％";

// The computation of CalcReactorRating: dblScKvar2 and dblLKvar for the reactor of the caption,
// each rounded by magnitude; returns the texts of txtScKvar2 and txtLKvar.
struct ReactorTexts {
    std::string txtScKvar2;
    std::string txtLKvar;
};
ReactorTexts reactorRating(SizingState& state, std::string_view lblLCaption);

// The computation of CalcCapacitanceTable: the captions of the row heads Label15 to Label12 and
// rows 0 to 4 of the 50 Hz and 60 Hz lists for a capacity q in kvar, for the
// capacitor alone (Option2) or with the reactor of the caption.
struct CapacitanceTable {
    std::array<std::string, 4> rowHeads;            // Label15, Label14, Label13, Label12
    std::array<std::array<std::string, 5>, 2> rows; // [0] 50 Hz, [1] 60 Hz
};
CapacitanceTable capacitanceTable(SizingState& state, double q, bool option2Selected, std::string_view lblLCaption);

// The computation of CalcCapacitanceTypedVoltage: what row 5 becomes for the text of Text1.
struct TypedVoltageRows {
    enum class Kind {
        Empty,      // no voltage: Text1 and row 5 emptied, no message
        NotNumeric, // "数字以外が入力されています！", then emptied as above
        Rows        // row 5 of each list
    };
    Kind kind = Kind::Empty;
    std::array<std::string, 2> rows; // [0] 50 Hz, [1] 60 Hz
};
TypedVoltageRows typedVoltageRows(SizingState& state, std::string_view text, double q);

// The row heads of rows 0 to 4, Label16 (always "100") to Label12, for the
// capacitor alone (Option2) or with the reactor of the caption.
std::array<std::string_view, 5> voltageHeads(bool option2Selected, std::string_view lblLCaption);
// The row heads as designed, before the load sets them: the capacitor alone's,
// grouped by thousands ("3,300").
std::array<std::string, 5> designRowHeads();

// The caption of Frame2 for the text of a capacity box: Frame2CaptionStart,
// the text, then "kvar)".
inline constexpr std::string_view Frame2CaptionStart = "静電容量　μF    (";
std::string frame2Caption(std::string_view capacityText);

} // namespace kandelo::sc
