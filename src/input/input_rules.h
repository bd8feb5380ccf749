#pragma once

#include "program/input_mode.h"
#include "program/messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace kandelo::input {

namespace message = program::message;

// What the dialog shows for one input mode.
struct Prompt {
    std::string_view label1;
    int windowHeightTwips; // outer height, title bar and frame included
    bool pfEntryVisible;   // Label2 and txtPf
    bool hoursNoteVisible; // Label3
};

// The prompt of a mode; nothing for InputMode::None, which leaves the dialog as designed.
std::optional<Prompt> promptFor(program::InputMode mode);

// The explanation of the metering hours in Label3, lines ending in CR LF.
std::string_view hoursNote();

// The verdict of OKButton_Click on the text of Text1.
struct OkVerdict {
    std::optional<std::string_view> refusal; // the message; nothing stored
    double value = 0.0;                      // the figure to store when there is no refusal
};

// presentPf is intPf, the lower bound of a target power factor.
OkVerdict checkOkEntry(std::string_view text, program::InputMode mode, double presentPf);

// txtPf_Change: the text for Text1 from the power factor typed into txtPf, or
// nothing when the power factor is refused (100 or above, or below 0).
std::optional<std::string> kvarhTextForPfEntry(std::string_view pfText, double kwh);

// CalcKvarhFromPf: kWh × tan φ for a power factor p in percent, as plain number
// text with a blank in place of the sign; empty for p outside (0, 100] and
// for a result beyond the range of a double.
std::string calcKvarhFromPf(double p, double kwh);

} // namespace kandelo::input
