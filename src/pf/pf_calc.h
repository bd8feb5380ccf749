#pragma once

#include <string>
#include <string_view>

namespace kandelo::pf {

enum class Phase { Lag, Lead };

// The note of lblComent, shown from 99.5 % for a lagging power factor.
inline constexpr std::string_view CommentCaption = "99.5以上　→　100%";

// What the power-factor screen shows after its load.
struct PfScreen {
    double intPf = 0.0;          // average power factor in percent, unrounded
    std::string lblKwh;          // "##,##0.00"
    std::string lblKvarh;        // "##,##0.00"
    std::string lblPf;           // "0.00"
    Phase phase = Phase::Lag;    // lead only for a negative reactive energy
    bool commentVisible = false; // "99.5以上　→　100%", never when leading
};

// The load of the power-factor screen, from the two metered energies (never 0).
PfScreen computePfScreen(double kwh, double kvarh);

// The caption of lblPhase for a phase: " Lag" or "Lead".
std::string phaseCaption(Phase phase);

} // namespace kandelo::pf
