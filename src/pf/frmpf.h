#pragma once

#include "app/form.h"

#include <QObject>
#include <QPointer>

namespace kandelo::app {
class App;
class FormWindow;
} // namespace kandelo::app

namespace kandelo::pf {

// The power-factor screen. Its object lives for the whole run and carries the
// five shared figures, which survive the unloading of its window.
class FrmPf : public QObject, public app::Form {
    Q_OBJECT

public:
    explicit FrmPf(app::App& app);
    ~FrmPf() override;

    double intKwh = 0.0;      // active energy, kWh
    double intKvarh = 0.0;    // reactive energy, kvarh; negative when leading
    double intHours = 0.0;    // metering hours
    double intPf = 0.0;       // present average power factor, %
    double intTargetPf = 0.0; // target power factor, %

    QWidget* window() const;

protected:
    void createControls() override;
    void destroyControls() override;
    void showControls(bool visible) override;
    void formUnload() override;

private:
    app::App& app_;
    QPointer<app::FormWindow> window_;
};

} // namespace kandelo::pf
