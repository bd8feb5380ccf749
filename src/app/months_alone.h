#pragma once

#include "batch/options.h"

#include <memory>

namespace kandelo::forms {
class DesktopService;
class MessageBoxService;
} // namespace kandelo::forms
namespace kandelo::months {
class MonthsWindow;
}

namespace kandelo::app {

// The window 月別の力率 by itself, as "kandelo --months [FILE]" asks: shown,
// with the file opened (a file that cannot be opened is said in a message,
// and the window stays, empty).
std::unique_ptr<months::MonthsWindow> showMonthsAlone(
    const batch::MonthsWindow& asked, forms::DesktopService& desktop, forms::MessageBoxService& messages);

} // namespace kandelo::app
