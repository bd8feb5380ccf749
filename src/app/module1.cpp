#include "app/module1.h"

#include "app/app.h"
#include "app/messages.h"
#include "forms/ui/message_box.h"
#include "input/ui/frminputbox.h"

namespace kandelo::app {

void Main(App& app)
{
    try {
        app.strInputMode = InputMode::Kwh;
        app.frmInputBox().show();
    } catch (...) {
        app.messageBox().show(QString::fromUtf8(message::Failure));
    }
}

} // namespace kandelo::app
