#include "app/app.h"

#include "app/frmtimer.h"
#include "app/module1.h"
#include "core/plain_number.h"
#include "forms/ui/window_commands.h"
#include "input/ui/frminputbox.h"
#include "months/ui/months_window.h"
#include "pf/ui/frmpf.h"
#include "sc/ui/frmsc.h"

namespace kandelo::app {

App::App(forms::MessageBoxService& messageBox, InputBoxFactory inputBoxFactory, ScFactory scFactory)
    : Program(messageBox)
    , inputBoxFactory_(std::move(inputBoxFactory))
    , scFactory_(std::move(scFactory))
{
}

App::~App()
{
    // Windows are torn down while every form object still exists.
    forms().unloadAllFromLast();
}

input::FrmInputBox& App::frmInputBox()
{
    if (!frmInputBox_)
        frmInputBox_ = inputBoxFactory_ ? inputBoxFactory_(*this) : std::make_unique<input::FrmInputBox>(*this);
    return *frmInputBox_;
}

pf::FrmPf& App::frmPf()
{
    if (!frmPf_)
        frmPf_ = std::make_unique<pf::FrmPf>(*this);
    return *frmPf_;
}

sc::FrmSc& App::frmSc()
{
    if (!frmSc_)
        frmSc_ = scFactory_ ? scFactory_(*this) : std::make_unique<sc::FrmSc>(*this);
    return *frmSc_;
}

FrmTimer& App::frmTimer()
{
    if (!frmTimer_)
        frmTimer_ = std::make_unique<FrmTimer>(*this);
    return *frmTimer_;
}

report::ReportCommands& App::reportCommands()
{
    if (!reportCommands_)
        reportCommands_ = std::make_unique<report::ReportCommands>(*this, *this);
    return *reportCommands_;
}

void App::showInputDialog()
{
    frmInputBox().show();
}

void App::armInputTimer()
{
    frmTimer().armInput();
}

void App::showPowerFactorScreen()
{
    frmPf().show();
}

void App::unloadPowerFactorScreen()
{
    frmPf().unload();
}

void App::armPfImproveTimer()
{
    frmTimer().armPfImprove();
}

QString App::powerFactorCaption() const
{
    return frmPf_ ? frmPf_->lblPfCaption() : QString();
}

void App::showSizingScreen()
{
    frmSc().show();
}

void App::Main()
{
    app::Main(*this);
}

void App::addResultCommands(QWidget* window)
{
    reportCommands().install(window);
    forms::addWindowCommands(window, {{QStringLiteral("月別の力率..."), QKeySequence(Qt::CTRL | Qt::Key_M), [this] {
                                           run([this] { showMonthsWindow(); });
                                       }}});
}

void App::showMonthsWindow()
{
    if (!monthsWindow_)
        monthsWindow_ = std::make_unique<months::MonthsWindow>(desktop(), messageBox());
    // The customer as the window 標準容量の選定 has it now.
    monthsWindow_->shareSelection(&calculation.selection);
    // The target the sizing screen works to, while it is open.
    if (sizing() && !monthsWindow_->isModified())
        monthsWindow_->setTarget(QString::fromStdString(core::plainNumberText(calculation.intTargetPf)));
    monthsWindow_->show();
    monthsWindow_->raise();
    monthsWindow_->activateWindow();
}

months::MonthsWindow* App::monthsWindow() const
{
    return monthsWindow_.get();
}

const program::Calculation& App::figures() const
{
    return calculation;
}

const pf::PfScreen* App::powerFactor() const
{
    return frmPf_ && frmPf_->isLoaded() ? &frmPf_->result() : nullptr;
}

const sc::SizingResult* App::sizing() const
{
    return frmSc_ && frmSc_->isLoaded() ? &frmSc_->result() : nullptr;
}

QDateTime App::calculatedAt() const
{
    if (sizing())
        return frmSc_->calculatedAt();
    return frmPf_ ? frmPf_->calculatedAt() : QDateTime();
}

pf::TwipPoint App::dialNeedleTip() const
{
    return frmPf_ ? frmPf_->dialNeedleTip() : pf::TwipPoint{};
}

void App::start()
{
    run([this] { Main(); });
}

} // namespace kandelo::app
