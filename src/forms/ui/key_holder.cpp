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

void KeyHolder::holdFor(QWidget* window)
{
    next_ = window;
    keepKeysForNext();
}

// While keys are kept, those for the window that follows queue behind them.
// With none kept, it takes its keys at once.
void KeyHolder::keepKeysForNext()
{
    if (next_ && !keys_.empty() && !keepingForNext_) {
        QCoreApplication::instance()->installEventFilter(this);
        keepingForNext_ = true;
    }
}

void KeyHolder::handOver(QWidget* window)
{
    // The keys sent now pass; whatever else comes meanwhile is no longer kept.
    QCoreApplication::instance()->removeEventFilter(this);
    keepingForNext_ = false;
    next_ = nullptr;
    const std::vector<Key> keys = std::move(keys_);
    keys_.clear();
    retireWindow(window_, this);
    window_ = nullptr;

    const QPointer<QWidget> target = window;
    for (const Key& key : keys) {
        QWidget* receiver = target ? target->focusWidget() : nullptr;
        if (!receiver)
            return;
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.nativeScanCode, key.nativeVirtualKey,
            key.nativeModifiers, key.text);
        QCoreApplication::sendEvent(receiver, &press);
        if (QWidget* released = target ? target->focusWidget() : nullptr) {
            QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, key.nativeScanCode, key.nativeVirtualKey,
                key.nativeModifiers, key.text);
            QCoreApplication::sendEvent(released, &release);
        }
    }
}

// The held window's keys, and those of any control of the window that follows.
bool KeyHolder::isKept(QObject* watched) const
{
    if (watched == window_)
        return true;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return keepingForNext_ && widget && widget->window() == next_;
}

bool KeyHolder::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease
            && event->type() != QEvent::ShortcutOverride)
        || !isKept(watched))
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        keys_.push_back({key->key(), key->modifiers(), key->text(), key->nativeScanCode(), key->nativeVirtualKey(),
            key->nativeModifiers()});
        keepKeysForNext();
    }
    return true;
}

} // namespace kandelo::forms
