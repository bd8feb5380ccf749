#include "app/frmtimer.h"

#include "app/app.h"
#include "input/frminputbox.h"

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

void FrmTimer::createControls()
{
    tmrInput_ = std::make_unique<QTimer>();
    tmrInput_->setInterval(50);
    QObject::connect(tmrInput_.get(), &QTimer::timeout, [this] { app_.run([this] { tmrInput_Timer(); }); });
}

void FrmTimer::destroyControls()
{
    tmrInput_.reset();
}

void FrmTimer::tmrInput_Timer()
{
    app_.frmInputBox().show();
    if (tmrInput_)
        tmrInput_->stop();
}

} // namespace kandelo::app
