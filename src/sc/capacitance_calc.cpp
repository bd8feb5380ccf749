#include "sc/capacitance_calc.h"

#include "core/arithmetic_error.h"
#include "core/checked.h"
#include "core/display_pattern.h"
#include "core/number_parse.h"
#include "sc/round_by_magnitude.h"

namespace kandelo::sc {

namespace {

namespace checked = core::checked;

constexpr std::array<double, 2> Omega{314.0, 376.8};  // 2πf with π = 3.14, at 50 Hz and 60 Hz
constexpr double MicrofaradsPerFarad = 1'000'000'000; // with kvar for var: 10⁶ µF/F × 10³ var/kvar
constexpr int ListWidth = 9;

// The standard voltages of rows 0 to 4, with their row heads.
struct Voltage {
    double volts;
    std::string_view head;
};
constexpr std::array<Voltage, 5> CapacitorAlone{
    {{100, "100"}, {200, "200"}, {400, "400"}, {3300, "3300"}, {6600, "6600"}}};
constexpr std::array<Voltage, 5> WithSixPercent{
    {{100, "100"}, {234, "234"}, {468, "468"}, {3510, "3510"}, {7020, "7020"}}};
constexpr std::array<Voltage, 5> WithThirteenPercent{
    {{100, "100"}, {253, "253"}, {506, "506"}, {3793, "3793"}, {7586, "7586"}}};

// The row of a list for capacity q in kvar: C [µF] = q × 10⁹ / (V² ω), rounded
// by magnitude and right-aligned. The caller forms V² ω in its own order.
std::string listRow(SizingState& state, double q, double voltsSquaredOmega)
{
    double microfarads = checked::div(checked::mul(q, MicrofaradsPerFarad), voltsSquaredOmega);
    return AlignRight(ListWidth, roundedText(microfarads, state.strFormat));
}

const std::array<Voltage, 5>& voltagesFor(bool option2Selected, std::string_view lblLCaption)
{
    return option2Selected ? CapacitorAlone : lblLCaption == ReactorSixCaption ? WithSixPercent : WithThirteenPercent;
}

} // namespace

ReactorTexts reactorRating(SizingState& state, std::string_view lblLCaption)
{
    if (lblLCaption == ReactorSixCaption) {
        state.dblScKvar2 = checked::div(state.dblScKvar, 0.94);
        state.dblLKvar = checked::div(checked::mul(state.dblScKvar, 0.06), 0.94);
    } else if (lblLCaption == ReactorThirteenCaption) {
        state.dblScKvar2 = checked::div(state.dblScKvar, 0.87);
        state.dblLKvar = checked::div(checked::mul(state.dblScKvar, 0.13), 0.87);
    }
    ReactorTexts texts;
    texts.txtScKvar2 = roundedText(state.dblScKvar2, state.strFormat);
    texts.txtLKvar = roundedText(state.dblLKvar, state.strFormat);
    return texts;
}

CapacitanceTable capacitanceTable(SizingState& state, double q, bool option2Selected, std::string_view lblLCaption)
{
    const auto& volts = voltagesFor(option2Selected, lblLCaption);
    CapacitanceTable table;
    for (std::size_t row = 1; row < volts.size(); ++row)
        table.rowHeads[row - 1] = volts[row].head;
    for (std::size_t list = 0; list < Omega.size(); ++list) {
        for (std::size_t row = 0; row < volts.size(); ++row) {
            const double v = volts[row].volts;
            const double denominator = checked::mul(checked::mul(v, v), Omega[list]);
            table.rows[list][row] = listRow(state, q, denominator);
        }
    }
    return table;
}

TypedVoltageRows typedVoltageRows(SizingState& state, std::string_view text, double q)
{
    if (text == "0" || text.empty())
        return {};
    const auto volts = core::parseSignedNumber(text);
    if (!volts)
        return {TypedVoltageRows::Kind::NotNumeric, {}};

    // A voltage for which no capacitance can be worked out, such as zero
    // written as "0.0", counts as no voltage.
    TypedVoltageRows result{TypedVoltageRows::Kind::Rows, {}};
    try {
        for (std::size_t list = 0; list < Omega.size(); ++list) {
            const double denominator = checked::mul(checked::mul(*volts, Omega[list]), *volts);
            result.rows[list] = listRow(state, q, denominator);
        }
    } catch (const core::ArithmeticError&) {
        return {};
    }
    return result;
}

std::array<std::string_view, 5> voltageHeads(bool option2Selected, std::string_view lblLCaption)
{
    std::array<std::string_view, 5> heads;
    const auto& volts = voltagesFor(option2Selected, lblLCaption);
    for (std::size_t row = 0; row < volts.size(); ++row)
        heads[row] = volts[row].head;
    return heads;
}

std::array<std::string, 5> designRowHeads()
{
    std::array<std::string, 5> heads;
    for (std::size_t row = 0; row < CapacitorAlone.size(); ++row)
        heads[row] = core::formatNumber(CapacitorAlone[row].volts, "#,##0");
    return heads;
}

std::string frame2Caption(std::string_view capacityText)
{
    std::string caption(Frame2CaptionStart);
    caption += capacityText;
    caption += "kvar)";
    return caption;
}

} // namespace kandelo::sc
