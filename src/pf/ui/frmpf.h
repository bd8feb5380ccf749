#pragma once

#include "app/shared_figures.h"
#include "forms/ui/window_form.h"
#include "pf/dial_geometry.h"
#include "report/report.h"

#include <QDateTime>

#include <memory>

namespace kandelo::app {
class App;
}

namespace Ui {
class frmPf;
}

namespace kandelo::pf {

// The power-factor screen. Its object lives for the whole run and carries the
// five shared figures (intKwh, intKvarh, intHours, intPf, intTargetPf), which
// survive the unloading of its window.
class FrmPf : public forms::WindowForm, public app::SharedFigures {
    Q_OBJECT

public:
    explicit FrmPf(app::App& app);
    ~FrmPf() override;

    // The caption of lblPf: the power factor as the screen shows it.
    QString lblPfCaption() const;

    // What the screen shows, for the report, and when it worked it out.
    report::PfScreenTexts reportTexts() const;
    QDateTime calculatedAt() const { return calculatedAt_; }
    TwipPoint dialNeedleTip() const { return needleTip(intPf, intKvarh); }

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

    app::App& app_;
    std::unique_ptr<Ui::frmPf> ui_;
    TwipRect improveButton_ = ImproveButtonStart;
    QDateTime calculatedAt_;
};

} // namespace kandelo::pf
