#pragma once

#include "program/ui/program.h"
#include "report/ui/report_commands.h"

#include <functional>
#include <memory>

namespace kandelo::input {
class FrmInputBox;
}
namespace kandelo::months {
class MonthsWindow;
}
namespace kandelo::pf {
class FrmPf;
}
namespace kandelo::sc {
class FrmSc;
}

namespace kandelo::app {

class FrmTimer;

// One run of the program, the composition root: the single instances of the
// forms, each created at its first reference, strInputMode, and the commands
// that take a result along. It is the one object that knows all the screens,
// so the screens reach one another through it.
class App : public program::Program, public report::ReportSource {
    Q_OBJECT

public:
    // Tests put forms of their own in place of the dialog and the sizing screen.
    using InputBoxFactory = std::function<std::unique_ptr<input::FrmInputBox>(App&)>;
    using ScFactory = std::function<std::unique_ptr<sc::FrmSc>(App&)>;

    explicit App(forms::MessageBoxService& messageBox, InputBoxFactory inputBoxFactory = {}, ScFactory scFactory = {});
    ~App() override;

    // The single instance of each form, created at its first reference.
    input::FrmInputBox& frmInputBox();
    pf::FrmPf& frmPf();
    sc::FrmSc& frmSc();
    FrmTimer& frmTimer();
    // Copy, PDF and print of the result screens, made when first wanted.
    report::ReportCommands& reportCommands();

    void showInputDialog() override;
    void armInputTimer() override;
    void showPowerFactorScreen() override;
    void unloadPowerFactorScreen() override;
    void armPfImproveTimer() override;
    QString powerFactorCaption() const override;
    void showSizingScreen() override;
    void Main() override;
    void addResultCommands(QWidget* window) override;
    // The window 月別の力率, made when first opened; it shares the customer
    // with the window 標準容量の選定 and takes the sizing screen's target.
    void showMonthsWindow();
    months::MonthsWindow* monthsWindow() const;

    const program::Calculation& figures() const override;
    const pf::PfScreen* powerFactor() const override;
    const sc::SizingResult* sizing() const override;
    QDateTime calculatedAt() const override;
    pf::TwipPoint dialNeedleTip() const override;

    // Runs Main as the program's first procedure.
    void start();

private:
    InputBoxFactory inputBoxFactory_;
    ScFactory scFactory_;
    std::unique_ptr<input::FrmInputBox> frmInputBox_;
    std::unique_ptr<pf::FrmPf> frmPf_;
    std::unique_ptr<sc::FrmSc> frmSc_;
    std::unique_ptr<FrmTimer> frmTimer_;
    std::unique_ptr<report::ReportCommands> reportCommands_;
    std::unique_ptr<months::MonthsWindow> monthsWindow_;
};

} // namespace kandelo::app
