#pragma once

#include "pf/dial_geometry.h"

class QPaintDevice;

namespace kandelo::report {

struct Report;

// Lays out the report as one A4 portrait page on any paint device (a PDF
// writer, a printer, an image): title, date and time, the figures by section,
// the capacitance table, and the power-factor dial drawn as vectors by the
// screen's own painting, its needle at needleTip.
void paintReportPage(QPaintDevice& device, const Report& report, pf::TwipPoint needleTip);

} // namespace kandelo::report
