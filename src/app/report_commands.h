#pragma once

#include "report/report.h"

#include <QString>

class QDateTime;
class QWidget;

namespace kandelo::app {

class App;

// Copy, save as PDF and print: the result as the screens show it, from the
// power-factor screen and, while it is open, the sizing screen.
class ReportCommands {
public:
    explicit ReportCommands(App& app);

    // Gives a result screen's window the three commands, in its right-click
    // menu and on Ctrl+C, Ctrl+S and Ctrl+P.
    void install(QWidget* window);

    report::Report currentReport() const;

    // Puts the report on the clipboard as plain text and as HTML.
    void copy();
    // Asks where, then writes the report page as a PDF and says where it went;
    // a file that cannot be written is reported and nothing is left in its place.
    void saveAsPdf(QWidget* parent);
    void print(QWidget* parent);

    // The name the save dialog proposes: the date, in the documents folder, or
    // in the home folder where there is no documents folder.
    static QString proposedPdfPath(const QDateTime& at);

private:
    App& app_;
};

} // namespace kandelo::app
