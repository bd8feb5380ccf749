#pragma once

#include "app/input_mode.h"
#include "forms/ui/form_runtime.h"

#include <functional>
#include <memory>

namespace kandelo::input {
class FrmInputBox;
}
namespace kandelo::pf {
class FrmPf;
}
namespace kandelo::sc {
class FrmSc;
}

namespace kandelo::app {

class FrmTimer;
class ReportCommands;

// One run of the program: the single instances of the forms, each created at
// its first reference, and strInputMode. It is the one object that knows all
// the screens, so the screens reach one another through it.
class App : public forms::FormRuntime {
    Q_OBJECT

public:
    // Tests put forms of their own in place of the dialog and the sizing screen.
    using InputBoxFactory = std::function<std::unique_ptr<input::FrmInputBox>(App&)>;
    using ScFactory = std::function<std::unique_ptr<sc::FrmSc>(App&)>;

    explicit App(forms::MessageBoxService& messageBox, InputBoxFactory inputBoxFactory = {}, ScFactory scFactory = {});
    ~App() override;

    InputMode strInputMode = InputMode::None;

    input::FrmInputBox& frmInputBox();
    pf::FrmPf& frmPf();
    sc::FrmSc& frmSc();
    FrmTimer& frmTimer();
    // Copy, PDF and print of the result screens, made when first wanted.
    ReportCommands& reportCommands();

    // Runs Main as the program's first procedure.
    void start();

private:
    InputBoxFactory inputBoxFactory_;
    ScFactory scFactory_;
    std::unique_ptr<input::FrmInputBox> frmInputBox_;
    std::unique_ptr<pf::FrmPf> frmPf_;
    std::unique_ptr<sc::FrmSc> frmSc_;
    std::unique_ptr<FrmTimer> frmTimer_;
    std::unique_ptr<ReportCommands> reportCommands_;
};

} // namespace kandelo::app
