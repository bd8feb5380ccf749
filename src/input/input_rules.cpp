#include "input/input_rules.h"

#include "core/number_parse.h"
#include "core/plain_number.h"

#include <cmath>

namespace kandelo::input {

using program::InputMode;

std::optional<Prompt> promptFor(InputMode mode)
{
    switch (mode) {
    case InputMode::Kwh:
        return Prompt{"      有効電力量 kWh は？", 2520, false, false};
    case InputMode::Kvarh:
        return Prompt{"      無効電力量 kvarh は？", 3100, true, false};
    case InputMode::Hours:
        return Prompt{"   入力した電力量の積算時間(H) は？", 3400, false, true};
    case InputMode::TargetPf:
        return Prompt{"          目標力率％ は？", 2520, false, false};
    case InputMode::None:
        break;
    }
    return std::nullopt;
}

std::string_view hoursNote()
{
    return "電力会社の一日の力率計測時間帯が８：００～２２：００(１４Ｈ)の場合\r\n"
           "\r\n"
           "　　　　　　　↓\r\n"
           "       ２８日: ３９２H\r\n"
           "       ２９日: ４０６H\r\n"
           "       ３０日: ４２０H\r\n"
           "       ３１日: ４３４H";
}

OkVerdict checkOkEntry(std::string_view text, InputMode mode, double presentPf)
{
    const double v = core::leadingNumber(text);
    if (text.empty() || v == 0.0)
        return {message::ZeroEntry};
    if (!core::parseNumber(text))
        return {message::NotNumeric};
    // A pasted minus sign never passed the key rules; only the reactive energy may be negative.
    if (v < 0.0 && mode != InputMode::Kvarh && mode != InputMode::None)
        return {message::NegativeEntry};
    if (mode == InputMode::TargetPf && (v < presentPf || v > 100.0))
        return {message::TargetOutOfRange};
    return {std::nullopt, v};
}

std::optional<std::string> kvarhTextForPfEntry(std::string_view pfText, double kwh)
{
    const double p = core::leadingNumber(pfText);
    if (p >= 100.0 || p < 0.0)
        return std::nullopt;
    return calcKvarhFromPf(p, kwh);
}

std::string calcKvarhFromPf(double p, double kwh)
{
    if (p <= 0.0 || p > 100.0)
        return {};
    const double c = p / 100.0;
    const double s = std::sqrt(1.0 - c * c);
    const double kvarh = kwh / c * s;
    if (!std::isfinite(kvarh))
        return {};
    return core::plainNumberText(kvarh, core::SignPlace::SpaceOrMinus);
}

} // namespace kandelo::input
