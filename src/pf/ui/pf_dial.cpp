#include "pf/ui/pf_dial.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace kandelo::pf {

namespace {

// Screen readers see the dial as a picture with a name and a description.
QAccessibleInterface* dialAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(PfDial::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PfDial::PfDial(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(dialAccessible), true);
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PfDial::setNeedleTip(TwipPoint tip)
{
    needleTip_ = tip;
    update();
}

void PfDial::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintDial(painter, QRectF(rect()), needleTip_);
}

} // namespace kandelo::pf
