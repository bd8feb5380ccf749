#pragma once

#include <array>
#include <string_view>

// What names each figure of the capacitor sizing screen: the captions beside
// them, and for what the screen shows without a caption, the names the report
// and the batch give it. The screen, the report and the batch all take them
// from here.

namespace kandelo::sc {

inline constexpr std::string_view HoursCaption = "積算時間（H）　　：";              // lblDays, of lblHours
inline constexpr std::string_view KwCaption = "平均有効電力（ｋW）：";               // lblKwh, of lblKw
inline constexpr std::string_view KvarCaption = "平均無効電力（kvar）：";            // lblKvar, of lblLagKvar
inline constexpr std::string_view KvaCaption = "平均皮相電力（kVA）：";              // Label1, of lblKVA
inline constexpr std::string_view ScKvarCaption = "SC定格設備容量（kvar）：";        // lblSc, of txtScKvar
inline constexpr std::string_view ScKvar2Caption = "SC定格容量（kvar）：";           // Label3, of txtScKvar2
inline constexpr std::string_view LKvarCaption = "直列リアクトル定格容量（kvar）："; // Label4, of txtLKvar
inline constexpr std::string_view CurrentCaption = "力率改善のメリット   電流   ";   // Frame3, of lblCurrent
inline constexpr std::string_view BasicCaption = "基本料金 （電力会社の算出時間の力率として）"; // Frame4, of lblBasic
inline constexpr std::string_view VoltageHead = "電圧Ｖ";                                       // Label11
inline constexpr std::array<std::string_view, 2> FrequencyHeads{"50Ｈｚ", "60Ｈｚ"};            // Label10, Label9

inline constexpr std::string_view TargetLabel = "目標力率（％）";         // intTargetPf, in the sentence of lblPf
inline constexpr std::string_view ReactorLabel = "直列リアクトル";        // lblL
inline constexpr std::string_view ConnectionLabel = "静電容量の計算";     // Option1 or Option2
inline constexpr std::string_view WithReactorText = "直列リアクトル付き"; // Option1 selected
inline constexpr std::string_view CapacitorAloneText = "コンデンサ単体";  // Option2 selected

} // namespace kandelo::sc
