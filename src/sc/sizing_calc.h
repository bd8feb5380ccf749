#pragma once

#include "core/arithmetic_error.h"
#include "program/calculation.h"
#include "sc/capacitance_calc.h"
#include "sc/sizing_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace kandelo::sc {

// Every text that the load of the sizing screen sets, each once its step has run.
struct LoadTexts {
    std::optional<std::string> txtScKvar2; // by CalcReactorRating, then again after the second rounding
    std::optional<std::string> txtLKvar;   // likewise
    std::optional<std::string> lblHours;
    std::optional<std::string> lblKw;
    std::optional<std::string> lblLagKvar;
    std::optional<std::string> lblKVA;
    std::optional<std::string> txtScKvar;
    std::optional<std::string> lblPf;
    std::optional<std::string> frame2;
    std::optional<std::string> lblCurrent;
    std::optional<std::string> lblBasic;
    std::optional<CapacitanceTable> table;
    // The figures behind them, for what is worked out from the sizing: the
    // average powers P and Q, and dblScKvar as computed, before its rounding.
    std::optional<double> p;
    std::optional<double> q;
    std::optional<double> requiredKvar;
};

// An average power as the sizing screen writes it: "##,##0.00".
std::string averagePowerText(double kw);

// The load as far as it went.
struct SizingLoad {
    LoadTexts texts;   // every text its steps set
    SizingState state; // the form-level values, as its steps left them
    // The arithmetic failure of the step where it stopped: the texts are
    // then those of the steps before it.
    std::optional<core::ArithmeticError::Kind> failure;
};

// The load of the sizing screen, step by step, from the five figures, the
// power factor as frmPf's lblPf shows it, and the reactor caption of lblL and
// the connection choice as the screen stands, starting from the form-level
// values of the load before.
SizingLoad computeSizing(const program::Calculation& figures, std::string_view pfCaption, std::string_view lblLCaption,
    bool option2Selected, SizingState state = {});

} // namespace kandelo::sc
