#pragma once

#include <array>
#include <string_view>

// What names each figure of the window 月別の力率: its columns, the figures
// of its plan and what it says of a month. The window, its report and the
// command line all take them from here.

namespace kandelo::months {

inline constexpr std::string_view WindowTitle = "月別の力率";

// The figures of a month as typed, in the order the window shows them.
enum class Field : std::size_t {
    Label,           // 年月
    Days,            // 日数
    Hours,           // 積算時間
    Kwh,             // 有効電力量 of the power-factor period
    Kvarh,           // 無効電力量 of the power-factor period
    ActiveReading,   // 有効指示数 at the month's end
    ReactiveReading, // 無効指示数 at the month's end
    Multiplier,      // 乗率
    ContractKw,      // 契約電力
    UnitPrice,       // 基本料金単価
    BilledPf,        // 請求書の力率
};
inline constexpr std::size_t FieldCount = 11;

// The heading the window gives each field, which the heading rules read back.
inline constexpr std::array<std::string_view, FieldCount> FieldHeadings{
    "年月",
    "日数",
    "積算時間（H）",
    "有効電力量（kWh）",
    "無効電力量（kvarh）",
    "有効指示数",
    "無効指示数",
    "乗率",
    "契約電力（kW）",
    "基本料金単価（円/kW）",
    "請求書の力率（％）",
};

// The columns worked out for a month, after the figures typed.
enum class Computed : std::size_t {
    BilledPf,     // 請求上の力率
    AverageKw,    // 平均有効電力
    AverageKvar,  // 平均無効電力
    RequiredKvar, // 必要容量
    FixedOnlyPf,  // 固定のみの力率
    FixedAutoPf,  // 固定＋自動の力率
    FixedOnlyYen, // 節減額 固定のみ
    FixedAutoYen, // 節減額 固定＋自動
    Notes,        // 注意
};
inline constexpr std::size_t ComputedCount = 9;
inline constexpr std::array<std::string_view, ComputedCount> ComputedHeadings{
    "請求上の力率（％）",
    "平均有効電力（ｋW）",
    "平均無効電力（kvar）",
    "必要容量（kvar）",
    "固定のみの力率（％）",
    "固定＋自動の力率（％）",
    "節減額 固定のみ（円）",
    "節減額 固定＋自動（円）",
    "注意",
};

// The plan's figures, each a caption and a value; a unit total is followed
// by what it is made of, under UnitsCaption.
inline constexpr std::string_view FixedOnlyCaption = "固定のみ（kvar）";
inline constexpr std::string_view FixedPartCaption = "固定部分（kvar）";
inline constexpr std::string_view AutomaticPartCaption = "自動部分（kvar）";
inline constexpr std::string_view BankCaption = "全体（kvar）";
inline constexpr std::string_view FixedOnlyTotalCaption = "節減額合計 固定のみ（円）";
inline constexpr std::string_view FixedAutoTotalCaption = "節減額合計 固定＋自動（円）";
inline constexpr std::string_view MonthCountCaption = "月数";
inline constexpr std::string_view SavingMonthsCaption = "節減額の月数";
inline constexpr std::string_view FixedOnlyYearCaption = "年間の節減額 固定のみ（円）";
inline constexpr std::string_view FixedAutoYearCaption = "年間の節減額 固定＋自動（円）";
inline constexpr std::string_view FixedOnlyYearEstimateCaption = "年間の節減額の見込み 固定のみ（円）";
inline constexpr std::string_view FixedAutoYearEstimateCaption = "年間の節減額の見込み 固定＋自動（円）";
inline constexpr std::string_view FixedOnlyCostCaption = "費用 固定のみ（円）";
inline constexpr std::string_view FixedAutoCostCaption = "費用 固定＋自動（円）";
inline constexpr std::string_view FixedOnlyPaybackCaption = "回収年数 固定のみ（年）";
inline constexpr std::string_view FixedAutoPaybackCaption = "回収年数 固定＋自動（年）";
inline constexpr std::string_view TargetCaption = "目標力率（％）";
inline constexpr std::string_view FrequencyCaption = "周波数";
inline constexpr std::string_view RuleCaption = "力率による基本料金";
inline constexpr std::string_view BasisCaption = "基準の力率（％）";
inline constexpr std::string_view StepCaption = "1％あたりの割引・割増（％）";
inline constexpr std::string_view PlanNoteCaption = "注意";
inline constexpr std::string_view BasicChargeHeading = "基本料金（％）";

// The rules of the basic charge, as the window offers them.
inline constexpr std::string_view StandardRuleText = "85％から1％につき1％（供給約款）";
inline constexpr std::string_view OtherRuleText = "基準と割合を入力";
inline constexpr std::string_view NoRuleText = "力率割引なし";

// What the plan says instead of a figure, or besides.
inline constexpr std::string_view NothingToOrderText = "なし";
inline constexpr std::string_view NoPaybackText = "回収できません";
inline constexpr std::string_view NoRuleNote = "力率による割引のない契約のため、節減額は出しません（低圧の契約など）";
inline constexpr std::string_view NoChargeFiguresNote = "節減額には、その月の契約電力と基本料金単価が要ります";
inline constexpr std::string_view ChooseFrequencyNote = "周波数（50Hzか60Hz）を選んでください";
inline constexpr std::string_view TypeTargetNote = "目標力率を入力してください";
inline constexpr std::string_view TargetRangeNote = "目標力率は 0 より大きく 100 以下の半角数字を入力してください";
inline constexpr std::string_view NoMonthNote = "計算できる月がありません";
inline constexpr std::string_view TooManyMonthsNote = "月は 36 か月までです";
inline constexpr std::string_view MonthsLeftOutNote = "か月は注意のとおり計算に入れていません";
inline constexpr std::string_view FixedOnlyLeadsNote = "固定のみでは進み力率になる月があります：補償しすぎです";
inline constexpr std::string_view AssumptionNote = "各月の力測時間帯（8時～22時）の平均で見ています。夜間・休日の軽負荷"
                                                   "時の進みは「標準容量の選定」の軽負荷時の力率で確かめてください";

// What is said of a month.
inline constexpr std::string_view StartingPointNote = "起点の指示数です（この行の電力量は出しません）";
inline constexpr std::string_view NoPreviousReadingNote =
    "前の行に指示数がないため、この行を起点にしました（この月の電力量を入力してください）";
inline constexpr std::string_view ReadingWentDownNote =
    "指示数が前の行より小さくなっています（計器の一巡か取り替え）：この月の有効電力量と無効電力量を入力してください";
inline constexpr std::string_view NoHoursNote = "日数か積算時間を入力してください";
inline constexpr std::string_view NoEnergiesNote = "有効電力量と無効電力量（または指示数と乗率）を入力してください";
inline constexpr std::string_view LeadingNote = "進み力率の月です（請求上は100％）";
inline constexpr std::string_view BelowFiftyNote =
    "力率が50％未満です：乗率の誤りか、有効と無効の列の入れ違いではありませんか";
inline constexpr std::string_view DiffersFromBillNote =
    "と合いません：乗率の誤りや、力測用（8時～22時）でない一日の電力量の入力がよくある原因です";
inline constexpr std::string_view MissingFigureNote = "がありません";
inline constexpr std::string_view NoteSeparator = "／";

} // namespace kandelo::months
