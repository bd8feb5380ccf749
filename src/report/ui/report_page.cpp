#include "report/ui/report_page.h"

#include "app/version.h"
#include "forms/ui/font.h"
#include "pf/ui/pf_dial.h"
#include "report/report.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace kandelo::report {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

// Lengths on the page in millimetres, turned into the device's own units.
class Page {
public:
    explicit Page(const QPaintDevice& device)
        : dotsPerMm_(device.logicalDpiX() / 25.4)
    {
    }
    qreal mm(qreal millimetres) const { return millimetres * dotsPerMm_; }

private:
    qreal dotsPerMm_;
};

constexpr qreal Margin = 20;
constexpr qreal LabelWidth = 78;
constexpr qreal DialWidth = 52;
constexpr qreal TableColumnWidth = 34;

} // namespace

void paintReportPage(QPaintDevice& device, const Report& report, pf::TwipPoint needleTip)
{
    const Page page(device);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);

    const qreal left = page.mm(Margin);
    const qreal right = device.width() - page.mm(Margin);
    qreal y = page.mm(Margin);

    const QFont titleFont = forms::gothicFont(16, true);
    const QFont headingFont = forms::gothicFont(11.5, true);
    const QFont bodyFont = forms::gothicFont(10);
    const QFont smallFont = forms::gothicFont(8.5);
    const auto lineHeight = [&device](const QFont& font) { return QFontMetricsF(font, &device).height(); };
    const auto write = [&](const QFont& font, qreal x, qreal width, const QString& text, int flags = Qt::AlignLeft) {
        painter.setFont(font);
        const QRectF box(x, y, width, page.mm(200));
        const QRectF used = painter.boundingRect(box, flags | Qt::TextWordWrap, text);
        painter.drawText(box, flags | Qt::TextWordWrap, text);
        return used.height();
    };

    y += write(titleFont, left, right - left, q(report.title));
    y += page.mm(2);
    y += write(smallFont, left, right - left, QStringLiteral("計算日時　") + q(report.calculatedAt));
    y += page.mm(3);
    painter.setPen(QPen(Qt::black, page.mm(0.3)));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setPen(Qt::black);
    y += page.mm(4);

    // The dial stands at the right of the first sections.
    const qreal dialHeight = DialWidth * pf::PfDial::Box.height / pf::PfDial::Box.width;
    const QRectF dial(right - page.mm(DialWidth), y, page.mm(DialWidth), page.mm(dialHeight));
    pf::paintDial(painter, dial, needleTip);
    const qreal dialBottom = dial.bottom() + page.mm(4);

    for (const Section& section : report.sections) {
        const qreal width = (y < dialBottom ? dial.left() - page.mm(4) : right) - left;
        y += write(headingFont, left, width, q(section.heading));
        y += page.mm(1.5);
        for (const std::string& note : section.notes)
            y += write(bodyFont, left + page.mm(4), width - page.mm(4), q(note)) + page.mm(1);
        for (const Item& item : section.items) {
            const qreal labelHeight = write(bodyFont, left + page.mm(4), page.mm(LabelWidth - 4), q(item.label));
            const qreal valueHeight =
                write(bodyFont, left + page.mm(LabelWidth), width - page.mm(LabelWidth), q(item.value));
            y += std::max(labelHeight, valueHeight) + page.mm(1);
        }
        if (section.table) {
            y = std::max(y, dialBottom) + page.mm(2);
            y += write(bodyFont, left + page.mm(4), right - left, q(section.table->caption)) + page.mm(1);
            const qreal rowHeight = lineHeight(bodyFont) + page.mm(2);
            const qreal tableLeft = left + page.mm(4);
            const auto row = [&](const TableRow& cells, bool heading) {
                for (std::size_t column = 0; column < cells.size(); ++column) {
                    const QRectF cell(
                        tableLeft + page.mm(TableColumnWidth) * qreal(column), y, page.mm(TableColumnWidth), rowHeight);
                    if (heading)
                        painter.fillRect(cell, QColor(235, 235, 235));
                    painter.setPen(QPen(Qt::black, page.mm(0.2)));
                    painter.drawRect(cell);
                    painter.setFont(heading ? headingFont : bodyFont);
                    painter.drawText(cell.adjusted(page.mm(2), 0, -page.mm(2), 0),
                        (heading ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter), q(cells[column]));
                }
                y += rowHeight;
            };
            row(section.table->headings, true);
            for (const TableRow& cells : section.table->rows)
                row(cells, false);
            painter.setPen(Qt::black);
        }
        y += page.mm(4);
    }

    painter.setFont(smallFont);
    painter.drawText(
        QRectF(left, device.height() - page.mm(Margin) - lineHeight(smallFont), right - left, lineHeight(smallFont)),
        Qt::AlignRight, QString::fromUtf8(app::ApplicationTitle));
}

} // namespace kandelo::report
