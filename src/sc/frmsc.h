#pragma once

#include "app/window_form.h"
#include "sc/sizing_state.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Ui {
class frmSc;
}

namespace kandelo::sc {

struct CapacitanceTable;

// The capacitor sizing screen: works out the sizing from the shared figures
// when it loads, then follows the reactor toggle, the connection choice and
// the typed voltage.
class FrmSc : public app::WindowForm {
    Q_OBJECT

public:
    explicit FrmSc(app::App& app);
    ~FrmSc() override;

    // dblScKvar, dblScKvar2, dblLKvar and strFormat; they outlive the window.
    const SizingState& sizing() const { return sizing_; }

protected:
    void createControls() override;
    void releaseControls() override;
    void shown() override;
    void formLoad() override;
    void formUnload() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void lblL_Click();
    void Option1_Click();
    void Option2_Click();
    void Text1_Change();
    void txtScKvar_MouseMove();
    void txtScKvar2_MouseMove();
    void txtLKvar_MouseMove();
    void lblL_MouseMove();
    void lstbxScMf_MouseMove();

    void CalcReactorRating();
    void CalcCapacitanceTable(double q);
    void CalcCapacitanceTypedVoltage();

    void connectionChosen(const QLineEdit* capacityBox, double q);
    void setCapacityHint(QLineEdit* box);
    void showTable(const CapacitanceTable& table);
    void setListRow(std::size_t list, std::size_t row, const QString& text);
    bool reactorLabelEvent(QEvent* event);
    void describeReactorLabel();
    QString lblLCaption() const;

    SizingState sizing_;
    std::unique_ptr<Ui::frmSc> ui_;
    std::array<QListWidget*, 2> lstbxScMf_{};
};

} // namespace kandelo::sc
