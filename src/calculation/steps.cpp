#include "calculation/steps.h"

#include "input/input_rules.h"
#include "program/messages.h"

namespace kandelo::calculation {

using program::InputMode;

void start(Calculation& c)
{
    c.strInputMode = InputMode::Kwh;
    c.selection = {};
}

Entry enterFigure(Calculation& c, std::string_view typed)
{
    const input::OkVerdict verdict = input::checkOkEntry(typed, c.strInputMode, c.intPf);
    if (verdict.refusal)
        return {verdict.refusal};
    switch (c.strInputMode) {
    case InputMode::Kwh:
        c.intKwh = verdict.value;
        c.strInputMode = InputMode::Kvarh;
        return {std::nullopt, Next::AskAgain};
    case InputMode::Kvarh:
        c.intKvarh = verdict.value;
        return {std::nullopt, Next::ShowPowerFactor};
    case InputMode::Hours:
        c.intHours = verdict.value;
        c.strInputMode = InputMode::TargetPf;
        return {std::nullopt, Next::AskAgain};
    case InputMode::TargetPf:
        c.intTargetPf = verdict.value;
        return {std::nullopt, Next::ShowSizing};
    case InputMode::None:
        break;
    }
    return {};
}

pf::PfScreen powerFactor(Calculation& c)
{
    c.intPf = pf::powerFactor(c.intKwh, c.intKvarh);
    return pf::computePfScreen(c.intKwh, c.intKvarh, c.intPf);
}

std::optional<std::string_view> askImprovement(const Calculation& c)
{
    if (c.intKvarh >= 0)
        return std::nullopt;
    return program::message::LeadingRefusal;
}

void startImprovement(Calculation& c)
{
    c.strInputMode = InputMode::Hours;
}

sc::SizingLoad sizing(const Calculation& c, std::string_view pfCaption, std::string_view lblL, bool option2Selected,
    sc::SizingState state)
{
    return sc::computeSizing(c, pfCaption, lblL, option2Selected, std::move(state));
}

sc::UnitSelection units(const Calculation& c, const sc::LoadTexts& load, std::string_view lblL)
{
    return sc::selectUnits(load, c.intPf, lblL, c.selection);
}

sc::UnitSelection ratedUnits(const Calculation& c, const sc::LoadTexts& load, std::string_view lblL)
{
    sc::UnitSelection selection = units(c, load, lblL);
    sc::rateUnits(selection);
    return selection;
}

} // namespace kandelo::calculation
