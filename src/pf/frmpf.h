#pragma once

#include "app/window_form.h"
#include "pf/dial_geometry.h"

#include <memory>

namespace Ui {
class frmPf;
}

namespace kandelo::pf {

// The power-factor screen. Its object lives for the whole run and carries the
// five shared figures, which survive the unloading of its window.
class FrmPf : public app::WindowForm {
    Q_OBJECT

public:
    explicit FrmPf(app::App& app);
    ~FrmPf() override;

    double intKwh = 0.0;      // active energy, kWh
    double intKvarh = 0.0;    // reactive energy, kvarh; negative when leading
    double intHours = 0.0;    // metering hours
    double intPf = 0.0;       // present average power factor, %
    double intTargetPf = 0.0; // target power factor, %

    // The caption of lblPf: the power factor as the screen shows it.
    QString lblPfCaption() const;

    // The improve button's box in twips, as tmrPfImprove grows it.
    TwipRect improveButton() const { return improveButton_; }
    void setImproveButton(TwipRect box);

protected:
    void createControls() override;
    void releaseControls() override;
    void shown() override;
    void formLoad() override;
    void formUnload() override;

private:
    void Option1_Click();
    void cmdImprove_Click();
    void Command1_Click();
    void Command2_Click();
    void DrawPfNeedle();

    std::unique_ptr<Ui::frmPf> ui_;
    TwipRect improveButton_ = ImproveButtonStart;
};

} // namespace kandelo::pf
