#include "forms/ui/window_commands.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace kandelo::forms {

namespace {

// A text box takes Ctrl+C for itself even with nothing selected; then it is
// the window's.
class CopyWithoutSelection : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* box = qobject_cast<QLineEdit*>(watched);
        return box && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !box->hasSelectedText();
    }
};

} // namespace

void addWindowCommands(QWidget* window, const std::vector<WindowCommand>& commands)
{
    for (const WindowCommand& command : commands) {
        auto* action = new QAction(command.text, window);
        action->setShortcut(command.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        QObject::connect(action, &QAction::triggered, window, command.run);
        window->addAction(action);
    }
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    const bool copies = std::any_of(commands.begin(), commands.end(),
        [](const WindowCommand& command) { return command.shortcut == QKeySequence(QKeySequence::Copy); });
    if (!copies)
        return;
    auto* filter = new CopyWithoutSelection(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

} // namespace kandelo::forms
