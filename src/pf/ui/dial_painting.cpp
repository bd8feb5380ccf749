#include "pf/ui/dial_painting.h"

#include "forms/ui/font.h"
#include "forms/ui/twips.h"

#include <QPainter>

namespace kandelo::pf {

namespace {

enum class ShapeKind { Circle, RoundedRectangle };

struct Shape {
    ShapeKind kind;
    QRectF box;
    QColor outline;
    int outlineWidth;
    QColor fill; // invalid: outline only
};

struct Tick {
    QLineF line;
    bool major;
};

struct ScaleLabel {
    const char* caption;
    QRectF box;
    qreal points;
    bool bold;
};

const QColor DefaultLine(0, 0, 0);
const QColor Face(0xC0, 0xFF, 0xFF);
const QColor ScrollBar(200, 200, 200);
const QColor MajorTick(0x80, 0x80, 0x80);

// Back to front.
const Shape Underlay[] = {
    {ShapeKind::RoundedRectangle, {3250, 2030, 2535, 2530}, DefaultLine, 1, QColor(0x40, 0x40, 0x40)},    // Shape3
    {ShapeKind::Circle, {3185, 2180, 2730, 2200}, QColor(0x80, 0x80, 0x80), 2, QColor(0xE0, 0xE0, 0xE0)}, // Shape1
    {ShapeKind::Circle, {3660, 2400, 1775, 1770}, DefaultLine, 1, Face},                                  // Shape2
};

const Tick Ticks[] = {
    {{5320, 3690, 5500, 3800}, true},  // Line1
    {{5400, 3480, 5600, 3540}, true},  // Line2
    {{5410, 3255, 5620, 3240}, true},  // Line3
    {{4560, 2210, 4560, 2400}, true},  // Line4
    {{5367, 3000, 5610, 2945}, true},  // Line6
    {{5220, 2730, 5380, 2610}, true},  // Line7
    {{5160, 2655, 5320, 2510}, false}, // Line8
    {{5100, 2595, 5250, 2430}, false}, // Line9
    {{5025, 2535, 5155, 2350}, false}, // Line10
    {{4890, 2460, 4980, 2280}, false}, // Line11
    {{3760, 3700, 3580, 3820}, true},  // Line12
    {{3680, 3490, 3460, 3550}, true},  // Line13
    {{3420, 3240, 3650, 3240}, true},  // Line14
    {{3480, 2930, 3713, 3009}, true},  // Line15
    {{3700, 2570, 3880, 2700}, true},  // Line16
    {{3800, 2480, 3960, 2640}, false}, // Line17
    {{3840, 2400, 4020, 2597}, false}, // Line18
    {{3980, 2340, 4115, 2528}, false}, // Line19
    {{4140, 2260, 4231, 2467}, false}, // Line20
};

const Shape Pivot{ShapeKind::Circle, {4520, 3200, 100, 100}, DefaultLine, 1, QColor()}; // Shape4

const ScaleLabel Labels[] = {
    {"COSφ", {4200, 3790, 735, 255}, 11.25, true}, // Label9
    {"．5", {4950, 3530, 255, 255}, 9.75, false},  // Label10
    {"．7", {5060, 3200, 255, 255}, 9.75, false},  // Label11
    {"．9", {4890, 2700, 255, 255}, 9.75, false},  // Label12
    {"．5", {3940, 3530, 375, 255}, 9.75, false},  // Label13
    {"．7", {3800, 3200, 400, 255}, 9.75, false},  // Label14
    {"．9", {3960, 2700, 375, 255}, 9.75, false},  // Label15
    {"1．0", {4400, 2520, 350, 220}, 9.75, false}, // Label16
    {"LAG", {4800, 2960, 375, 255}, 9.75, false},  // Label17
    {"LEAD", {3885, 2960, 450, 255}, 9.75, false}, // Label18
};

const Shape Overlay[] = {
    {ShapeKind::Circle, {3450, 4300, 80, 80}, DefaultLine, 1, Qt::white}, // Shape5
    {ShapeKind::Circle, {5500, 4300, 80, 80}, DefaultLine, 1, Qt::white}, // Shape6
    {ShapeKind::Circle, {3450, 2200, 80, 80}, DefaultLine, 1, Qt::white}, // Shape7
    {ShapeKind::Circle, {5500, 2200, 80, 80}, DefaultLine, 1, Qt::white}, // Shape8
    {ShapeKind::Circle, {5100, 3780, 75, 75}, DefaultLine, 1, ScrollBar}, // Shape9
    {ShapeKind::Circle, {3950, 3800, 80, 80}, DefaultLine, 1, ScrollBar}, // Shape10
};

constexpr qreal TwipsPerPoint = 20;

QPen pen(const QColor& colour, int pixels)
{
    QPen p(colour, pixels * forms::TwipsPerPixel);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

void paintShape(QPainter& painter, const Shape& shape)
{
    painter.setPen(pen(shape.outline, shape.outlineWidth));
    painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : Qt::NoBrush);
    if (shape.kind == ShapeKind::RoundedRectangle) {
        const qreal radius = std::min(shape.box.width(), shape.box.height()) / 8;
        painter.drawRoundedRect(shape.box, radius, radius);
        return;
    }
    const qreal diameter = std::min(shape.box.width(), shape.box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(shape.box.center());
    painter.drawEllipse(circle);
}

void paintLabel(QPainter& painter, const ScaleLabel& label)
{
    painter.fillRect(label.box, Face);
    QFont font = forms::gothicFont(label.points, label.bold);
    font.setPixelSize(qRound(label.points * TwipsPerPoint));
    painter.setFont(font);
    painter.setPen(DefaultLine);
    painter.drawText(label.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromUtf8(label.caption));
}

} // namespace

void paintDial(QPainter& painter, const QRectF& target, TwipPoint needleTip)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / qreal(DialBox.width), target.height() / qreal(DialBox.height));
    painter.translate(-DialBox.left, -DialBox.top);

    for (const Shape& shape : Underlay)
        paintShape(painter, shape);
    for (const Tick& tick : Ticks) {
        painter.setPen(tick.major ? pen(MajorTick, 2) : pen(DefaultLine, 1));
        painter.drawLine(tick.line);
    }
    paintShape(painter, Pivot);
    for (const ScaleLabel& label : Labels)
        paintLabel(painter, label);
    for (const Shape& shape : Overlay)
        paintShape(painter, shape);

    painter.setPen(pen(DefaultLine, 2)); // the needle Line5, over everything
    painter.drawLine(QPointF(needleTip.x, needleTip.y), QPointF(DialCentre.x, DialCentre.y));
    painter.restore();
}

} // namespace kandelo::pf
