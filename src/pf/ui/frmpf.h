#pragma once

#include "forms/ui/window_form.h"
#include "pf/dial_geometry.h"
#include "pf/pf_calc.h"

#include <QDateTime>

#include <memory>

namespace kandelo::program {
class Program;
}

namespace Ui {
class frmPf;
}

namespace kandelo::pf {

// The power-factor screen: works out the power factor of the calculation's
// energies when it loads, shows it with its dial, and offers the way to the
// capacitor sizing.
class FrmPf : public forms::WindowForm {
    Q_OBJECT

public:
    explicit FrmPf(program::Program& program);
    ~FrmPf() override;

    // The caption of lblPf: the power factor as the screen shows it.
    QString lblPfCaption() const;

    // What the screen shows, as its load worked it out, and when.
    const PfScreen& result() const { return result_; }
    QDateTime calculatedAt() const { return calculatedAt_; }
    TwipPoint dialNeedleTip() const;

    // The improve button's box in twips.
    TwipRect improveButton() const { return improveButton_; }
    // The tick of tmrPfImprove: the improve button takes its full size.
    void growImproveButton();

protected:
    void createControls() override;
    void releaseControls() override;
    void shown() override;
    void formLoad() override;
    void formUnload() override;

private:
    void Option1_Click();    // the small option: offers cmdImprove when lagging, refuses when leading
    void cmdImprove_Click(); // 力率改善: hides this screen and asks for the hours and the target
    void Command1_Click();   // 終　了: ends the program
    void Command2_Click();   // 再計算: closes everything and asks for the active energy again
    void DrawPfNeedle();     // points the dial's needle Line5 at intPf
    void setImproveButton(TwipRect box);

    program::Program& program_;
    std::unique_ptr<Ui::frmPf> ui_;
    TwipRect improveButton_ = ImproveButtonStart;
    PfScreen result_;
    QDateTime calculatedAt_;
};

} // namespace kandelo::pf
