#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QPaintDevice;

namespace kandelo::months {

struct MonthsReport;
struct MonthsResult;

// One text of a page of the months' report, where it stands.
struct MonthsPageText {
    QString text;
    QFont font;
    QRectF box;
    bool figure = false; // a cell of the table or a value of the plan: one line, whole
};

// A page as it is drawn, in the device's units.
struct MonthsPageLayout {
    std::vector<MonthsPageText> texts;
    std::vector<QRectF> cells; // the table's grid
    QRectF powerFactorChart;   // the second page's charts
    QRectF needChart;
};

inline constexpr int MonthsPageCount = 2;

// The pages of the report, A4 landscape or whatever the device is: first the
// title, what the plan was worked out for and the table of months, each cell
// whole on one line (the table is set smaller until it fits the page); then
// the plan, the notes and the two charts.
MonthsPageLayout layOutMonthsPage(const QPaintDevice& device, const MonthsReport& report, int page);

// Draws one page so laid out.
void paintMonthsPage(QPaintDevice& device, const MonthsReport& report, const MonthsResult& result, int page);

// Draws every page, on a paged device (a PDF writer, a printer) one after another.
void paintMonthsPages(QPaintDevice& device, const MonthsReport& report, const MonthsResult& result);

} // namespace kandelo::months
