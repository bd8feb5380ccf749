#include "app/app.h"

#include "app/frmtimer.h"
#include "app/message_box.h"
#include "app/module1.h"
#include "input/frminputbox.h"
#include "pf/frmpf.h"
#include "sc/frmsc.h"

#include <exception>

namespace kandelo::app {

App::App(MessageBoxService& messageBox, InputBoxFactory inputBoxFactory)
    : messageBox_(messageBox)
    , inputBoxFactory_(std::move(inputBoxFactory))
{
}

App::~App()
{
    // Windows are torn down while every form object still exists.
    openForms_.unloadAllFromLast();
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
        frmSc_ = std::make_unique<sc::FrmSc>(*this);
    return *frmSc_;
}

FrmTimer& App::frmTimer()
{
    if (!frmTimer_)
        frmTimer_ = std::make_unique<FrmTimer>(*this);
    return *frmTimer_;
}

void App::start()
{
    run([this] { Main(*this); });
}

void App::run(const std::function<void()>& handler)
{
    lifetime_.enter();
    try {
        handler();
    } catch (const std::exception& failure) {
        messageBox_.show(QString::fromUtf8(failure.what()));
        end(1);
    } catch (...) {
        messageBox_.show(QStringLiteral("予期しないエラーが発生しました"));
        end(1);
    }
    if (lifetime_.leave())
        end(0);
}

void App::end(int exitCode)
{
    if (!lifetime_.end())
        return;
    exitCode_ = exitCode;
    emit ended(exitCode);
}

} // namespace kandelo::app
