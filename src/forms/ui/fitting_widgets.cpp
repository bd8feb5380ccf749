#include "forms/ui/fitting_widgets.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <functional>

namespace kandelo::forms {

namespace {

constexpr qreal PointStep = 0.5;

bool fits(const QString& text, const QFont& font, int width)
{
    return QFontMetricsF(font).horizontalAdvance(text) <= width;
}

bool isWhole(const FittedText& fitted, const QString& text, const QFont& font)
{
    return fitted.text == text && fitted.font == font;
}

// Shows the whole text as a tooltip where the control draws less of it and
// has no hint of its own. Only a tooltip event costs a fitting.
bool showWholeText(QWidget* control, QEvent* event, const QString& text, const std::function<bool()>& drawnWhole)
{
    if (event->type() != QEvent::ToolTip || !control->toolTip().isEmpty() || drawnWhole())
        return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, control);
    return true;
}

} // namespace

FittedText fitText(const QString& text, const QFont& font, int width)
{
    if (width <= 0 || fits(text, font, width))
        return {font, text};
    width = std::max(1, width - 2 * FittedMargin);
    QFont smaller = font;
    for (qreal points = font.pointSizeF() - PointStep; points >= MinimumFittedPointSize; points -= PointStep) {
        smaller.setPointSizeF(points);
        if (fits(text, smaller, width))
            return {smaller, text};
    }
    if (font.pointSizeF() > MinimumFittedPointSize)
        smaller.setPointSizeF(MinimumFittedPointSize);
    return {smaller, QFontMetrics(smaller).elidedText(text, Qt::ElideMiddle, width)};
}

FittedText FittingLabel::shown() const
{
    return fitText(text(), font(), contentsRect().width() - 2 * margin());
}

void FittingLabel::paintEvent(QPaintEvent* event)
{
    const FittedText fitted = shown();
    if (isWhole(fitted, text(), font())) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fitted.font);
    painter.setPen(palette().color(foregroundRole()));
    const int inset = margin() + FittedMargin;
    painter.drawText(contentsRect().adjusted(inset, margin(), -inset, -margin()), int(alignment()), fitted.text);
}

bool FittingLabel::event(QEvent* event)
{
    return showWholeText(this, event, text(), [this] { return isWhole(shown(), text(), font()); })
        || QLabel::event(event);
}

QRect FittingLineEdit::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    // QLineEdit keeps two pixels either side of its text, and one above and below.
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(2, 1, -2, -1);
}

FittedText FittingLineEdit::shown() const
{
    if (hasFocus())
        return {font(), text()};
    return fitText(text(), font(), textArea().width());
}

void FittingLineEdit::paintEvent(QPaintEvent* event)
{
    const FittedText fitted = shown();
    if (isWhole(fitted, text(), font())) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setFont(fitted.font);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(textArea().adjusted(FittedMargin, 0, -FittedMargin, 0), int(alignment()), fitted.text);
}

FittedText FittingGroupBox::shown() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    return fitText(title(), font(), width() - 2 * label.left());
}

void FittingGroupBox::paintEvent(QPaintEvent* event)
{
    const FittedText fitted = shown();
    if (isWhole(fitted, title(), font())) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.text = fitted.text;
    option.fontMetrics = QFontMetrics(fitted.font);
    painter.setFont(fitted.font);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

bool FittingGroupBox::event(QEvent* event)
{
    return showWholeText(this, event, title(), [this] { return isWhole(shown(), title(), font()); })
        || QGroupBox::event(event);
}

void FittingItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QWidget* view = option->widget;
    const QStyle* style = view ? view->style() : nullptr;
    const int margin = style ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1 : 0;
    const FittedText fitted = fitText(option->text, option->font, option->rect.width() - 2 * margin);
    option->font = fitted.font;
    option->fontMetrics = QFontMetrics(fitted.font);
    option->text = fitted.text;
}

} // namespace kandelo::forms
