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
class KeyHolder : public QObject {
    Q_OBJECT

public:
    // window: a top-level window whose controls are on their way out.
    explicit KeyHolder(QWidget* window);
    ~KeyHolder() override;

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
    };

    QPointer<QWidget> window_;
    std::vector<Key> keys_;
};

} // namespace kandelo::forms
