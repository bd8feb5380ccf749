#pragma once

#include "pf/dial_geometry.h"

#include <QWidget>

class QPainter;

namespace kandelo::pf {

// The drawn power-factor dial of frmPf: bezel, ring, face, tick lines, scale
// labels and the needle Line5, painted in twips and scaled to the widget, so
// it stays crisp at any device pixel ratio.
class PfDial : public QWidget {
    Q_OBJECT

public:
    // The box on the screen that holds every part of the dial, in twips.
    static constexpr TwipRect Box{3185, 2030, 2730, 2530};

    explicit PfDial(QWidget* parent = nullptr);

    TwipPoint needleTip() const { return needleTip_; }
    void setNeedleTip(TwipPoint tip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TwipPoint needleTip_{3753, 3009};
};

// Paints the dial, with its needle ending at needleTip, into target: as
// vectors, so the same drawing serves the screen, a PDF and a printer.
void paintDial(QPainter& painter, const QRectF& target, TwipPoint needleTip);

} // namespace kandelo::pf
