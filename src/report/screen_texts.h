#pragma once

#include "report/report.h"

namespace kandelo::pf {
struct PfScreen;
}
namespace kandelo::sc {
struct SizingResult;
}

// The report's view of the two results: every text as the screen shows it,
// named by the screen's own captions.

namespace kandelo::report {

PfScreenTexts screenTexts(const pf::PfScreen& result);
ScScreenTexts screenTexts(const sc::SizingResult& result);

} // namespace kandelo::report
