#pragma once

#include <QColor>

class QWidget;

namespace kandelo::forms {

// The colours of the screens' design, each named once.
namespace colour {
inline const QColor White(255, 255, 255);
inline const QColor Black(0, 0, 0);
inline const QColor LightGrey(224, 224, 224);
inline const QColor Red(255, 0, 0);
inline const QColor DarkRed(192, 0, 0);
inline const QColor Orange(192, 64, 0);
inline const QColor Olive(192, 192, 0);
inline const QColor Green(0, 192, 0);
inline const QColor Yellow(255, 255, 0);
} // namespace colour

// The text colour of a label, button or text box.
void setTextColour(QWidget* control, const QColor& colour);
// The background of a text box or list (its entry area), or of a label
// (filled, as an opaque label is).
void setBackgroundColour(QWidget* control, const QColor& colour);

} // namespace kandelo::forms
