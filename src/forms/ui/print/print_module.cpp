// The print module: Qt's print support and its dialog, loaded by the program
// only when the user first prints.
#include "forms/ui/desktop.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool kandeloPrintPage(QWidget* parent, const std::function<void(QPaintDevice&)>& paintPage)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paintPage(printer);
    return true;
}

// The module's function has the type the program expects.
static_assert(std::is_same_v<decltype(&kandeloPrintPage), kandelo::forms::PrintPageFunction>);
