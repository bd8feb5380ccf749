#include "input/key_rules.h"

namespace kandelo::input {

KeyAction keyActionFor(int virtualKey, program::InputMode mode)
{
    const auto within = [virtualKey](int low, int high) { return virtualKey >= low && virtualKey <= high; };

    if (virtualKey == vk::NumLock || virtualKey == vk::NumpadDecimal || virtualKey == vk::Period)
        return KeyAction::Accept;
    if (virtualKey == vk::NumpadMinus || virtualKey == vk::Minus)
        return mode == program::InputMode::Kvarh ? KeyAction::Accept : KeyAction::RefuseMinus;
    if (within(vk::Numpad0, vk::Numpad9) || within(vk::Digit0, vk::Digit9) || virtualKey == vk::Backspace)
        return KeyAction::Accept;
    if (virtualKey == vk::Enter)
        return KeyAction::FocusOk;
    return KeyAction::RefuseNonNumeric;
}

} // namespace kandelo::input
