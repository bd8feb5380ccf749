#include "forms/ui/window_form.h"

#include "forms/ui/form_runtime.h"

#include <QCloseEvent>

namespace kandelo::forms {

FormWindow::FormWindow(std::function<void()> closeBoxHandler)
    : closeBoxHandler_(std::move(closeBoxHandler))
{
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (closeBoxHandler_)
        closeBoxHandler_();
}

WindowForm::WindowForm(std::string name, FormRuntime& runtime)
    : Form(std::move(name), runtime.forms())
    , runtime_(runtime)
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
    window_ = new FormWindow([this, closeBox = std::move(closeBox)] { runtime_.run(closeBox); });
    window_->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    return window_;
}

QWidget* WindowForm::keepWindowThroughUnload()
{
    FormWindow* kept = window_;
    window_ = nullptr;
    if (!kept)
        return nullptr;
    kept->setCloseBoxHandler({});
    kept->removeEventFilter(this);
    // The window itself takes the focus, so that keys come to it and not to a
    // control on its way out.
    kept->setFocusPolicy(Qt::StrongFocus);
    kept->setFocus(Qt::OtherFocusReason);
    for (QWidget* control : kept->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        retireWindow(control, this);
    return kept;
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

void retireWindow(QWidget* window, QObject* eventFilter)
{
    if (!window)
        return;
    window->hide();
    window->removeEventFilter(eventFilter);
    window->blockSignals(true);
    for (QObject* child : window->findChildren<QObject*>()) {
        child->removeEventFilter(eventFilter);
        child->blockSignals(true);
    }
    window->deleteLater();
}

} // namespace kandelo::forms
