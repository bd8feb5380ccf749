#include "pf/frmpf.h"

#include "app/app.h"
#include "app/form_window.h"
#include "app/message_box.h"

namespace kandelo::pf {

FrmPf::FrmPf(app::App& app)
    : Form("frmPf", app.forms())
    , app_(app)
{
}

FrmPf::~FrmPf()
{
    app::retireWindow(window_, this);
}

QWidget* FrmPf::window() const
{
    return isLoaded() ? window_.data() : nullptr;
}

void FrmPf::createControls()
{
    window_ = new app::FormWindow([this] { app_.run([this] { unload(); }); });
    window_->setObjectName(QStringLiteral("frmPf"));
    window_->setWindowTitle(QString::fromUtf8(app::ApplicationTitle));
}

void FrmPf::destroyControls()
{
    app::retireWindow(window_, this);
    window_ = nullptr;
}

void FrmPf::showControls(bool visible)
{
    if (window_)
        window_->setVisible(visible);
}

void FrmPf::formUnload()
{
    app_.forms().unloadAllFromLast();
}

} // namespace kandelo::pf
