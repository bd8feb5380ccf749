#pragma once

#include "forms/ui/window_form.h"
#include "sc/sizing_result.h"
#include "sc/sizing_state.h"

#include <QDateTime>
#include <QPointer>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;

namespace kandelo::program {
class Program;
}

namespace Ui {
class frmSc;
}

namespace kandelo::sc {

class SelectionWindow;

// The capacitor sizing screen: works out the sizing of the calculation when
// it loads, then follows the reactor toggle, the connection choice and the
// typed voltage.
class FrmSc : public forms::WindowForm {
    Q_OBJECT

public:
    explicit FrmSc(program::Program& program);
    ~FrmSc() override;

    // dblScKvar, dblScKvar2, dblLKvar and strFormat; they outlive the window.
    const SizingState& sizing() const { return sizing_; }

    // What the screen shows, as it stands, and when its load worked it out.
    const SizingResult& result() const { return result_; }
    QDateTime calculatedAt() const { return calculatedAt_; }

    // The window "標準容量の選定" for this sizing, while it is open. What is
    // typed there goes into the calculation.
    SelectionWindow* selectionWindow() const;

protected:
    void createControls() override;
    void releaseControls() override;
    void shown() override;
    void formLoad() override;
    void formUnload() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The load's computation, from the calculation and the screen as it stands.
    virtual SizingLoad computeLoad();

private:
    void Command1_Click();       // 終　了: ends the program
    void Command2_Click();       // 戻　る: back to the power-factor screen
    void lblL_Click();           // the reactor label: switches between 6 % and 13 %
    void Option1_Click();        // capacitance table for the capacitor with the reactor
    void Option2_Click();        // capacitance table for the capacitor alone
    void Text1_Change();         // a typed voltage: row 5 of the table
    void txtScKvar_MouseMove();  // hint of the required capacity
    void txtScKvar2_MouseMove(); // hint of the capacitor rating with the reactor
    void txtLKvar_MouseMove();   // hint of the reactor rating
    void lblL_MouseMove();       // hint naming the reactor case the next click gives
    void lstbxScMf_MouseMove();  // hint of both capacitance lists
    void openSelection();        // 標準容量の選定: opens the window, or brings it to the front
    void addSelectionCommand(QWidget* window);
    void selection_Change(); // a field of the selection window edited

    void CalcReactorRating();           // txtScKvar2 and txtLKvar for the reactor of lblL
    void CalcCapacitanceTable();        // row heads and rows 0 to 4 for the connection chosen
    void CalcCapacitanceTypedVoltage(); // row 5 for the voltage in Text1

    void connectionChosen(bool option2);
    void setCapacityHint(QLineEdit* box);
    void showReactor();
    void showTable(bool emptiedFirst);
    void showSelection();
    bool reactorLabelEvent(QEvent* event);

    program::Program& program_;
    SizingState sizing_;
    SizingResult result_;
    std::unique_ptr<Ui::frmSc> ui_;
    std::array<QListWidget*, 2> lstbxScMf_{};
    QPointer<SelectionWindow> selectionWindow_; // a window of its own, closed with this one
    QDateTime calculatedAt_;
};

} // namespace kandelo::sc
