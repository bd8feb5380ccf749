#include "forms/ui/colours.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLineEdit>

namespace kandelo::forms {

namespace {

bool hasEntryArea(const QWidget* control)
{
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractItemView*>(control);
}

void setRole(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

} // namespace

void setTextColour(QWidget* control, const QColor& colour)
{
    if (hasEntryArea(control))
        setRole(control, QPalette::Text, colour);
    else if (qobject_cast<const QAbstractButton*>(control))
        setRole(control, QPalette::ButtonText, colour);
    else
        setRole(control, QPalette::WindowText, colour);
}

void setBackgroundColour(QWidget* control, const QColor& colour)
{
    if (hasEntryArea(control)) {
        setRole(control, QPalette::Base, colour);
        return;
    }
    control->setAutoFillBackground(true);
    setRole(control, QPalette::Window, colour);
}

} // namespace kandelo::forms
