#pragma once

#include "app/form.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QLineEdit;
class QWidget;

namespace Ui {
class frmInputBox;
}

namespace kandelo::app {
class App;
class FormWindow;
} // namespace kandelo::app

namespace kandelo::input {

// The input dialog: asks for the one figure that strInputMode names, checks it
// and stores it in the shared figures of frmPf.
class FrmInputBox : public QObject, public app::Form {
    Q_OBJECT

public:
    explicit FrmInputBox(app::App& app);
    ~FrmInputBox() override;

    // The dialog's window while it is loaded, otherwise nothing.
    QWidget* window() const;

protected:
    void createControls() override;
    void destroyControls() override;
    void showControls(bool visible) override;
    void formLoad() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OKButton_Click();
    void CancelButton_Click();
    void Text1_GotFocus();
    void txtPf_GotFocus();
    void txtPf_Change();
    bool CheckNumericKey(int virtualKey, QLineEdit* box);

    void gotFocus(QWidget* control);

    app::App& app_;
    QPointer<app::FormWindow> window_;
    std::unique_ptr<Ui::frmInputBox> ui_;
    QWidget* lastFocused_ = nullptr;
};

} // namespace kandelo::input
