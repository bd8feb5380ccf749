#pragma once

#include "app/form.h"

#include <QObject>
#include <QPointer>

namespace kandelo::app {
class App;
class FormWindow;
} // namespace kandelo::app

namespace kandelo::sc {

// The capacitor sizing screen.
class FrmSc : public QObject, public app::Form {
    Q_OBJECT

public:
    explicit FrmSc(app::App& app);
    ~FrmSc() override;

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

} // namespace kandelo::sc
