#include "app/months_alone.h"

#include "months/ui/months_window.h"

namespace kandelo::app {

std::unique_ptr<months::MonthsWindow> showMonthsAlone(
    const batch::MonthsWindow& asked, forms::DesktopService& desktop, forms::MessageBoxService& messages)
{
    auto window = std::make_unique<months::MonthsWindow>(desktop, messages);
    window->show();
    if (asked.file)
        window->openFile(QString::fromStdString(*asked.file));
    return window;
}

} // namespace kandelo::app
