#include "months/months_calc.h"

#include <QtTest>

using namespace kandelo;
using months::Computed;
using months::Field;
using months::MonthEntry;
using months::MonthResult;

Q_DECLARE_METATYPE(MonthResult::Kind)

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString cell(const MonthResult& month, Computed column)
{
    return q(month.cells[static_cast<std::size_t>(column)]);
}

MonthEntry energies(const char* label, const char* days, const char* kwh, const char* kvarh)
{
    MonthEntry entry;
    entry[Field::Label] = label;
    entry[Field::Days] = days;
    entry[Field::Kwh] = kwh;
    entry[Field::Kvarh] = kvarh;
    entry[Field::ContractKw] = "250";
    entry[Field::UnitPrice] = "1,650";
    return entry;
}

MonthEntry readings(const char* label, const char* active, const char* reactive)
{
    MonthEntry entry;
    entry[Field::Label] = label;
    entry[Field::Hours] = "434";
    entry[Field::ActiveReading] = active;
    entry[Field::ReactiveReading] = reactive;
    entry[Field::Multiplier] = "60";
    return entry;
}

months::PlanSettings settings(const char* target, months::Frequency frequency)
{
    months::PlanSettings s;
    s.target = target;
    s.frequency = frequency;
    return s;
}

// A year worked by hand. Each month's average powers P and Q are chosen,
// its energies are P and Q times 14 h a day; PF = P / √(P² + Q²), billed
// as a whole per cent rounded half up, leading as 100; the need at 95 % is
// Q − P × tan(acos 0.95) = Q − 0.328684 P. 2025年9月 and 10月 both show 94.50
// on the power-factor screen: 94.4999993 is billed 94, 94.5000018 is 95.
std::vector<MonthEntry> handWorkedYear()
{
    std::vector<MonthEntry> year{
        energies("2025年4月", "30", "84000", "50400"),     // 200, 120
        energies("2025年5月", "31", "78120", "43400"),     // 180, 100
        energies("2025年6月", "30", "92400", "58800"),     // 220, 140
        energies("2025年7月", "31", "112840", "82460"),    // 260, 190
        energies("2025年8月", "31", "117180", "86800"),    // 270, 200
        energies("2025年9月", "30", "84000", "29072.92"),  // 200, 69.2212
        energies("2025年10月", "31", "86800", "30042.01"), // 200, 69.2212
        energies("2025年11月", "30", "63000", "0"),        // 150, 0
        energies("2025年12月", "31", "69440", "-3000"),    // 160, −6.9124: leading
        energies("2026年1月", "31", "91140", "56420"),     // 210, 130
        energies("2026年2月", "28", "74480", "43120"),     // 190, 110
        energies("2026年3月", "31", "86800", "49910"),     // 200, 115
    };
    year[9][Field::BilledPf] = "86"; // the bill says 86; the registers give 85.03
    return year;
}

} // namespace

class TestMonthsCalc : public QObject {
    Q_OBJECT

private slots:
    void yearByMonth_data();
    void yearByMonth();
    void yearPlan();
    void fixedAndAutomaticSplit();
    void readingsWithAMultiplier();
    void badEntries_data();
    void badEntries();
    void planNeedsItsSettings();
    void otherTariffRules();
    void fewerMonthsGiveAnEstimate();
    void unitsWithinACapacity_data();
    void unitsWithinACapacity();
};

void TestMonthsCalc::yearByMonth_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("billed");
    QTest::addColumn<QString>("kw");
    QTest::addColumn<QString>("kvar");
    QTest::addColumn<QString>("required");
    QTest::addColumn<QString>("fixedOnly");
    QTest::addColumn<QString>("fixedAuto");
    QTest::addColumn<QString>("fixedOnlyYen");
    QTest::addColumn<QString>("fixedAutoYen");
    QTest::addColumn<bool>("overCompensated");
    // With the 150 kvar bank alone every lagging month but July and August
    // leads; the automatic bank brings each to its 95 %. The saving is
    // 1,650 円 × 250 kW × 1 % = 4,125 円 a point.
    QTest::newRow("April") << 0 << "86" << "200.00" << "120.00" << "54.3" << "100" << "95" << "57,750" << "37,125" << true;
    QTest::newRow("May") << 1 << "87" << "180.00" << "100.00" << "40.8" << "100" << "95" << "53,625" << "33,000" << true;
    QTest::newRow("June") << 2 << "84" << "220.00" << "140.00" << "67.7" << "100" << "95" << "66,000" << "45,375" << false;
    QTest::newRow("July") << 3 << "81" << "260.00" << "190.00" << "105" << "99" << "95" << "74,250" << "57,750" << false;
    QTest::newRow("August, the largest need") << 4 << "80" << "270.00" << "200.00" << "111" << "98" << "95" << "74,250"
                                              << "61,875" << false;
    QTest::newRow("September, 94.4999993") << 5 << "94" << "200.00" << "69.22" << "3.48" << "100" << "95" << "24,750"
                                           << "4,125" << true;
    QTest::newRow("October, 94.5000018") << 6 << "95" << "200.00" << "69.22" << "3.48" << "100" << "95" << "20,625"
                                         << "0" << true;
    QTest::newRow("November at 100") << 7 << "100" << "150.00" << "0.00" << "0" << "100" << "100" << "0" << "0" << true;
    QTest::newRow("December, leading") << 8 << "100" << "160.00" << "-6.91" << "0" << "100" << "100" << "0" << "0"
                                       << true;
    QTest::newRow("January") << 9 << "85" << "210.00" << "130.00" << "61.0" << "100" << "95" << "61,875" << "41,250"
                             << false;
    QTest::newRow("February, 28 days") << 10 << "87" << "190.00" << "110.00" << "47.6" << "100" << "95" << "53,625"
                                       << "33,000" << true;
    QTest::newRow("March") << 11 << "87" << "200.00" << "115.00" << "49.3" << "100" << "95" << "53,625" << "33,000"
                           << true;
}

void TestMonthsCalc::yearByMonth()
{
    QFETCH(int, row);
    const months::MonthsResult result = months::computeMonths(handWorkedYear(), settings("95", months::Frequency::Hz50));
    const MonthResult& month = result.rows.at(row);
    QCOMPARE(month.kind, MonthResult::Kind::Computed);
    QTEST(cell(month, Computed::BilledPf), "billed");
    QTEST(cell(month, Computed::AverageKw), "kw");
    QTEST(cell(month, Computed::AverageKvar), "kvar");
    QTEST(cell(month, Computed::RequiredKvar), "required");
    QTEST(cell(month, Computed::FixedOnlyPf), "fixedOnly");
    QTEST(cell(month, Computed::FixedAutoPf), "fixedAuto");
    QTEST(cell(month, Computed::FixedOnlyYen), "fixedOnlyYen");
    QTEST(cell(month, Computed::FixedAutoYen), "fixedAutoYen");
    QFETCH(bool, overCompensated);
    QCOMPARE(cell(month, Computed::Notes).contains(QStringLiteral("固定のみ：進み力率になります")), overCompensated);
    // The basic charge under the supply terms: 185 − the billed power factor.
    QCOMPARE(q(month.basicCharge), QString::number(185 - cell(month, Computed::BilledPf).toInt()));
}

void TestMonthsCalc::yearPlan()
{
    months::PlanSettings s = settings("95", months::Frequency::Hz50);
    s.fixedOnlyCost = "1,200,000";
    s.fixedAutoCost = "2000000";
    const months::MonthsResult result = months::computeMonths(handWorkedYear(), s);
    QVERIFY(result.plan);
    const months::Plan& plan = *result.plan;
    // The largest need, 111.26 kvar in August, takes the 150 kvar unit; the
    // smallest, 0 in November and December, leaves no fixed part.
    QCOMPARE(plan.months, std::size_t(12));
    QCOMPARE(plan.fixedOnly->total(), 150.0);
    QVERIFY(!plan.fixedPart);
    QCOMPARE(plan.automaticKvar, 150.0);
    QCOMPARE(*plan.fixedOnlyTotal, 540375.0);
    QCOMPARE(*plan.fixedAutoTotal, 346500.0);
    QVERIFY(!plan.yearIsEstimate);
    QCOMPARE(*plan.fixedOnlyYear, 540375.0);
    QCOMPARE(*plan.fixedOnlyPayback, 2.2); // 1,200,000 / 540,375 = 2.22
    QCOMPARE(*plan.fixedAutoPayback, 5.8); // 2,000,000 / 346,500 = 5.77

    QStringList items;
    for (const months::PlanItem& item : result.items)
        items << q(item.caption) + u'=' + q(item.value);
    QCOMPARE(items,
        (QStringList{"固定のみ（kvar）=150", "構成=150", "固定部分（kvar）=なし", "自動部分（kvar）=150",
            "全体（kvar）=150", "構成=150", "節減額合計 固定のみ（円）=540,375", "節減額合計 固定＋自動（円）=346,500",
            "月数=12", "年間の節減額 固定のみ（円）=540,375", "年間の節減額 固定＋自動（円）=346,500",
            "回収年数 固定のみ（年）=2.2", "回収年数 固定＋自動（年）=5.8"}));

    const MonthResult& january = result.rows[9];
    QVERIFY(cell(january, Computed::Notes).contains(QStringLiteral("請求書の力率（86％）と合いません")));
    QVERIFY(cell(result.rows[8], Computed::Notes).startsWith(QStringLiteral("進み力率の月です")));
    QVERIFY(result.notes.size() >= 1);
    QVERIFY(q(result.notes.back()).contains(QStringLiteral("8時～22時")));
}

// Four lagging months needing 22.43, 60.03, 95.13 and 140.23 kvar (P = 100
// kW, Q = need + 32.87 kvar): the fixed part is 20 kvar, the largest unit
// within the smallest need; the bank 150 kvar covers the largest; 130 kvar
// switched. With the fixed part and what each month needs, every month is at
// 95 %; the fixed 150 kvar alone leads in the three lighter months.
void TestMonthsCalc::fixedAndAutomaticSplit()
{
    std::vector<MonthEntry> entries;
    for (const char* kvarh : {"23226", "39018", "53760", "72702"})
        entries.push_back(energies("", "30", "42000", kvarh));
    const months::MonthsResult result = months::computeMonths(entries, settings("95", months::Frequency::Hz50));
    QVERIFY(result.plan);
    QCOMPARE(result.plan->fixedPart->total(), 20.0);
    QCOMPARE(result.plan->fixedOnly->total(), 150.0);
    QCOMPARE(result.plan->automaticKvar, 130.0);
    const QStringList fixedOnly{"72.61 Lead", "86.84 Lead", "97.66 Lead", "97.43 Lag"};
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const MonthResult& month = result.rows[at];
        QCOMPARE(q(sc::pfWithUnitText(*month.fixedOnlyPf)), fixedOnly[qsizetype(at)]);
        QCOMPARE(month.fixedAutoPf->phase, pf::Phase::Lag);
        QVERIFY(std::abs(month.fixedAutoPf->intPf - 95) < 1e-9);
    }
    // 60 Hz has 18 kvar, not 20, within 22.43.
    const months::MonthsResult at60 = months::computeMonths(entries, settings("95", months::Frequency::Hz60));
    QCOMPARE(at60.plan->fixedPart->total(), 18.0);
    QCOMPARE(at60.plan->automaticKvar, 132.0);
}

// Register readings at each month's end, multiplier 60: the first row is the
// starting point; a meter exchanged after 2025年8月 reads lower, which is
// not guessed at; the next month counts from the new meter's reading.
void TestMonthsCalc::readingsWithAMultiplier()
{
    const std::vector<MonthEntry> entries{
        readings("2025年3月", "12000", "5000"),
        readings("2025年4月", "12700", "5350"), // 700 × 60 = 42,000 kWh, 350 × 60 = 21,000 kvarh: 89.44
        readings("2025年5月", "13420", "5720"), // 43,200 and 22,200: 88.94
        readings("2025年6月", "14160", "6110"), // 44,400 and 23,400: 88.47
        readings("2025年7月", "14950", "6530"), // 47,400 and 25,200: 88.30
        readings("2025年8月", "200", "80"),     // the new meter
        readings("2025年9月", "930", "420"),    // 43,800 and 20,400: 90.65
    };
    const months::MonthsResult result = months::computeMonths(entries, settings("95", months::Frequency::Hz50));
    QCOMPARE(result.rows[0].kind, MonthResult::Kind::StartingPoint);
    QVERIFY(cell(result.rows[0], Computed::Notes).startsWith(QStringLiteral("起点")));
    const QStringList billed{"", "89", "89", "88", "88", "", "91"};
    for (std::size_t at = 1; at < entries.size(); ++at)
        QCOMPARE(cell(result.rows[at], Computed::BilledPf), billed[qsizetype(at)]);
    QCOMPARE(result.rows[1].kwh, 42000.0);
    QCOMPARE(result.rows[1].kvarh, 21000.0);
    QCOMPARE(result.rows[6].kwh, 43800.0);
    QCOMPARE(result.rows[5].kind, MonthResult::Kind::Refused);
    QVERIFY(cell(result.rows[5], Computed::Notes).contains(QStringLiteral("指示数が前の行より小さく")));
    QCOMPARE(result.plan->months, std::size_t(5));
    QCOMPARE(result.plan->leftOut, std::size_t(1));
    QVERIFY(q(result.notes.front()).startsWith(QStringLiteral("1か月は注意のとおり計算に入れていません")));

    // A multiplier that takes the energies beyond what a figure holds leaves
    // that month out, and the next month still counts from its readings.
    std::vector<MonthEntry> huge = entries;
    huge[1][Field::Multiplier] = std::string(308, '9');
    const months::MonthsResult beyond = months::computeMonths(huge, settings("95", months::Frequency::Hz50));
    QCOMPARE(beyond.rows[1].kind, MonthResult::Kind::Refused);
    QCOMPARE(cell(beyond.rows[1], Computed::Notes), QStringLiteral("数字が大きすぎて計算できません"));
    QCOMPARE(cell(beyond.rows[2], Computed::BilledPf), QStringLiteral("89"));
}

// A month with a figure missing, not a number or below 0 says why and is
// left out; the other months are worked out as before.
void TestMonthsCalc::badEntries_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<MonthResult::Kind>("kind");
    QTest::addColumn<QString>("note");
    const auto f = [](Field field) { return int(field); };
    QTest::newRow("no energy") << f(Field::Kwh) << "" << MonthResult::Kind::Refused << "有効電力量（kWh）がありません";
    QTest::newRow("letters") << f(Field::Kwh) << "abc" << MonthResult::Kind::Refused
                             << "有効電力量（kWh）：半角の数字を入力してください";
    QTest::newRow("full-width digits") << f(Field::Kvarh) << "５００" << MonthResult::Kind::Refused
                                       << "無効電力量（kvarh）：半角の数字を入力してください";
    QTest::newRow("negative active energy") << f(Field::Kwh) << "-5" << MonthResult::Kind::Refused
                                            << "有効電力量（kWh）：0より大きい数字を入力してください";
    QTest::newRow("no days") << f(Field::Days) << "" << MonthResult::Kind::Refused << "日数か積算時間を入力してください";
    QTest::newRow("negative days") << f(Field::Days) << "-30" << MonthResult::Kind::Refused
                                   << "日数：0より大きい数字を入力してください";
    QTest::newRow("too large") << f(Field::Kwh) << std::string(400, '9').c_str() << MonthResult::Kind::Refused
                               << "有効電力量（kWh）：数字が大きすぎます";
    QTest::newRow("days beyond what the hours can hold") << f(Field::Days) << std::string(308, '9').c_str()
                                                         << MonthResult::Kind::Refused << "数字が大きすぎて計算できません";
    QTest::newRow("a wrong unit price takes only the saving")
        << f(Field::UnitPrice) << "-1" << MonthResult::Kind::Computed << "基本料金単価（円/kW）：0以上の数字を入力してください";
    QTest::newRow("pasted with a line break") << f(Field::Kwh) << "84000\r\n" << MonthResult::Kind::Computed << "";
}

void TestMonthsCalc::badEntries()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(MonthResult::Kind, kind);
    QFETCH(QString, note);
    std::vector<MonthEntry> year = handWorkedYear();
    year[0].fields[std::size_t(field)] = typed.toStdString();
    const months::MonthsResult result = months::computeMonths(year, settings("95", months::Frequency::Hz50));
    QCOMPARE(result.rows[0].kind, kind);
    QCOMPARE(cell(result.rows[0], Computed::Notes).contains(note), true);
    // The other months stand as they were, and the plan says what it rests on.
    QCOMPARE(cell(result.rows[4], Computed::RequiredKvar), QStringLiteral("111"));
    QCOMPARE(result.plan->months, kind == MonthResult::Kind::Refused ? std::size_t(11) : std::size_t(12));
}

void TestMonthsCalc::planNeedsItsSettings()
{
    const std::vector<MonthEntry> year = handWorkedYear();
    months::PlanSettings s = settings("", months::Frequency::Hz50);
    months::MonthsResult result = months::computeMonths(year, s);
    QVERIFY(!result.plan);
    QVERIFY(result.notes.front() == months::TypeTargetNote);
    // Without a target the billed power factor stands; the need does not.
    QCOMPARE(cell(result.rows[0], Computed::BilledPf), QStringLiteral("86"));
    QCOMPARE(cell(result.rows[0], Computed::RequiredKvar), QString());

    s.target = "101";
    QVERIFY(months::computeMonths(year, s).notes.front() == months::TargetRangeNote);
    s.target = "95";
    s.frequency.reset();
    result = months::computeMonths(year, s);
    QVERIFY(!result.plan);
    QVERIFY(result.notes.front() == months::ChooseFrequencyNote);
    QCOMPARE(cell(result.rows[0], Computed::RequiredKvar), QStringLiteral("54.3"));
    QCOMPARE(cell(result.rows[0], Computed::FixedOnlyPf), QString());

    std::vector<MonthEntry> tooMany(37, year[0]);
    s.frequency = months::Frequency::Hz60;
    result = months::computeMonths(tooMany, s);
    QVERIFY(!result.plan);
    QVERIFY(result.notes.back() == months::TooManyMonthsNote);
}

void TestMonthsCalc::otherTariffRules()
{
    months::PlanSettings s = settings("95", months::Frequency::Hz50);
    s.rule = {months::TariffRule::Kind::Other, "90", "0.5"};
    months::MonthsResult result = months::computeMonths(handWorkedYear(), s);
    // Half a per cent a point from 90 %: April at 86 % pays 102 %, and each
    // point gained is 2,062.5 円, rounded half up to the yen.
    QCOMPARE(q(result.rows[0].basicCharge), QStringLiteral("102"));
    QCOMPARE(cell(result.rows[0], Computed::FixedAutoYen), QStringLiteral("18,563")); // 9 points: 18,562.5
    QCOMPARE(*result.plan->fixedAutoTotal, 173252.0);

    s.rule = {months::TariffRule::Kind::None, "", ""};
    result = months::computeMonths(handWorkedYear(), s);
    QVERIFY(result.plan);
    QVERIFY(!result.plan->fixedOnlyTotal);
    QCOMPARE(cell(result.rows[0], Computed::FixedOnlyYen), QString());
    QCOMPARE(q(result.rows[0].basicCharge), QString());
    QVERIFY(result.notes.front() == months::NoRuleNote);
}

// Three months give the total of three, and a year only as an estimate.
// Their largest need, June's 67.69 kvar, takes 75 kvar: April 200 kW with
// 45 kvar left, 97.59 %, billed 98; May 180 with 25, 99.04 %, 99; June 220
// with 65, 95.87 %, 96; twelve points each month, 49,500 円, 148,500 in
// all, and 148,500 × 12 / 3 = 594,000 a year.
void TestMonthsCalc::fewerMonthsGiveAnEstimate()
{
    std::vector<MonthEntry> year = handWorkedYear();
    year.resize(3);
    const months::MonthsResult result = months::computeMonths(year, settings("95", months::Frequency::Hz50));
    QCOMPARE(result.plan->fixedOnly->total(), 75.0);
    QCOMPARE(*result.plan->fixedOnlyTotal, 148500.0);
    QVERIFY(result.plan->yearIsEstimate);
    QCOMPARE(*result.plan->fixedOnlyYear, 594000.0);
    const auto estimate = std::find_if(result.items.begin(), result.items.end(),
        [](const months::PlanItem& item) { return item.caption == months::FixedOnlyYearEstimateCaption; });
    QVERIFY(estimate != result.items.end());
    QCOMPARE(q(estimate->value), QStringLiteral("594,000"));
}

void TestMonthsCalc::unitsWithinACapacity_data()
{
    QTest::addColumn<double>("kvar");
    QTest::addColumn<bool>("at50");
    QTest::addColumn<QString>("units");
    QTest::newRow("below the smallest") << 9.0 << true << "";
    QTest::newRow("on a unit") << 10.0 << true << "10";
    QTest::newRow("a hair below a unit") << 9.999999999999998 << true << "10";
    QTest::newRow("between units") << 22.43 << true << "20";
    QTest::newRow("60 Hz between units") << 22.43 << false << "18";
    QTest::newRow("60 Hz below the smallest") << 11.0 << false << "";
    QTest::newRow("past the largest") << 990.0 << true << "500＋400";
    QTest::newRow("two of the largest") << 1000.0 << true << "500×2";
    QTest::newRow("nothing") << 0.0 << true << "";
}

void TestMonthsCalc::unitsWithinACapacity()
{
    QFETCH(double, kvar);
    QFETCH(bool, at50);
    QFETCH(QString, units);
    const auto within = sc::unitsWithin(kvar, at50 ? sc::Series50Hz : sc::Series60Hz);
    QCOMPARE(within ? q(sc::compositionText(*within)) : QString(), units);
}

QTEST_APPLESS_MAIN(TestMonthsCalc)
#include "test_months_calc.moc"
