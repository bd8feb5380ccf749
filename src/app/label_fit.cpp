#include "app/label_fit.h"

#include <QLabel>

#include <algorithm>

namespace kandelo::app {

void fitLabel(QLabel* label, int designLeft, int rightEdge, int minLeft)
{
    label->adjustSize();
    const int left = std::min(designLeft, rightEdge - label->width());
    label->move(std::max(minLeft, left), label->y());
}

} // namespace kandelo::app
