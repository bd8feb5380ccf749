#pragma once

#include <QRectF>

class QFont;
class QPainter;

namespace kandelo::months {

struct MonthsResult;

// The two charts of the months, drawn alike on the window, a PDF and a
// printer, in black and white: the power factor billed by month (present,
// fixed only, fixed and automatic, each with its own line and marker; the
// basis and the target as lines), and the capacity each month needs against
// the fixed part and the whole bank.
void paintPowerFactorChart(QPainter& painter, const QRectF& area, const MonthsResult& result, const QFont& font);
void paintNeedChart(QPainter& painter, const QRectF& area, const MonthsResult& result, const QFont& font);

} // namespace kandelo::months
