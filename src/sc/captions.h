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

// The selection of the standard unit: its window, its figures and what it
// asks for. The frequencies are written as the makers' catalogues write them.
inline constexpr std::string_view SelectionTitle = "標準容量の選定";
inline constexpr std::array<std::string_view, 2> CatalogueFrequencies{"50Hz", "60Hz"};
inline constexpr std::string_view UnitTotalCaption = "標準定格設備容量（kvar）";
inline constexpr std::string_view UnitsCaption = "構成";
inline constexpr std::string_view UnitCapacitorCaption = "SC定格容量（kvar）";
inline constexpr std::string_view UnitReactorCaption = "直列リアクトル定格容量（kvar）";
inline constexpr std::string_view PfAfterCaption = "設置後の力率（％）";
inline constexpr std::string_view LightLoadPfCaption = "軽負荷時の力率（％）";
inline constexpr std::string_view MonthlySavingCaption = "基本料金の節減額（円／月）";
inline constexpr std::string_view YearlySavingCaption = "基本料金の節減額（円／年）";
inline constexpr std::string_view LightLoadKwCaption = "軽負荷時の平均有効電力（kW）";
inline constexpr std::string_view LightLoadKvarCaption = "軽負荷時の平均無効電力（kvar）";
inline constexpr std::string_view ContractCaption = "契約電力（kW）";
inline constexpr std::string_view UnitPriceCaption = "基本料金単価（円/kW）";
inline constexpr std::string_view CustomerCaption = "お客さま";
inline constexpr std::string_view SiteCaption = "設置場所";
inline constexpr std::string_view PersonCaption = "担当者";
inline constexpr std::string_view NothingToOrder = "コンデンサは要りません";
inline constexpr std::string_view OverCompensates = "進み力率になります：このコンデンサは補償しすぎです";
inline constexpr std::string_view OverCompensatesAtLightLoad =
    "軽負荷時は進み力率になります：このコンデンサは補償しすぎです";
// What is wrong with a figure typed into the selection window, after its caption.
inline constexpr std::string_view TooLargeToWorkOut = "数字が大きすぎて計算できません";
inline constexpr std::string_view NotAHalfWidthNumber = "半角の数字を入力してください";
inline constexpr std::string_view NotAFormTaken =
    "この書き方の数字は使えません（1800、1,800、0.5 のように入力してください）";
inline constexpr std::string_view NumberTooLarge = "数字が大きすぎます";
inline constexpr std::string_view NumberTooSmall = "0 に近すぎて扱えない数字です";
inline constexpr std::string_view NotBelowZero = "0以上の数字を入力してください";
inline constexpr std::string_view AboveZero = "0より大きい数字を入力してください";
inline constexpr std::string_view ContractNote =
    "力率による基本料金の割引・割増の有無と条件はご契約によります（廃止している電力会社や契約があります）。";

} // namespace kandelo::sc
