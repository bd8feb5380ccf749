#include "months/ui/months_page.h"

#include "forms/ui/font.h"
#include "months/captions.h"
#include "months/months_report.h"
#include "months/ui/months_charts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace kandelo::months {

namespace {

constexpr qreal MillimetresPerInch = 25.4;
constexpr qreal TitlePoints = 14;
constexpr qreal TextPoints = 9;
constexpr qreal MinimumTablePoints = 4;

qreal millimetres(const QPaintDevice& device, qreal mm)
{
    return mm * device.logicalDpiX() / MillimetresPerInch;
}

QFont fontOf(qreal points)
{
    QFont font = forms::gothicFont(12);
    font.setPointSizeF(points);
    return font;
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The column of notes, which the table leaves to the lines under it.
std::size_t notesColumn(const MonthsReport& report)
{
    const auto at = std::find(report.headings.begin(), report.headings.end(), std::string(PlanNoteCaption));
    return std::size_t(at - report.headings.begin());
}

// Lines of text set under one another from `top`, wrapped within `width`.
qreal addParagraph(MonthsPageLayout& layout, const QPaintDevice& device, const QString& text, const QFont& font,
    qreal left, qreal top, qreal width)
{
    const QFontMetricsF metrics(font, &device);
    const QRectF box = metrics.boundingRect(QRectF(left, top, width, 1e6), Qt::TextWrapAnywhere, text);
    layout.texts.push_back({text, font, QRectF(left, top, width, box.height()), false});
    return top + box.height();
}

void layOutTable(MonthsPageLayout& layout, const QPaintDevice& device, const MonthsReport& report, QRectF room)
{
    const std::size_t skipped = notesColumn(report);
    std::vector<std::size_t> columns;
    for (std::size_t at = 0; at < report.headings.size(); ++at)
        if (at != skipped)
            columns.push_back(at);
    const auto cellText = [&](const std::vector<std::string>& row, std::size_t column) {
        return column < row.size() ? q(row[column]) : QString();
    };

    // The widths at a size: each column as wide as its widest cell, its
    // heading wrapped within it (at least three characters wide).
    qreal points = TextPoints;
    std::vector<qreal> widths(columns.size());
    qreal headingHeight = 0, rowHeight = 0, padding = 0;
    // The headings wrapped within their columns: the tallest of them.
    const auto headingHeightOf = [&](const QFontMetricsF& metrics) {
        qreal tallest = 0;
        for (std::size_t at = 0; at < columns.size(); ++at)
            tallest = std::max(tallest,
                metrics.boundingRect(QRectF(0, 0, widths[at] - padding * 2, 1e6), Qt::TextWrapAnywhere,
                           q(report.headings[columns[at]]))
                        .height()
                    + padding);
        return tallest;
    };
    for (;;) {
        const QFont font = fontOf(points);
        const QFontMetricsF metrics(font, &device);
        padding = metrics.height() / 4;
        rowHeight = metrics.height() + padding;
        qreal total = 0;
        for (std::size_t at = 0; at < columns.size(); ++at) {
            qreal widest = metrics.horizontalAdvance(QStringLiteral("１２３"));
            for (const std::vector<std::string>& row : report.rows)
                widest = std::max(widest, metrics.horizontalAdvance(cellText(row, columns[at])));
            widths[at] = widest + padding * 2;
            total += widths[at];
        }
        headingHeight = headingHeightOf(metrics);
        const qreal height = headingHeight + rowHeight * qreal(report.rows.size());
        if ((total <= room.width() && height <= room.height()) || points <= MinimumTablePoints)
            break;
        points = std::max(MinimumTablePoints, points * std::min({room.width() / total, room.height() / height, 0.95}));
    }
    const QFont font = fontOf(points);
    // The room left over goes to the headings, so that fewer of them wrap.
    const QFontMetricsF metrics(font, &device);
    std::vector<qreal> wanted(columns.size());
    qreal total = 0, wantedTotal = 0;
    for (std::size_t at = 0; at < columns.size(); ++at) {
        total += widths[at];
        wanted[at] =
            std::max(0.0, metrics.horizontalAdvance(q(report.headings[columns[at]])) + padding * 2 - widths[at]);
        wantedTotal += wanted[at];
    }
    if (wantedTotal > 0 && total < room.width()) {
        const qreal share = std::min(1.0, (room.width() - total) / wantedTotal);
        for (std::size_t at = 0; at < columns.size(); ++at)
            widths[at] += wanted[at] * share;
        headingHeight = headingHeightOf(metrics);
    }
    qreal x = room.left();
    for (std::size_t at = 0; at < columns.size(); ++at) {
        const QRectF heading(x, room.top(), widths[at], headingHeight);
        layout.cells.push_back(heading);
        layout.texts.push_back(
            {q(report.headings[columns[at]]), font, heading.adjusted(padding, padding / 2, -padding, 0), false});
        qreal y = room.top() + headingHeight;
        for (const std::vector<std::string>& row : report.rows) {
            const QRectF cell(x, y, widths[at], rowHeight);
            layout.cells.push_back(cell);
            layout.texts.push_back(
                {cellText(row, columns[at]), font, cell.adjusted(padding, padding / 2, -padding, 0), true});
            y += rowHeight;
        }
        x += widths[at];
    }
}

} // namespace

MonthsPageLayout layOutMonthsPage(const QPaintDevice& device, const MonthsReport& report, int page)
{
    MonthsPageLayout layout;
    const qreal margin = millimetres(device, 12);
    const QRectF area(margin, margin, device.width() - margin * 2, device.height() - margin * 2);
    const QFont title = fontOf(TitlePoints);
    const QFont text = fontOf(TextPoints);
    const QFontMetricsF textMetrics(text, &device);
    qreal y = area.top();
    y = addParagraph(layout, device, q(report.title) + QStringLiteral("　") + q(report.calculatedAt), title,
            area.left(), y, area.width())
        + textMetrics.height() / 2;
    if (page == 0) {
        QStringList settings;
        for (const PlanItem& item : report.settings)
            settings << q(item.caption) + QStringLiteral("：") + q(item.value);
        y = addParagraph(layout, device, settings.join(QStringLiteral("　")), text, area.left(), y, area.width())
            + textMetrics.height() / 2;
        // The months' notes go under the table.
        const std::size_t notes = notesColumn(report);
        QStringList lines;
        for (const std::vector<std::string>& row : report.rows)
            if (notes < row.size() && !row[notes].empty())
                lines << q(row.front()) + QStringLiteral("：") + q(row[notes]);
        // They take at most a third of the page, set smaller when they are many.
        QFont notesFont = text;
        qreal notesHeight = 0;
        if (!lines.isEmpty()) {
            for (;;) {
                notesHeight =
                    QFontMetricsF(notesFont, &device)
                        .boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWrapAnywhere, lines.join(u'\n'))
                        .height();
                if (notesHeight <= (area.bottom() - y) / 3 || notesFont.pointSizeF() <= MinimumTablePoints)
                    break;
                notesFont.setPointSizeF(std::max(MinimumTablePoints, notesFont.pointSizeF() * 0.9));
            }
        }
        const qreal gap = textMetrics.height() / 2;
        layOutTable(
            layout, device, report, QRectF(area.left(), y, area.width(), area.bottom() - y - notesHeight - gap));
        const qreal tableBottom =
            std::max_element(layout.cells.begin(), layout.cells.end(), [](const QRectF& a, const QRectF& b) {
                return a.bottom() < b.bottom();
            })->bottom();
        if (!lines.isEmpty())
            addParagraph(layout, device, lines.join(u'\n'), notesFont, area.left(), tableBottom + gap, area.width());
        return layout;
    }
    // The plan as a caption and a value a line, then the notes, then the charts.
    qreal captionWidth = 0, valueWidth = 0;
    for (const PlanItem& item : report.plan) {
        captionWidth = std::max(captionWidth, textMetrics.horizontalAdvance(q(item.caption)));
        valueWidth = std::max(valueWidth, textMetrics.horizontalAdvance(q(item.value)));
    }
    const qreal gap = textMetrics.height();
    const qreal planTop = y;
    for (const PlanItem& item : report.plan) {
        layout.texts.push_back(
            {q(item.caption), text, QRectF(area.left(), y, captionWidth, textMetrics.height()), false});
        layout.texts.push_back(
            {q(item.value), text, QRectF(area.left() + captionWidth + gap, y, valueWidth, textMetrics.height()), true});
        y += textMetrics.height();
    }
    const qreal notesLeft = area.left() + captionWidth + valueWidth + gap * 3;
    qreal notesBottom = planTop;
    for (const std::string& note : report.notes)
        notesBottom = addParagraph(
            layout, device, QStringLiteral("・") + q(note), text, notesLeft, notesBottom, area.right() - notesLeft);
    const qreal chartsTop = std::max(y, notesBottom) + gap;
    const qreal chartWidth = (area.width() - gap) / 2;
    layout.powerFactorChart = QRectF(area.left(), chartsTop, chartWidth, area.bottom() - chartsTop);
    layout.needChart = QRectF(area.left() + chartWidth + gap, chartsTop, chartWidth, area.bottom() - chartsTop);
    return layout;
}

namespace {

void paintPage(
    QPainter& painter, const QPaintDevice& device, const MonthsReport& report, const MonthsResult& result, int page)
{
    const MonthsPageLayout layout = layOutMonthsPage(device, report, page);
    painter.setPen(QPen(Qt::black, 0));
    for (const QRectF& cell : layout.cells)
        painter.drawRect(cell);
    for (const MonthsPageText& text : layout.texts) {
        painter.setFont(text.font);
        const bool right =
            text.figure && !text.text.isEmpty() && (text.text.front().isDigit() || text.text.front() == u'-');
        painter.drawText(text.box,
            text.figure ? (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextDontClip
                        : Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
            text.text);
    }
    if (page == 1) {
        const QFont font = fontOf(TextPoints);
        paintPowerFactorChart(painter, layout.powerFactorChart, result, font);
        paintNeedChart(painter, layout.needChart, result, font);
    }
}

} // namespace

void paintMonthsPage(QPaintDevice& device, const MonthsReport& report, const MonthsResult& result, int page)
{
    QPainter painter(&device);
    paintPage(painter, device, report, result, page);
}

void paintMonthsPages(QPaintDevice& device, const MonthsReport& report, const MonthsResult& result)
{
    auto* paged = dynamic_cast<QPagedPaintDevice*>(&device);
    QPainter painter(&device);
    for (int page = 0; page < (paged ? MonthsPageCount : 1); ++page) {
        if (page > 0)
            paged->newPage();
        paintPage(painter, device, report, result, page);
    }
}

} // namespace kandelo::months
