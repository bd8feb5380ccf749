#include "forms/ui/message_box.h"

#include <QMessageBox>

namespace kandelo::forms {

void ModalMessageBox::show(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title_, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kandelo::forms
