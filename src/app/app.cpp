#include "app/app.h"

#include "app/frmtimer.h"
#include "app/module1.h"
#include "app/report_commands.h"
#include "input/ui/frminputbox.h"
#include "pf/ui/frmpf.h"
#include "sc/ui/frmsc.h"

namespace kandelo::app {

App::App(forms::MessageBoxService& messageBox, InputBoxFactory inputBoxFactory, ScFactory scFactory)
    : FormRuntime(messageBox)
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

ReportCommands& App::reportCommands()
{
    if (!reportCommands_)
        reportCommands_ = std::make_unique<ReportCommands>(*this);
    return *reportCommands_;
}

void App::start()
{
    run([this] { Main(*this); });
}

} // namespace kandelo::app
