#pragma once

#include "pf/pf_calc.h"
#include "program/calculation.h"
#include "sc/sizing_calc.h"
#include "sc/unit_selection.h"

#include <optional>
#include <string_view>

// The road of one calculation, step by step, on what the user entered: each
// step returns its result, or the refusal the screens show. The input dialog,
// the power-factor screen and the sizing screen take these steps as the user
// goes; the batch takes the same steps in the same order for each row.

namespace kandelo::calculation {

using program::Calculation;

// A new calculation (the start-up procedure Main): the dialog asks for the
// active energy, and nothing typed for an order stays. The figures keep
// their values until the new pass overwrites them.
void start(Calculation& c);

// What the input dialog does once its OK has taken a figure.
enum class Next {
    AskAgain,        // the dialog comes back for the next figure (strInputMode says which)
    ShowPowerFactor, // the energies are in: the power-factor screen
    ShowSizing,      // the hours and the target are in: the sizing screen
    Nothing          // no figure was asked for
};
struct Entry {
    std::optional<std::string_view> refusal; // the message; nothing stored
    Next next = Next::Nothing;
};
// OK in the input dialog: the text typed, checked by the rule of the figure
// strInputMode asks for and, when it is accepted, stored.
Entry enterFigure(Calculation& c, std::string_view typed);

// The load of the power-factor screen: the power factor intPf of the two
// energies, kept in the calculation, and what the screen shows.
pf::PfScreen powerFactor(Calculation& c);

// Option1, asking for the improvement: nothing when the power factor lags,
// else the refusal of a leading one.
std::optional<std::string_view> askImprovement(const Calculation& c);
// cmdImprove: the dialog next asks for the metering hours.
void startImprovement(Calculation& c);

// The load of the sizing screen, for the power factor as the power-factor
// screen shows it, the reactor of lblL and the connection chosen.
sc::SizingLoad sizing(const Calculation& c, std::string_view pfCaption, std::string_view lblL, bool option2Selected,
    sc::SizingState state = {});

// The standard units for a sizing, with what was typed for the order.
sc::UnitSelection units(const Calculation& c, const sc::LoadTexts& load, std::string_view lblL);
// The same as the window 標準容量の選定 and the report show them: with each
// unit's ratings for the reactor of lblL.
sc::UnitSelection ratedUnits(const Calculation& c, const sc::LoadTexts& load, std::string_view lblL);

} // namespace kandelo::calculation
