#include "input/ui/virtual_key.h"

#include "input/key_rules.h"

#include <QKeyEvent>

namespace kandelo::input {

int virtualKeyOf(const QKeyEvent& event)
{
#ifdef Q_OS_WIN
    // Windows' own code of the key; an event made by a program has none, and
    // is read by its key as elsewhere.
    if (event.nativeVirtualKey() != 0)
        return static_cast<int>(event.nativeVirtualKey());
#endif
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? vk::Numpad0 : vk::Digit0) + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Period:
        return keypad ? vk::NumpadDecimal : vk::Period;
    case Qt::Key_Minus:
        return keypad ? vk::NumpadMinus : vk::Minus;
    case Qt::Key_Backspace:
        return vk::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Enter;
    case Qt::Key_NumLock:
        return vk::NumLock;
    default:
        return 0;
    }
}

} // namespace kandelo::input
