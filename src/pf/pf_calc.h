#pragma once

#include <string>
#include <string_view>

namespace kandelo::pf {

enum class Phase { Lag, Lead };

// What names each figure of the power-factor screen: its captions, and for
// the figures the screen shows without one, the names the report and the
// batch give them.
inline constexpr std::string_view KwhCaption = "有効電力量kWh";     // Label1, of lblKwh
inline constexpr std::string_view KvarhCaption = "無効電力量kvarh"; // Label2, of lblKvarh
inline constexpr std::string_view PfLabel = "力率（％）";           // lblPf
inline constexpr std::string_view PhaseLabel = "遅れ・進み";        // lblPhase
// The note of lblComent, shown from 99.5 % for a lagging power factor.
inline constexpr std::string_view CommentCaption = "99.5以上　→　100%";

// What the power-factor screen shows after its load: its one result, which
// the screen, the report and the batch read.
struct PfScreen {
    std::string lblKwh;          // "##,##0.00"
    std::string lblKvarh;        // "##,##0.00"
    std::string lblPf;           // "0.00"
    Phase phase = Phase::Lag;    // lead only for a negative reactive energy
    bool commentVisible = false; // "99.5以上　→　100%", never when leading
};

// The load of the power-factor screen, from the two metered energies (never
// 0) and the power factor intPf worked out from them.
PfScreen computePfScreen(double kwh, double kvarh, double intPf);

// The power factor of step 1 of that load, in percent, unrounded: kWh / √(kvarh² + kWh²) × 100.
double powerFactor(double kwh, double kvarh);

// The caption of lblPhase for a phase: " Lag" or "Lead".
std::string phaseCaption(Phase phase);
// The same without the blank that only aligns it: "Lag" or "Lead".
std::string phaseText(Phase phase);

} // namespace kandelo::pf
