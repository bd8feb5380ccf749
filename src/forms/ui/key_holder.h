#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QWidget;

namespace kandelo::forms {

// Keeps the keyboard of a form's window through the moment between the
// form's unload and its next load. The window stays on the screen without its
// controls and keeps every key pressed meanwhile; handOver() then presses
// those keys again, in order, in the window that follows, so a fast typist
// loses nothing and every key still goes through that window's own rules.
// A key that reaches the window that follows before the hand-over waits
// behind the kept ones, so the keys arrive in the order they were pressed.
class KeyHolder : public QObject {
    Q_OBJECT

public:
    // window: a top-level window whose controls are on their way out.
    explicit KeyHolder(QWidget* window);
    ~KeyHolder() override;

    // From now on, keys for `window`, the window that follows, are kept too,
    // until they are handed over.
    void holdFor(QWidget* window);

    // Presses the kept keys in the focus widget of `window`, as the user would,
    // and takes the held window off the screen. Stops when `window` goes away
    // (a key pressed its OK).
    void handOver(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        quint32 nativeScanCode; // as the system gave them, for rules that read them
        quint32 nativeVirtualKey;
        quint32 nativeModifiers;
    };

    bool isKept(QObject* watched) const;
    void keepKeysForNext();

    QPointer<QWidget> window_; // the window on its way out
    QPointer<QWidget> next_;   // the window that follows
    bool keepingForNext_ = false;
    std::vector<Key> keys_;
};

} // namespace kandelo::forms
