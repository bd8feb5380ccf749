#pragma once

#include "forms/ui/window_form.h"

#include <QPoint>

#include <memory>
#include <optional>

class QLineEdit;
class QWidget;

namespace kandelo::program {
class Program;
}
namespace kandelo::forms {
class KeyHolder;
}

namespace Ui {
class frmInputBox;
}

namespace kandelo::input {

// The input dialog: asks for the one figure that strInputMode names, checks it
// and stores it in the program's calculation.
class FrmInputBox : public forms::WindowForm {
    Q_OBJECT

public:
    explicit FrmInputBox(program::Program& program);
    ~FrmInputBox() override;

protected:
    void createControls() override;
    void releaseControls() override;
    void shown() override;
    void formLoad() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OKButton_Click();     // OK: checks Text1, stores the figure and moves on
    void CancelButton_Click(); // ｷｬﾝｾﾙ: closes every form, ending the program
    void Text1_GotFocus();     // Text1 white, txtPf grey, both emptied
    void txtPf_GotFocus();     // txtPf white, Text1 grey and emptied
    void txtPf_Change();       // a power factor typed into txtPf becomes the reactive energy in Text1
    // The key rules of both boxes; true when the key must not reach the box.
    bool CheckNumericKey(int virtualKey, QLineEdit* box);

    void gotFocus(QWidget* control);
    // After an OK that has the dialog reopened for the next figure: arms
    // tmrInput and keeps the keys typed until the dialog is back.
    void reopenForNextFigure();
    void handOverHeldKeys();

    program::Program& program_;
    std::unique_ptr<Ui::frmInputBox> ui_;
    QWidget* lastFocused_ = nullptr;
    std::unique_ptr<forms::KeyHolder> heldKeys_;
    std::optional<QPoint> reopenAt_; // where the window stood that the reopened dialog follows
};

} // namespace kandelo::input
