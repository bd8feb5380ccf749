#pragma once

#include <string>

namespace kandelo::sc {

// The form-level values of the capacitor sizing screen. They persist between
// loads of the screen; each load overwrites them.
struct SizingState {
    double dblScKvar = 0.0;  // required capacitor capacity, kvar
    double dblScKvar2 = 0.0; // rated capacity of the capacitor with series reactor, kvar
    double dblLKvar = 0.0;   // rated capacity of the series reactor, kvar
    std::string strFormat;   // the pattern left by the last RoundByMagnitude
};

} // namespace kandelo::sc
