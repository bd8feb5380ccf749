#pragma once

class QKeyEvent;

namespace kandelo::input {

// The platform's virtual-key code of a pressed key, as the key rules know it:
// main-row and keypad digits, the two full stops, the two minus keys,
// Backspace, Enter and Num Lock. Any other key gives a code the rules refuse.
int virtualKeyOf(const QKeyEvent& event);

} // namespace kandelo::input
