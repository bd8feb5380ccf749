#include "app/form_window.h"

#include <QCloseEvent>

namespace kandelo::app {

FormWindow::FormWindow(std::function<void()> closeBoxHandler)
    : closeBoxHandler_(std::move(closeBoxHandler))
{
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    closeBoxHandler_();
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

} // namespace kandelo::app
