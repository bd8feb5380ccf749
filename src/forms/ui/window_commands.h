#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace kandelo::forms {

struct WindowCommand {
    QString text; // as the right-click menu shows it
    QKeySequence shortcut;
    std::function<void()> run;
};

// Gives a window commands that its right-click menu offers (outside its text
// boxes, which keep their own menu) with their shortcuts shown, and that the
// shortcuts run anywhere in the window. Copy reaches the window's command
// where a text box has no selected text to copy.
void addWindowCommands(QWidget* window, const std::vector<WindowCommand>& commands);

} // namespace kandelo::forms
