#pragma once

#include "pf/dial_geometry.h"

class QPainter;
class QRectF;

namespace kandelo::pf {

// The box on the power-factor screen that holds every part of the dial, in twips.
inline constexpr TwipRect DialBox{3185, 2030, 2730, 2530};

// Paints the dial (bezel, ring, face, tick lines, scale labels and the needle
// Line5, ending at needleTip) into target, scaled from DialBox: as vectors,
// so the same drawing serves the screen, a PDF and a printer.
void paintDial(QPainter& painter, const QRectF& target, TwipPoint needleTip);

} // namespace kandelo::pf
