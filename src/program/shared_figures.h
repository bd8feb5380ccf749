#pragma once

namespace kandelo::program {

// The five figures that the screens pass to one another. The power-factor
// screen carries them; they outlive its window.
struct SharedFigures {
    double intKwh = 0.0;      // active energy, kWh
    double intKvarh = 0.0;    // reactive energy, kvarh; negative when leading
    double intHours = 0.0;    // metering hours
    double intPf = 0.0;       // present average power factor, %
    double intTargetPf = 0.0; // target power factor, %
};

} // namespace kandelo::program
