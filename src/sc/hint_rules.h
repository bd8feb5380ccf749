#pragma once

#include <string>
#include <string_view>

// The pointer hints of the capacitor sizing screen. The state-dependent ones
// are set again whenever the pointer moves over their control.

namespace kandelo::sc::hint {

inline constexpr std::string_view OptionButtons = "クリックすると静電容量μＦを計算します";
inline constexpr std::string_view TypedVoltage = "任意の電圧を半角数字で入力してください";
inline constexpr std::string_view BasicCharge = "８５％を基準に１％単位の力率割引・割増がある場合の試算です";

// txtScKvar, txtScKvar2 and txtLKvar.
std::string capacityBox(std::string_view lblLCaption);
// lblL: names the case that the next click calculates.
std::string reactorLabel(std::string_view lblLCaption);
// Both capacitance lists.
std::string capacitanceLists(bool option2Selected);

} // namespace kandelo::sc::hint
