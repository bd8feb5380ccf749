#pragma once

#include "forms/lifetime.h"
#include "forms/open_forms.h"

#include <QObject>

#include <functional>
#include <memory>

namespace kandelo::forms {

class DesktopService;
class MessageBoxService;

// The running program as its forms see it: the open-forms list, the message
// boxes, and the rule that ends the program when no form is loaded and no
// handler runs.
class FormRuntime : public QObject {
    Q_OBJECT

public:
    explicit FormRuntime(MessageBoxService& messageBox);
    ~FormRuntime() override;

    OpenForms& forms() noexcept { return openForms_; }
    MessageBoxService& messageBox() noexcept { return messageBox_; }
    // The save and print dialogs: the system's, unless replaced.
    DesktopService& desktop();
    void replaceDesktop(std::unique_ptr<DesktopService> desktop);

    // Runs one event handler or procedure of a form. A failure that escapes it
    // is reported with its text and ends the program; when it returns with no
    // form loaded and nothing else running, the program ends.
    void run(const std::function<void()>& handler);

    bool hasEnded() const noexcept { return lifetime_.hasEnded(); }
    int exitCode() const noexcept { return exitCode_; }

signals:
    void ended(int exitCode);

private:
    void end(int exitCode);

    MessageBoxService& messageBox_;
    std::unique_ptr<DesktopService> desktop_;
    OpenForms openForms_;
    Lifetime lifetime_{openForms_};
    int exitCode_ = 0;
};

} // namespace kandelo::forms
