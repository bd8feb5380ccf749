#pragma once

#include "forms/form.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace kandelo::forms {

class FormRuntime;

// The top-level window of a form. Its close box runs the form's handler
// instead of closing the window; the form decides what closes.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(std::function<void()> closeBoxHandler);

    // Whatever the close box runs; nothing for none.
    void setCloseBoxHandler(std::function<void()> handler) { closeBoxHandler_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeBoxHandler_;
};

// A form with a top-level window: the window exists while the form is loaded
// and is retired when it unloads.
class WindowForm : public QObject, public Form {
    Q_OBJECT

public:
    WindowForm(std::string name, FormRuntime& runtime);
    ~WindowForm() override;

    // The form's window while it is loaded, otherwise nothing.
    QWidget* window() const;

protected:
    // Creates the window of a fixed-size form; its close box runs closeBox as a handler.
    QWidget* createWindow(Qt::WindowFlags kind, std::function<void()> closeBox);
    // The form drops its pointers into the window, which is going away.
    virtual void releaseControls() = 0;
    // The window has just been shown and activated.
    virtual void shown() {}
    // Takes the window from the form ahead of its unload: it stays on the
    // screen, its controls on their way out and its close box doing nothing,
    // until the caller retires it.
    QWidget* keepWindowThroughUnload();

private:
    void destroyControls() final;
    void showControls(bool visible) final;

    FormRuntime& runtime_;
    QPointer<FormWindow> window_;
};

// Takes a form's window, or one control of it, off the screen for good: no
// signal or filtered event of it reaches the form any more, and it is deleted once control is back in
// the event loop, so a handler running inside it can still return safely.
void retireWindow(QWidget* window, QObject* eventFilter);

} // namespace kandelo::forms
