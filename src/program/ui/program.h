#pragma once

#include "forms/ui/form_runtime.h"
#include "program/input_mode.h"

class QWidget;

namespace kandelo::input {
class FrmInputBox;
}
namespace kandelo::pf {
class FrmPf;
}
namespace kandelo::sc {
class FrmSc;
}

namespace kandelo::program {

// The running program as its screens see it: the single instance of each
// form, strInputMode, the two timers, the start-up procedure and the commands
// that take a result along. A screen reaches another only through it; the
// composition root provides it.
class Program : public forms::FormRuntime {
public:
    using FormRuntime::FormRuntime;

    InputMode strInputMode = InputMode::None;

    // Each created at its first reference.
    virtual input::FrmInputBox& frmInputBox() = 0;
    virtual pf::FrmPf& frmPf() = 0;
    virtual sc::FrmSc& frmSc() = 0;

    // tmrInput: shows the input dialog again 50 ms from now, once.
    virtual void armInputTimer() = 0;
    // tmrPfImprove: has frmPf grow its improve button 150 ms from now, once.
    virtual void armPfImproveTimer() = 0;
    // The start-up procedure: asks for the active energy.
    virtual void Main() = 0;
    // Gives a result screen's window copy, save as PDF and print.
    virtual void addResultCommands(QWidget* window) = 0;
};

} // namespace kandelo::program
