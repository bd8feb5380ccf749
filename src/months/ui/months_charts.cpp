#include "months/ui/months_charts.h"

#include "core/display_pattern.h"
#include "months/months_calc.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kandelo::months {

namespace {

struct Plotted {
    QString label;
    const MonthResult* month;
};

std::vector<Plotted> computedMonths(const MonthsResult& result)
{
    std::vector<Plotted> months;
    for (const MonthResult& month : result.rows)
        if (month.kind == MonthResult::Kind::Computed)
            months.push_back({QString::fromStdString(month.label), &month});
    return months;
}

enum class Marker { Circle, Square, Triangle };

void drawMarker(QPainter& painter, QPointF at, qreal size, Marker marker)
{
    const QRectF box(at.x() - size / 2, at.y() - size / 2, size, size);
    switch (marker) {
    case Marker::Circle:
        painter.setBrush(Qt::black);
        painter.drawEllipse(box);
        break;
    case Marker::Square:
        painter.setBrush(Qt::white);
        painter.drawRect(box);
        break;
    case Marker::Triangle:
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF{{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()});
        break;
    }
    painter.setBrush(Qt::NoBrush);
}

// The frame of a chart: its title above, the axes' room, and the months
// along the bottom. Returns the plotting area.
QRectF drawFrame(QPainter& painter, const QRectF& area, const QString& title, const std::vector<Plotted>& months,
    const QFont& font, qreal leftRoom)
{
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height();
    painter.setFont(font);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRectF plot(
        area.left() + leftRoom, area.top() + line * 2.5, area.width() - leftRoom - line, area.height() - line * 5);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(plot);
    // Each month's label, whole, under its slot; on two alternating lines
    // when they would meet, and set smaller only when even that is too narrow.
    const qreal slot = plot.width() / qreal(std::max<std::size_t>(months.size(), 1));
    qreal widest = 0;
    for (const Plotted& month : months)
        widest = std::max(widest, metrics.horizontalAdvance(month.label));
    const bool alternate = widest > slot * 0.95;
    QFont labelFont = font;
    if (widest > slot * 1.9)
        labelFont.setPointSizeF(std::max(font.pointSizeF() * slot * 1.9 / widest, 4.0));
    painter.setFont(labelFont);
    const QFontMetricsF labelMetrics(labelFont, painter.device());
    for (std::size_t at = 0; at < months.size(); ++at) {
        const qreal centre = plot.left() + slot * (qreal(at) + 0.5);
        const qreal width = labelMetrics.horizontalAdvance(months[at].label);
        const qreal y = plot.bottom() + line * 0.2 + (alternate && at % 2 == 1 ? labelMetrics.height() : 0);
        painter.drawText(QRectF(centre - width / 2, y, width, labelMetrics.height()),
            Qt::AlignCenter | Qt::TextDontClip, months[at].label);
    }
    painter.setFont(font);
    return plot;
}

void drawLegend(QPainter& painter, QPointF at, const QFont& font,
    const std::vector<std::tuple<QString, Qt::PenStyle, std::optional<Marker>>>& entries)
{
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height();
    qreal x = at.x();
    for (const auto& [text, style, marker] : entries) {
        painter.setPen(QPen(Qt::black, line / 8, style));
        painter.drawLine(QPointF(x, at.y() + line / 2), QPointF(x + line * 2, at.y() + line / 2));
        if (marker) {
            painter.setPen(QPen(Qt::black, line / 12));
            drawMarker(painter, QPointF(x + line, at.y() + line / 2), line * 0.45, *marker);
        }
        painter.setPen(Qt::black);
        const qreal width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(x + line * 2.3, at.y(), width, line), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += line * 3 + width;
    }
}

// A figure of a chart as the program writes numbers: "95", "1,500".
QString number(double value)
{
    return QString::fromStdString(core::groupedNumberText(value));
}

// The units of the plan as the plan writes them: "1,200 kvar", or "なし".
QString unitsText(const std::optional<sc::StandardUnits>& units)
{
    return units ? QString::fromStdString(sc::unitTotalText(*units)) + QStringLiteral(" kvar")
                 : QString::fromUtf8(NothingToOrderText.data(), qsizetype(NothingToOrderText.size()));
}

// A step of the scale: its figure left of the plot, and a light line across.
void drawScaleStep(QPainter& painter, const QRectF& area, const QRectF& plot, qreal y, double value, qreal line)
{
    painter.setPen(QPen(Qt::black, 0));
    painter.drawText(QRectF(area.left(), y - line / 2, plot.left() - area.left() - line / 3, line),
        Qt::AlignRight | Qt::AlignVCenter, number(value));
    painter.setPen(QPen(Qt::lightGray, 0));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(QPen(Qt::black, 0));
}

} // namespace

void paintPowerFactorChart(QPainter& painter, const QRectF& area, const MonthsResult& result, const QFont& font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<Plotted> months = computedMonths(result);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height();
    const QRectF plot = drawFrame(painter, area, QStringLiteral("請求上の力率（％）"), months, font,
        metrics.horizontalAdvance(QStringLiteral("100")) + line);

    // From the lowest power factor, in steps of 5, to 100.
    double lowest = 100;
    for (const Plotted& month : months)
        lowest = std::min(lowest, month.month->billedPf);
    if (result.rule)
        lowest = std::min(lowest, result.rule->basis);
    if (result.target)
        lowest = std::min(lowest, *result.target);
    const double bottom = std::max(0.0, std::floor((lowest - 1) / 5) * 5);
    const auto y = [&](double percent) { return plot.bottom() - (percent - bottom) / (100 - bottom) * plot.height(); };
    const qreal slot = plot.width() / qreal(std::max<std::size_t>(months.size(), 1));
    const auto x = [&](std::size_t at) { return plot.left() + slot * (qreal(at) + 0.5); };

    for (double percent = bottom; percent <= 100; percent += 5)
        drawScaleStep(painter, area, plot, y(percent), percent, line);
    const auto level = [&](double percent, const QString& text) {
        painter.setPen(QPen(Qt::black, line / 10, Qt::DashDotLine));
        painter.drawLine(QPointF(plot.left(), y(percent)), QPointF(plot.right(), y(percent)));
        painter.setPen(Qt::black);
        const qreal width = metrics.horizontalAdvance(text);
        painter.drawText(QRectF(plot.right() - width - line / 4, y(percent) - line, width, line),
            Qt::AlignRight | Qt::AlignVCenter, text);
    };
    if (result.rule)
        level(result.rule->basis, QStringLiteral("基準 %1％").arg(number(result.rule->basis)));
    if (result.target)
        level(*result.target, QStringLiteral("目標 %1％").arg(number(*result.target)));

    const auto series = [&](auto value, Qt::PenStyle style, Marker marker) {
        QPainterPath path;
        std::vector<QPointF> points;
        for (std::size_t at = 0; at < months.size(); ++at) {
            const std::optional<double> percent = value(*months[at].month);
            if (!percent)
                continue;
            const QPointF point(x(at), y(*percent));
            if (points.empty())
                path.moveTo(point);
            else
                path.lineTo(point);
            points.push_back(point);
        }
        painter.setPen(QPen(Qt::black, line / 8, style));
        painter.drawPath(path);
        painter.setPen(QPen(Qt::black, line / 12));
        for (const QPointF& point : points)
            drawMarker(painter, point, line * 0.45, marker);
    };
    series([](const MonthResult& m) { return std::optional<double>(m.billedPf); }, Qt::SolidLine, Marker::Circle);
    series([](const MonthResult& m) { return m.fixedOnlyBilled; }, Qt::DashLine, Marker::Square);
    series([](const MonthResult& m) { return m.fixedAutoBilled; }, Qt::DotLine, Marker::Triangle);

    drawLegend(painter, QPointF(area.left(), area.top() + line * 1.2), font,
        {{QStringLiteral("現在"), Qt::SolidLine, Marker::Circle},
            {QStringLiteral("固定のみ"), Qt::DashLine, Marker::Square},
            {QStringLiteral("固定＋自動"), Qt::DotLine, Marker::Triangle}});
    painter.restore();
}

void paintNeedChart(QPainter& painter, const QRectF& area, const MonthsResult& result, const QFont& font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<Plotted> months = computedMonths(result);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.height();
    const Plan* plan = result.plan ? &*result.plan : nullptr;
    const double bank = plan && plan->fixedOnly ? plan->fixedOnly->total() : 0;
    const double fixed = plan && plan->fixedPart ? plan->fixedPart->total() : 0;
    double top = bank;
    for (const Plotted& month : months)
        top = std::max(top, month.month->requiredKvar);
    // A round top: 1, 2 or 5 times a power of ten, in five steps.
    double step = 1;
    if (top > 0) {
        const double magnitude = std::pow(10.0, std::floor(std::log10(top / 5)));
        step = magnitude;
        for (const double times : {1.0, 2.0, 5.0, 10.0})
            if (top / (magnitude * times) <= 5) {
                step = magnitude * times;
                break;
            }
    }
    const double ceiling = std::max(step, std::ceil(top / step) * step);
    const QString widest = number(ceiling);
    const QRectF plot = drawFrame(
        painter, area, QStringLiteral("必要容量（kvar）"), months, font, metrics.horizontalAdvance(widest) + line);
    const auto y = [&](double kvar) { return plot.bottom() - kvar / ceiling * plot.height(); };
    const qreal slot = plot.width() / qreal(std::max<std::size_t>(months.size(), 1));

    for (double kvar = 0; kvar <= ceiling + step / 2; kvar += step)
        drawScaleStep(painter, area, plot, y(kvar), kvar, line);
    painter.setPen(QPen(Qt::black, line / 12));
    painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    for (std::size_t at = 0; at < months.size(); ++at) {
        const double need = months[at].month->requiredKvar;
        const qreal left = plot.left() + slot * (qreal(at) + 0.2);
        painter.drawRect(QRectF(QPointF(left, y(need)), QPointF(left + slot * 0.6, plot.bottom())));
    }
    painter.setBrush(Qt::NoBrush);
    const auto level = [&](double kvar, Qt::PenStyle style) {
        painter.setPen(QPen(Qt::black, line / 7, style));
        painter.drawLine(QPointF(plot.left(), y(kvar)), QPointF(plot.right(), y(kvar)));
    };
    if (plan) {
        level(bank, Qt::SolidLine);
        level(fixed, Qt::DashLine);
    }
    painter.setPen(Qt::black);
    drawLegend(painter, QPointF(area.left(), area.top() + line * 1.2), font,
        {{QStringLiteral("全体 %1").arg(unitsText(plan ? plan->fixedOnly : std::nullopt)), Qt::SolidLine, std::nullopt},
            {QStringLiteral("固定部分 %1").arg(unitsText(plan ? plan->fixedPart : std::nullopt)), Qt::DashLine,
                std::nullopt}});
    painter.restore();
}

} // namespace kandelo::months
