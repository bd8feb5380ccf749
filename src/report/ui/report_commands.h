#pragma once

#include "pf/dial_geometry.h"
#include "report/report.h"

#include <QDateTime>
#include <QString>

class QWidget;

namespace kandelo::forms {
class FormRuntime;
}
namespace kandelo::pf {
struct PfScreen;
}
namespace kandelo::program {
struct Calculation;
}
namespace kandelo::sc {
struct SizingResult;
}

namespace kandelo::report {

// What the commands report on: the results of the screens as they stand.
// The program provides it.
class ReportSource {
public:
    virtual ~ReportSource() = default;
    // The figures of the calculation the results were worked out for.
    virtual const program::Calculation& figures() const = 0;
    // The power-factor screen's result; nothing while that screen is not loaded.
    virtual const pf::PfScreen* powerFactor() const = 0;
    // The sizing screen's result; nothing while that screen is not loaded.
    virtual const sc::SizingResult* sizing() const = 0;
    // When the last of them was worked out.
    virtual QDateTime calculatedAt() const = 0;
    virtual pf::TwipPoint dialNeedleTip() const = 0;
};

// Copy, save as PDF and print: the result as the screens show it, from the
// power-factor screen and, while it is open, the sizing screen.
class ReportCommands {
public:
    ReportCommands(ReportSource& source, forms::FormRuntime& runtime);

    // Gives a result screen's window the three commands, in its right-click
    // menu and on Ctrl+C, Ctrl+S and Ctrl+P.
    void install(QWidget* window);

    Report currentReport() const;

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
    ReportSource& source_;
    forms::FormRuntime& runtime_;
};

} // namespace kandelo::report
