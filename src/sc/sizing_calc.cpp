#include "sc/sizing_calc.h"

#include "core/checked.h"
#include "core/display_pattern.h"
#include "core/plain_number.h"
#include "core/rounding.h"
#include "sc/round_by_magnitude.h"

namespace kandelo::sc {

namespace {

namespace checked = core::checked;
using checked::div;
using checked::mul;
using checked::sub;

// √(1 − (pf / 100)²): the sine of the phase angle of a power factor in percent.
double sine(double pf)
{
    const double c = div(pf, 100);
    return checked::sqrt(sub(1, mul(c, c)));
}

// The load's steps, each setting its texts; a failing step raises
// core::ArithmeticError, leaving what the steps before it set.
void load(const program::Calculation& f, std::string_view pfCaption, std::string_view lblLCaption, bool option2Selected,
    SizingState& state, LoadTexts& texts)
{
    const double p = div(f.intKwh, f.intHours);
    texts.p = p;
    const double q = div(f.intKvarh, f.intHours);
    texts.q = q;
    const double s = checked::sqrt(checked::add(mul(p, p), mul(q, q)));
    const double targetSine = sine(f.intTargetPf);
    const double presentSine = sine(f.intPf);
    const double d = sub(div(presentSine, div(f.intPf, 100)), div(targetSine, div(f.intTargetPf, 100)));
    state.dblScKvar = mul(p, d);
    texts.requiredKvar = state.dblScKvar;

    const ReactorTexts reactor = reactorRating(state, lblLCaption);
    texts.txtScKvar2 = reactor.txtScKvar2;
    texts.txtLKvar = reactor.txtLKvar;

    const double r = core::roundHalfEven(mul(sub(1, div(f.intPf, f.intTargetPf)), 100), 1);
    const double wholePoints = sub(core::roundHalfEven(f.intTargetPf, 0), core::roundHalfEven(f.intPf, 0));
    const double b = core::roundHalfEven(div(mul(wholePoints, 100), sub(185, f.intPf)), 0);

    texts.lblHours = core::plainNumberText(f.intHours);
    texts.lblKw = averagePowerText(p);
    texts.lblLagKvar = averagePowerText(q);
    texts.lblKVA = averagePowerText(s);
    texts.txtScKvar = roundedText(state.dblScKvar, state.strFormat);
    texts.txtScKvar2 = roundedText(state.dblScKvar2, state.strFormat);
    texts.txtLKvar = roundedText(state.dblLKvar, state.strFormat);

    texts.lblPf = "現状の力率 " + std::string(pfCaption) + "%を " + core::plainNumberText(f.intTargetPf)
        + "% に改善するのに必要な平均容量は、";
    texts.frame2 = frame2Caption(*texts.txtScKvar);
    texts.lblCurrent = "現状より、約 " + core::plainNumberText(r) + " ％ 少なくなります";
    texts.lblBasic = "現状より、約 " + core::plainNumberText(b) + " ％ 割引されます";
    texts.table = capacitanceTable(state, state.dblScKvar, option2Selected, lblLCaption);
}

} // namespace

std::string averagePowerText(double kw)
{
    return core::formatNumber(kw, "##,##0.00");
}

SizingLoad computeSizing(const program::Calculation& figures, std::string_view pfCaption, std::string_view lblLCaption,
    bool option2Selected, SizingState state)
{
    SizingLoad sizing;
    sizing.state = std::move(state);
    try {
        load(figures, pfCaption, lblLCaption, option2Selected, sizing.state, sizing.texts);
    } catch (const core::ArithmeticError& failure) {
        sizing.failure = failure.kind();
    }
    return sizing;
}

} // namespace kandelo::sc
