#pragma once

class QLabel;

namespace kandelo::forms {

// Sizes a label to its text, leaves it at its design left edge when it fits
// and otherwise moves it left so that it ends at rightEdge, but never left of
// minLeft. Installed fonts differ in width from the design font; this keeps a
// caption whole.
void fitLabel(QLabel* label, int designLeft, int rightEdge, int minLeft);

// Widens a label that is too narrow for its text, keeping the edge it is
// aligned to: the right edge of a right-aligned label, the left edge otherwise.
void widenToText(QLabel* label);

// A label that grows to its text: downward within its width when it wraps,
// to the text's size when it does not.
void growToText(QLabel* label);

} // namespace kandelo::forms
