#pragma once

class QColor;
class QWidget;

namespace kandelo::app {

// The text colour of a label, button or text box.
void setTextColour(QWidget* control, const QColor& colour);
// The background of a text box or list (its entry area), or of a label
// (filled, as an opaque label is).
void setBackgroundColour(QWidget* control, const QColor& colour);

} // namespace kandelo::app
