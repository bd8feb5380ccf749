#pragma once

#include "pf/ui/dial_painting.h"

#include <QWidget>

namespace kandelo::pf {

// The drawn power-factor dial of frmPf: bezel, ring, face, tick lines, scale
// labels and the needle Line5, painted in twips and scaled to the widget, so
// it stays crisp at any device pixel ratio.
class PfDial : public QWidget {
    Q_OBJECT

public:
    // The box on the screen that holds every part of the dial, in twips.
    static constexpr TwipRect Box = DialBox;

    explicit PfDial(QWidget* parent = nullptr);

    TwipPoint needleTip() const { return needleTip_; }
    void setNeedleTip(TwipPoint tip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwipPoint needleTip_{3753, 3009};
};

} // namespace kandelo::pf
