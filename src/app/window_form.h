#pragma once

#include "app/form.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace kandelo::app {

class App;
class FormWindow;

// A form with a top-level window: the window exists while the form is loaded
// and is retired when it unloads.
class WindowForm : public QObject, public Form {
    Q_OBJECT

public:
    WindowForm(std::string name, App& app);
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

    App& app_;

private:
    void destroyControls() final;
    void showControls(bool visible) final;

    QPointer<FormWindow> window_;
};

} // namespace kandelo::app
