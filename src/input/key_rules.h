#pragma once

#include "program/input_mode.h"

namespace kandelo::input {

// Virtual-key codes of the keys that the entry boxes know.
namespace vk {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Digit0 = 48;
inline constexpr int Digit9 = 57;
inline constexpr int Numpad0 = 96;
inline constexpr int Numpad9 = 105;
inline constexpr int NumpadMinus = 109;
inline constexpr int NumpadDecimal = 110;
inline constexpr int NumLock = 144;
inline constexpr int Minus = 189;
inline constexpr int Period = 190;
} // namespace vk

enum class KeyAction {
    Accept,          // the key reaches the box as usual
    FocusOk,         // the focus moves to the OK button
    RefuseMinus,     // "マイナスでない半角数字を入力してください！", the box emptied
    RefuseNonNumeric // "半角数字を入力してください！", the box emptied
};

// The rule of CheckNumericKey: what a key pressed in Text1 or txtPf does, by its
// virtual-key code alone (the shift state does not count).
KeyAction keyActionFor(int virtualKey, program::InputMode mode);

} // namespace kandelo::input
