#pragma once

#include "pf/dial_geometry.h"

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

class QPaintDevice;

namespace kandelo::report {

struct Report;

// One text of the page, where it stands and in what size. Every text but a
// label and a header line stands on one line, whole: its box is as wide as
// the text.
struct PageText {
    enum class Kind { Title, Date, Header, Heading, Note, Label, Value, TableCaption, TableHeading, TableCell, Footer };
    Kind kind;
    QString text;
    QFont font;
    QRectF box;
    int flags;     // how it is drawn within its box
    QRectF column; // the room it may take: its column, its cell, its line
};

// The page as it is drawn, in the device's own units.
struct PageLayout {
    QRectF dial;
    QLineF rule; // under the title
    std::vector<PageText> texts;
    std::vector<QRectF> headingCells; // of the capacitance table
    std::vector<QRectF> cells;
};

// Lays out the report as one A4 portrait page for a paint device (a PDF
// writer, a printer, an image): title, date and time, the figures by section,
// the capacitance table, and the power-factor dial. A figure never wraps, is
// never cut and never runs under the dial or into the next column: its
// column makes room, or it is set smaller down to a readable minimum, and
// only then it takes a line of its own under its label. Should the whole no
// longer fit the page, every text is set a little smaller.
PageLayout layOutReportPage(const QPaintDevice& device, const Report& report);

// Draws the page so laid out, the dial drawn as vectors by the screen's own
// painting, its needle at needleTip.
void paintReportPage(QPaintDevice& device, const Report& report, pf::TwipPoint needleTip);

// The smallest size a figure is set in, in points, before it takes a line of
// its own.
inline constexpr qreal MinimumFigurePoints = 7;
// A line of the header (whom and where the report is for) too long for the
// page is set smaller down to MinimumFigurePoints, then wraps onto at most
// this many lines.
inline constexpr int MaxHeaderLines = 3;

} // namespace kandelo::report
