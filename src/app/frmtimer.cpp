#include "app/frmtimer.h"

#include "app/app.h"
#include "input/ui/frminputbox.h"
#include "pf/ui/frmpf.h"

namespace kandelo::app {

FrmTimer::FrmTimer(App& app)
    : Form("frmTimer", app.forms())
    , app_(app)
{
}

FrmTimer::~FrmTimer() = default;

void FrmTimer::armInput()
{
    load();
    tmrInput_->start();
}

bool FrmTimer::isInputArmed() const
{
    return tmrInput_ && tmrInput_->isActive();
}

void FrmTimer::armPfImprove()
{
    load();
    tmrPfImprove_->start();
}

bool FrmTimer::isPfImproveArmed() const
{
    return tmrPfImprove_ && tmrPfImprove_->isActive();
}

void FrmTimer::createControls()
{
    tmrInput_ = std::make_unique<QTimer>();
    tmrInput_->setInterval(50);
    QObject::connect(tmrInput_.get(), &QTimer::timeout, [this] { app_.run([this] { tmrInput_Timer(); }); });
    tmrPfImprove_ = std::make_unique<QTimer>();
    tmrPfImprove_->setInterval(150);
    QObject::connect(tmrPfImprove_.get(), &QTimer::timeout, [this] { app_.run([this] { tmrPfImprove_Timer(); }); });
}

void FrmTimer::destroyControls()
{
    tmrInput_.reset();
    tmrPfImprove_.reset();
}

void FrmTimer::tmrInput_Timer()
{
    app_.frmInputBox().show();
    if (tmrInput_)
        tmrInput_->stop();
}

void FrmTimer::tmrPfImprove_Timer()
{
    app_.frmPf().growImproveButton();
    tmrPfImprove_->stop();
}

} // namespace kandelo::app
