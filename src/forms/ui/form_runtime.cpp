#include "forms/ui/form_runtime.h"

#include "forms/ui/desktop.h"
#include "forms/ui/message_box.h"

#include <exception>

namespace kandelo::forms {

FormRuntime::FormRuntime(MessageBoxService& messageBox)
    : messageBox_(messageBox)
{
}

FormRuntime::~FormRuntime() = default;

DesktopService& FormRuntime::desktop()
{
    if (!desktop_)
        desktop_ = std::make_unique<SystemDesktop>();
    return *desktop_;
}

void FormRuntime::replaceDesktop(std::unique_ptr<DesktopService> desktop)
{
    desktop_ = std::move(desktop);
}

void FormRuntime::run(const std::function<void()>& handler)
{
    lifetime_.enter();
    try {
        handler();
    } catch (const std::exception& failure) {
        messageBox_.show(QString::fromUtf8(failure.what()));
        end(1);
    } catch (...) {
        messageBox_.show(QStringLiteral("予期しないエラーが発生しました"));
        end(1);
    }
    if (lifetime_.leave())
        end(0);
}

void FormRuntime::end(int exitCode)
{
    if (!lifetime_.end())
        return;
    exitCode_ = exitCode;
    emit ended(exitCode);
}

} // namespace kandelo::forms
