#include "app/module1.h"

#include "app/app.h"
#include "app/message_box.h"
#include "core/arithmetic_error.h"
#include "input/frminputbox.h"

namespace kandelo::app {

void Main(App& app)
{
    try {
        app.strInputMode = InputMode::Kwh;
        app.frmInputBox().show();
    } catch (const core::ArithmeticError&) {
        app.messageBox().show(QStringLiteral("エラー　終了します"));
    }
}

} // namespace kandelo::app
