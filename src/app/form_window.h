#pragma once

#include <QWidget>

#include <functional>

namespace kandelo::app {

// The top-level window of a form. Its close box runs the form's handler
// instead of closing the window; the form decides what closes.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(std::function<void()> closeBoxHandler);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeBoxHandler_;
};

// Takes a form's window off the screen for good: no signal or filtered event
// of it reaches the form any more, and it is deleted once control is back in
// the event loop, so a handler running inside it can still return safely.
void retireWindow(QWidget* window, QObject* eventFilter);

} // namespace kandelo::app
