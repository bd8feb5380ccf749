#include "forms/ui/key_holder.h"

#include "forms/ui/window_form.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kandelo::forms {

KeyHolder::KeyHolder(QWidget* window)
    : window_(window)
{
    if (window_)
        window_->installEventFilter(this);
}

KeyHolder::~KeyHolder()
{
    retireWindow(window_, this);
}

void KeyHolder::handOver(QWidget* window)
{
    const std::vector<Key> keys = std::move(keys_);
    keys_.clear();
    retireWindow(window_, this);
    window_ = nullptr;

    const QPointer<QWidget> target = window;
    for (const Key& key : keys) {
        QWidget* receiver = target ? target->focusWidget() : nullptr;
        if (!receiver)
            return;
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        QCoreApplication::sendEvent(receiver, &press);
        if (QWidget* released = target ? target->focusWidget() : nullptr) {
            QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, key.text);
            QCoreApplication::sendEvent(released, &release);
        }
    }
}

bool KeyHolder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_
        || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease
            && event->type() != QEvent::ShortcutOverride))
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        keys_.push_back({key->key(), key->modifiers(), key->text()});
    }
    return true;
}

} // namespace kandelo::forms
