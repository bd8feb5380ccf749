#pragma once

#include "forms/form.h"

#include <QTimer>

#include <memory>

namespace kandelo::app {

class App;

// The hidden form that carries the program's timers. It is never shown; it is
// loaded the first time one of its timers is touched.
class FrmTimer final : public forms::Form {
public:
    explicit FrmTimer(App& app);
    ~FrmTimer() override;

    // tmrInput: reopens the input dialog 50 ms after it was armed, once.
    void armInput();
    bool isInputArmed() const;
    // tmrPfImprove: has frmPf grow its improve button 150 ms after it was armed.
    void armPfImprove();
    bool isPfImproveArmed() const;

    // The timers themselves while the form is loaded, otherwise nothing.
    const QTimer* tmrInput() const { return tmrInput_.get(); }
    const QTimer* tmrPfImprove() const { return tmrPfImprove_.get(); }

private:
    void createControls() override;
    void destroyControls() override;
    void showControls(bool) override {}

    void tmrInput_Timer();     // shows the input dialog again, once
    void tmrPfImprove_Timer(); // frmPf grows its improve button, once

    App& app_;
    std::unique_ptr<QTimer> tmrInput_;
    std::unique_ptr<QTimer> tmrPfImprove_;
};

} // namespace kandelo::app
