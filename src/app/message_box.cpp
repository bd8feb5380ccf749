#include "app/message_box.h"

#include <QMessageBox>

namespace kandelo::app {

void ModalMessageBox::show(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(ApplicationTitle), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kandelo::app
