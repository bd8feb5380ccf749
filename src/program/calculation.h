#pragma once

#include "program/input_mode.h"

#include <string>

namespace kandelo::program {

// What was typed into the window 標準容量の選定, as it was typed. The
// figures are read as the program writes numbers (core::readTypedNumber),
// the texts as one line (program::typedText).
struct SelectionInputs {
    std::string lightKw;   // average active power of a light-load period
    std::string lightKvar; // and its average reactive power
    std::string contractKw;
    std::string unitPrice; // 円/kW
    std::string customer;
    std::string site;
    std::string person;
};

// One calculation as the user enters it, from the first prompt to the
// order: the figure the input dialog asks for next, the five figures the
// screens pass to one another, and what was typed for the order. The
// program keeps one for its whole run; the windows come and go around it.
struct Calculation {
    InputMode strInputMode = InputMode::None;
    double intKwh = 0.0;      // active energy, kWh
    double intKvarh = 0.0;    // reactive energy, kvarh; negative when leading
    double intHours = 0.0;    // metering hours
    double intPf = 0.0;       // present average power factor, %, as the power-factor screen worked it out
    double intTargetPf = 0.0; // target power factor, %
    SelectionInputs selection;
};

} // namespace kandelo::program
