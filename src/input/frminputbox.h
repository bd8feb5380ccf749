#pragma once

#include "app/window_form.h"

#include <memory>

class QLineEdit;
class QWidget;

namespace Ui {
class frmInputBox;
}

namespace kandelo::input {

// The input dialog: asks for the one figure that strInputMode names, checks it
// and stores it in the shared figures of frmPf.
class FrmInputBox : public app::WindowForm {
    Q_OBJECT

public:
    explicit FrmInputBox(app::App& app);
    ~FrmInputBox() override;

protected:
    void createControls() override;
    void releaseControls() override;
    void shown() override;
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

    std::unique_ptr<Ui::frmInputBox> ui_;
    QWidget* lastFocused_ = nullptr;
};

} // namespace kandelo::input
