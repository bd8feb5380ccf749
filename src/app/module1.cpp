#include "app/module1.h"

#include "app/app.h"
#include "calculation/steps.h"
#include "forms/ui/message_box.h"
#include "input/ui/frminputbox.h"
#include "program/messages.h"

namespace kandelo::app {

void Main(App& app)
{
    try {
        calculation::start(app.calculation);
        app.frmInputBox().show();
    } catch (...) {
        app.messageBox().show(QString::fromUtf8(program::message::Failure));
    }
}

} // namespace kandelo::app
