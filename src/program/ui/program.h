#pragma once

#include "forms/ui/form_runtime.h"
#include "program/calculation.h"

#include <QString>

class QWidget;

namespace kandelo::program {

// The running program as its screens see it: the calculation the user is
// entering, the two timers, the start-up procedure, the commands that take a
// result along, and what a screen asks of another. A screen reaches another
// only through it, never by the other's window; the composition root
// provides it.
class Program : public forms::FormRuntime {
public:
    using FormRuntime::FormRuntime;

    // strInputMode and the five figures, for the whole run.
    Calculation calculation;

    // The input dialog, for the figure strInputMode names.
    virtual void showInputDialog() = 0;
    // tmrInput: shows the input dialog again 50 ms from now, once.
    virtual void armInputTimer() = 0;
    // The power-factor screen: shown (loaded afresh when it is not loaded),
    // and unloaded, which closes every form.
    virtual void showPowerFactorScreen() = 0;
    virtual void unloadPowerFactorScreen() = 0;
    // tmrPfImprove: has the power-factor screen grow its improve button 150 ms from now, once.
    virtual void armPfImproveTimer() = 0;
    // The power factor as the power-factor screen shows it (its lblPf);
    // empty while that screen is not loaded.
    virtual QString powerFactorCaption() const = 0;
    // The capacitor sizing screen, shown.
    virtual void showSizingScreen() = 0;
    // The start-up procedure: a new calculation, asking for the active energy.
    virtual void Main() = 0;
    // Gives a result window copy, save as PDF and print.
    virtual void addResultCommands(QWidget* window) = 0;
};

} // namespace kandelo::program
