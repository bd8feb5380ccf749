#include "app/window_form.h"

#include "app/app.h"
#include "app/form_window.h"

namespace kandelo::app {

WindowForm::WindowForm(std::string name, App& app)
    : Form(std::move(name), app.forms())
    , app_(app)
{
}

WindowForm::~WindowForm()
{
    retireWindow(window_, this);
}

QWidget* WindowForm::window() const
{
    return isLoaded() ? window_.data() : nullptr;
}

QWidget* WindowForm::createWindow(Qt::WindowFlags kind, std::function<void()> closeBox)
{
    window_ = new FormWindow([this, closeBox = std::move(closeBox)] { app_.run(closeBox); });
    window_->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint);
    return window_;
}

void WindowForm::destroyControls()
{
    retireWindow(window_, this);
    window_ = nullptr;
    releaseControls();
}

void WindowForm::showControls(bool visible)
{
    if (!window_)
        return;
    window_->setVisible(visible);
    if (visible) {
        window_->activateWindow();
        shown();
    }
}

} // namespace kandelo::app
