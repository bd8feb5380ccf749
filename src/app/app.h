#pragma once

#include "app/input_mode.h"
#include "app/lifetime.h"
#include "app/open_forms.h"

#include <QObject>

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
class MessageBoxService;

// One run of the program: the single instances of the forms (each created at
// its first reference), the open-forms list, strInputMode, and the rule that
// ends the program when no form is loaded and no handler runs.
class App : public QObject {
    Q_OBJECT

public:
    using InputBoxFactory = std::function<std::unique_ptr<input::FrmInputBox>(App&)>;

    explicit App(MessageBoxService& messageBox, InputBoxFactory inputBoxFactory = {});
    ~App() override;

    InputMode strInputMode = InputMode::None;

    input::FrmInputBox& frmInputBox();
    pf::FrmPf& frmPf();
    sc::FrmSc& frmSc();
    FrmTimer& frmTimer();

    OpenForms& forms() noexcept { return openForms_; }
    MessageBoxService& messageBox() noexcept { return messageBox_; }

    // Runs Main as the program's first procedure.
    void start();

    // Runs one event handler or procedure of a form. A failure that escapes it
    // is reported with its text and ends the program; when it returns with no
    // form loaded and nothing else running, the program ends.
    void run(const std::function<void()>& handler);

    bool hasEnded() const noexcept { return lifetime_.hasEnded(); }
    int exitCode() const noexcept { return exitCode_; }

signals:
    void ended(int exitCode);

private:
    void end(int exitCode);

    MessageBoxService& messageBox_;
    InputBoxFactory inputBoxFactory_;
    OpenForms openForms_;
    Lifetime lifetime_{openForms_};
    int exitCode_ = 0;
    std::unique_ptr<input::FrmInputBox> frmInputBox_;
    std::unique_ptr<pf::FrmPf> frmPf_;
    std::unique_ptr<sc::FrmSc> frmSc_;
    std::unique_ptr<FrmTimer> frmTimer_;
};

} // namespace kandelo::app
