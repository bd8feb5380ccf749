#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPaintDevice;
class QWidget;

namespace kandelo::forms {

class DesktopService;
class MessageBoxService;

// The user's documents folder where there is one, else the home folder: a
// folder that does not exist would have a file dialog fall back on the
// working folder unnoticed.
QString documentsFolder();

// What a PDF says of itself, and which way its pages stand.
struct PdfDocument {
    QString title;
    QString creator;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// Asks where in the save dialog (proposing `proposed`), then writes the A4
// pages that `paint` draws to a file beside the chosen one, which takes its
// place only once it is complete, and says beside the window where it went;
// a file that cannot be written is said in a message, and nothing is left in
// its place.
void saveAsPdf(DesktopService& desktop, MessageBoxService& messages, QWidget* parent, const QString& proposed,
    const PdfDocument& document, const std::function<void(QPaintDevice&)>& paint);

// Prints what `paint` draws through the print dialog; says so when the
// print module is missing.
void print(DesktopService& desktop, MessageBoxService& messages, QWidget* parent,
    const std::function<void(QPaintDevice&)>& paint);

} // namespace kandelo::forms
