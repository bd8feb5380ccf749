#include "report/ui/report_page.h"

#include "forms/ui/font.h"
#include "pf/ui/dial_painting.h"
#include "program/version.h"
#include "report/report.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <optional>

namespace kandelo::report {

namespace {

// Lengths on the page in millimetres; sizes in points.
constexpr qreal Margin = 20;
constexpr qreal Indent = 4;
constexpr qreal LabelWidth = 78; // from the margin to the value column
constexpr qreal DialWidth = 52;
constexpr qreal Gap = 4;
constexpr qreal LeastTableColumn = 34;
constexpr qreal CellPadding = 2;
constexpr qreal TitlePoints = 16;
constexpr qreal HeadingPoints = 11.5;
constexpr qreal BodyPoints = 10;
constexpr qreal SmallPoints = 8.5;
constexpr qreal PointStep = 0.5;
// Should the page overflow, every size is taken down by these steps.
constexpr std::array<qreal, 8> Scales{1.0, 0.94, 0.88, 0.82, 0.76, 0.7, 0.64, 0.58};

constexpr int OneLine = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

class Builder {
public:
    Builder(const QPaintDevice& device, qreal scale)
        : device_(device)
        , scale_(scale)
        , dotsPerMm_(device.logicalDpiX() / 25.4)
    {
    }

    qreal mm(qreal millimetres) const { return millimetres * dotsPerMm_; }
    QFont font(qreal points, bool bold = false) const { return forms::gothicFont(points * scale_, bold); }
    qreal advance(const QFont& font, const QString& text) const
    {
        return QFontMetricsF(font, &device_).horizontalAdvance(text);
    }
    qreal lineHeight(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }

    // font, or a smaller size of it down to floor points, in which text takes
    // no more than width on one line; nothing when none does.
    std::optional<QFont> fitting(const QString& text, QFont font, qreal width, qreal floorPoints) const
    {
        for (;;) {
            if (advance(font, text) <= width)
                return font;
            const qreal smaller = font.pointSizeF() - PointStep;
            if (smaller < floorPoints - 1e-6)
                return std::nullopt;
            font.setPointSizeF(smaller);
        }
    }

    // As fitting, and failing that the size that does fit: a text is set
    // smaller rather than cut.
    QFont fitted(const QString& text, const QFont& font, qreal width) const
    {
        if (const auto fits = fitting(text, font, width, MinimumFigurePoints))
            return *fits;
        QFont smaller = font;
        smaller.setPointSizeF(font.pointSizeF() * width / advance(font, text));
        while (advance(smaller, text) > width && smaller.pointSizeF() > 1)
            smaller.setPointSizeF(smaller.pointSizeF() * 0.97);
        return smaller;
    }

    // A text on one line in its column, aligned left, right or centred.
    PageText line(PageText::Kind kind, const QString& text, const QFont& font, const QRectF& column,
        Qt::Alignment alignment = Qt::AlignLeft) const
    {
        const qreal width = advance(font, text);
        qreal x = column.left();
        if (alignment & Qt::AlignRight)
            x = column.right() - width;
        else if (alignment & Qt::AlignHCenter)
            x = column.left() + (column.width() - width) / 2;
        const qreal height = lineHeight(font);
        const qreal y = column.top() + std::max<qreal>(0, (column.height() - height) / 2);
        return {kind, text, font, QRectF(x, y, width, height), OneLine, column};
    }

    // A text that may wrap within its column: between words, or, for a word
    // longer than the column, anywhere.
    PageText wrapped(PageText::Kind kind, const QString& text, const QFont& font, qreal x, qreal y, qreal width) const
    {
        const QFontMetricsF metrics(font, &device_);
        int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        QRectF used = metrics.boundingRect(QRectF(x, y, width, mm(200)), flags, text);
        if (used.width() > width + 0.5) {
            flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
            used = metrics.boundingRect(QRectF(x, y, width, mm(200)), flags, text);
        }
        return {kind, text, font, QRectF(x, y, width, used.height()), flags, QRectF(x, y, width, used.height())};
    }

    // A line of the header: on one line, set smaller down to the figures'
    // minimum where it must; then wrapped at that size onto at most
    // MaxHeaderLines lines, and smaller still only should even these not
    // hold it.
    PageText header(const QString& text, QFont font, qreal x, qreal y, qreal width) const
    {
        font.setPointSizeF(std::max(font.pointSizeF(), MinimumFigurePoints));
        if (const auto fits = fitting(text, font, width, MinimumFigurePoints))
            return line(PageText::Kind::Header, text, *fits, QRectF(x, y, width, lineHeight(*fits)));
        QFont smaller = font;
        smaller.setPointSizeF(MinimumFigurePoints);
        for (;;) {
            PageText lines = wrapped(PageText::Kind::Header, text, smaller, x, y, width);
            if (lines.box.height() <= MaxHeaderLines * lineHeight(smaller) * 1.01 || smaller.pointSizeF() < 1)
                return lines;
            smaller.setPointSizeF(smaller.pointSizeF() * 0.9);
        }
    }

private:
    const QPaintDevice& device_;
    qreal scale_;
    qreal dotsPerMm_;
};

struct Attempt {
    PageLayout layout;
    bool fits = true;
};

// The capacitance table: as wide as its widest cell needs, at least its
// design width, and set smaller when even the page is too narrow for it.
void layOutTable(const Builder& b, const Table& table, qreal left, qreal right, qreal& y, PageLayout& page)
{
    QFont cellFont = b.font(BodyPoints);
    QFont headingFont = b.font(HeadingPoints, true);
    const auto widths = [&] {
        std::array<qreal, 3> needed{};
        for (std::size_t column = 0; column < needed.size(); ++column) {
            needed[column] = std::max(
                b.mm(LeastTableColumn), b.advance(headingFont, q(table.headings[column])) + 2 * b.mm(CellPadding));
            for (const TableRow& row : table.rows)
                needed[column] = std::max(needed[column], b.advance(cellFont, q(row[column])) + 2 * b.mm(CellPadding));
        }
        return needed;
    };
    const auto total = [](const std::array<qreal, 3>& w) { return w[0] + w[1] + w[2]; };
    std::array<qreal, 3> columns = widths();
    while (total(columns) > right - left && cellFont.pointSizeF() > MinimumFigurePoints + 1e-6) {
        cellFont.setPointSizeF(cellFont.pointSizeF() - PointStep);
        headingFont.setPointSizeF(std::max(cellFont.pointSizeF(), headingFont.pointSizeF() - PointStep));
        columns = widths();
    }
    while (total(columns) > right - left && cellFont.pointSizeF() > 1) {
        cellFont.setPointSizeF(cellFont.pointSizeF() * 0.95);
        headingFont.setPointSizeF(std::min(headingFont.pointSizeF(), cellFont.pointSizeF()));
        columns = widths();
    }

    const auto row = [&](const TableRow& cells, bool heading) {
        const QFont& font = heading ? headingFont : cellFont;
        const qreal height = b.lineHeight(font) + b.mm(CellPadding);
        qreal x = left;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const QRectF cell(x, y, columns[column], height);
            (heading ? page.headingCells : page.cells).push_back(cell);
            const QRectF room = cell.adjusted(b.mm(CellPadding), 0, -b.mm(CellPadding), 0);
            const bool name = table.firstColumnNames && column == 0 && !heading;
            page.texts.push_back(
                b.line(heading ? PageText::Kind::TableHeading : PageText::Kind::TableCell, q(cells[column]), font, room,
                    heading    ? Qt::AlignHCenter
                        : name ? Qt::AlignLeft
                               : Qt::AlignRight));
            x += columns[column];
        }
        y += height;
    };
    row(table.headings, true);
    for (const TableRow& cells : table.rows)
        row(cells, false);
}

Attempt layOut(const QPaintDevice& device, const Report& report, qreal scale)
{
    const Builder b(device, scale);
    Attempt attempt;
    PageLayout& page = attempt.layout;
    const qreal left = b.mm(Margin);
    const qreal right = device.width() - b.mm(Margin);
    qreal y = b.mm(Margin);
    const auto add = [&](PageText text) {
        const qreal height = text.box.bottom() - y;
        page.texts.push_back(std::move(text));
        return height;
    };
    const auto fittedLine = [&](PageText::Kind kind, const QString& text, qreal points, bool bold, qreal x,
                                qreal lineRight) {
        const QFont font = b.fitted(text, b.font(points, bold), lineRight - x);
        return b.line(kind, text, font, QRectF(x, y, lineRight - x, b.lineHeight(font)));
    };

    y += add(fittedLine(PageText::Kind::Title, q(report.title), TitlePoints, true, left, right)) + b.mm(2);
    y += add(fittedLine(PageText::Kind::Date, QStringLiteral("計算日時　") + q(report.calculatedAt), SmallPoints, false,
             left, right))
        + b.mm(1);
    for (const Item& item : report.header)
        y += add(b.header(
                 q(item.label) + QStringLiteral("　") + q(item.value), b.font(SmallPoints), left, y, right - left))
            + b.mm(1);
    y += b.mm(2);
    page.rule = QLineF(left, y, right, y);
    y += b.mm(4);

    // The dial stands at the right of the first sections; nothing runs under it.
    const qreal dialHeight = DialWidth * pf::DialBox.height / pf::DialBox.width;
    page.dial = QRectF(right - b.mm(DialWidth), y, b.mm(DialWidth), b.mm(dialHeight));
    const qreal dialBottom = page.dial.bottom() + b.mm(Gap);
    const auto rightAt = [&](qreal top) { return top < dialBottom ? page.dial.left() - b.mm(Gap) : right; };

    for (const Section& section : report.sections) {
        y += add(fittedLine(PageText::Kind::Heading, q(section.heading), HeadingPoints, true, left, rightAt(y)))
            + b.mm(1.5);
        for (const std::string& note : section.notes)
            y += add(fittedLine(PageText::Kind::Note, q(note), BodyPoints, false, left + b.mm(Indent), rightAt(y)))
                + b.mm(1);
        for (const Item& item : section.items) {
            const PageText label = b.wrapped(PageText::Kind::Label, q(item.label), b.font(BodyPoints),
                left + b.mm(Indent), y, b.mm(LabelWidth - Indent - Gap / 2));
            const qreal labelHeight = label.box.height();
            page.texts.push_back(label);
            const QString value = q(item.value);
            const qreal valueLeft = left + b.mm(LabelWidth);
            if (const auto font = b.fitting(value, b.font(BodyPoints), rightAt(y) - valueLeft, MinimumFigurePoints)) {
                const QRectF column(valueLeft, y, rightAt(y) - valueLeft, b.lineHeight(*font));
                page.texts.push_back(b.line(PageText::Kind::Value, value, *font, column));
                y += std::max(labelHeight, column.height()) + b.mm(1);
                continue;
            }
            // Too wide for its column even when smaller: a line of its own under the label.
            y += labelHeight;
            const qreal x = left + b.mm(2 * Indent);
            y += add(fittedLine(PageText::Kind::Value, value, BodyPoints, false, x, rightAt(y))) + b.mm(1);
        }
        if (section.table) {
            y = std::max(y, dialBottom) + b.mm(2);
            if (!section.table->caption.empty())
                y += add(fittedLine(PageText::Kind::TableCaption, q(section.table->caption), BodyPoints, false,
                         left + b.mm(Indent), right))
                    + b.mm(1);
            layOutTable(b, *section.table, left + b.mm(Indent), right, y, page);
        }
        y += b.mm(4);
    }

    const QFont small = b.font(SmallPoints);
    const qreal footerTop = device.height() - b.mm(Margin) - b.lineHeight(small);
    attempt.fits = y <= footerTop;
    page.texts.push_back(b.line(PageText::Kind::Footer, QString::fromUtf8(program::ApplicationTitle), small,
        QRectF(left, footerTop, right - left, b.lineHeight(small)), Qt::AlignRight));
    return attempt;
}

} // namespace

PageLayout layOutReportPage(const QPaintDevice& device, const Report& report)
{
    Attempt attempt;
    for (const qreal scale : Scales) {
        attempt = layOut(device, report, scale);
        if (attempt.fits)
            break;
    }
    return attempt.layout;
}

void paintReportPage(QPaintDevice& device, const Report& report, pf::TwipPoint needleTip)
{
    const PageLayout page = layOutReportPage(device, report);
    const qreal dotsPerMm = device.logicalDpiX() / 25.4;
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    pf::paintDial(painter, page.dial, needleTip);
    painter.setPen(QPen(Qt::black, 0.3 * dotsPerMm));
    painter.drawLine(page.rule);
    painter.setPen(QPen(Qt::black, 0.2 * dotsPerMm));
    for (const QRectF& cell : page.headingCells) {
        painter.fillRect(cell, QColor(235, 235, 235));
        painter.drawRect(cell);
    }
    for (const QRectF& cell : page.cells)
        painter.drawRect(cell);
    painter.setPen(Qt::black);
    for (const PageText& text : page.texts) {
        painter.setFont(text.font);
        painter.drawText(text.box, text.flags, text.text);
    }
}

} // namespace kandelo::report
