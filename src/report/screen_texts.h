#pragma once

#include "report/report.h"

namespace kandelo::pf {
struct PfScreen;
}
namespace kandelo::program {
struct Calculation;
}
namespace kandelo::sc {
struct SizingResult;
}

// The report's view of the two results: every text as the screen shows it,
// named by the screen's own captions.

namespace kandelo::report {

PfScreenTexts screenTexts(const pf::PfScreen& result);
// The sizing screen's, for the calculation it was worked out for.
ScScreenTexts screenTexts(const sc::SizingResult& result, const program::Calculation& figures);

} // namespace kandelo::report
