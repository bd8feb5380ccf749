#include "sc/frmsc.h"

#include "app/app.h"
#include "app/form_window.h"
#include "pf/frmpf.h"

namespace kandelo::sc {

FrmSc::FrmSc(app::App& app)
    : Form("frmSc", app.forms())
    , app_(app)
{
}

FrmSc::~FrmSc()
{
    app::retireWindow(window_, this);
}

QWidget* FrmSc::window() const
{
    return isLoaded() ? window_.data() : nullptr;
}

void FrmSc::createControls()
{
    window_ = new app::FormWindow([this] { app_.run([this] { unload(); }); });
    window_->setObjectName(QStringLiteral("frmSc"));
    window_->setWindowTitle(QStringLiteral("進相コンデンサ（SC）容量計算"));
}

void FrmSc::destroyControls()
{
    app::retireWindow(window_, this);
    window_ = nullptr;
}

void FrmSc::showControls(bool visible)
{
    if (window_)
        window_->setVisible(visible);
}

void FrmSc::formUnload()
{
    app_.frmPf().unload();
}

} // namespace kandelo::sc
