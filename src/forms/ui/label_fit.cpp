#include "forms/ui/label_fit.h"

#include <QLabel>

#include <algorithm>

namespace kandelo::forms {

void fitLabel(QLabel* label, int designLeft, int rightEdge, int minLeft)
{
    label->adjustSize();
    const int left = std::min(designLeft, rightEdge - label->width());
    label->move(std::max(minLeft, left), label->y());
}

void widenToText(QLabel* label)
{
    const int needed = label->sizeHint().width();
    if (needed <= label->width())
        return;
    QRect box = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        box.setLeft(box.right() + 1 - needed);
    else
        box.setWidth(needed);
    label->setGeometry(box);
}

void growToText(QLabel* label)
{
    if (label->wordWrap())
        label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    else
        label->adjustSize();
}

} // namespace kandelo::forms
