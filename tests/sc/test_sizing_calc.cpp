#include "core/arithmetic_error.h"
#include "pf/pf_calc.h"
#include "sc/capacitance_calc.h"
#include "sc/hint_rules.h"
#include "sc/round_by_magnitude.h"
#include "sc/sizing_calc.h"
#include "support/calculations.h"

#include <QtTest>

using namespace kandelo::sc;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QStringList rows(const std::array<std::string, 5>& list)
{
    QStringList r;
    for (const auto& row : list)
        r << q(row);
    return r;
}

const std::string_view Six = ReactorSixCaption;
const std::string_view Thirteen = ReactorThirteenCaption;

// The figures of a pass through the dialog, with intPf as the power-factor screen works it out.
kandelo::program::Calculation figures(double kwh, double kvarh, double hours, double target)
{
    return calculationOf(kwh, kvarh, hours, kandelo::pf::powerFactor(kwh, kvarh), target);
}

} // namespace

class TestSizingCalc : public QObject {
    Q_OBJECT

private slots:
    void roundByMagnitude_data();
    void roundByMagnitude();
    void negativeKeepsThePattern();
    void secondRounding();
    void alignRight();
    void workedExample();
    void nothingToCompensate_data();
    void nothingToCompensate();
    void basicChargeComparesWholePercents_data();
    void basicChargeComparesWholePercents();
    void hoursAndAveragesTexts();
    void reactorRatings();
    void reactorRatingsFromTheRoundedCapacity();
    void capacitanceTable();
    void capacitanceTableWithReactor();
    void typedVoltage_data();
    void typedVoltage();
    void failureStopsAtItsStep();
    void hints();
};

void TestSizingCalc::roundByMagnitude_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("1234.5") << 1234.5 << 1230.0 << "1,230" << "#,###,0";
    QTest::newRow("1235") << 1235.0 << 1240.0 << "1,240" << "#,###,0";
    QTest::newRow("98765") << 98765.0 << 98800.0 << "98,800" << "#,###,0";
    QTest::newRow("123456789") << 123456789.0 << 123000000.0 << "123,000,000" << "#,###,0";
    QTest::newRow("999.9996") << 999.9996 << 1000.0 << "1,000" << "#,###,0";
    QTest::newRow("999.4") << 999.4 << 999.0 << "999" << "#,###,0";
    QTest::newRow("100") << 100.0 << 100.0 << "100" << "#,###,0";
    QTest::newRow("123.4") << 123.4 << 123.0 << "123" << "#,###,0";
    QTest::newRow("99.9996") << 99.9996 << 100.0 << "100" << "#,###,0";
    QTest::newRow("99.96") << 99.96 << 100.0 << "100.0" << "#,###,0.0";
    QTest::newRow("12.34") << 12.34 << 12.3 << "12.3" << "#,###,0.0";
    QTest::newRow("9.996") << 9.996 << 10.0 << "10.00" << "#,###,0.00";
    QTest::newRow("7.3111") << 7.3111 << 7.31 << "7.31" << "#,###,0.00";
    QTest::newRow("0.9996") << 0.9996 << 1.0 << "1.00" << "#,###,0.00";
    QTest::newRow("0.99949") << 0.99949 << 0.999 << "0.999" << "#,###,0.000";
    QTest::newRow("0.0456") << 0.0456 << 0.046 << "0.046" << "#,###,0.000";
    QTest::newRow("0.0004") << 0.0004 << 0.0 << "0.000" << "#,###,0.000";
    QTest::newRow("0") << 0.0 << 0.0 << "0.000" << "#,###,0.000";
}

void TestSizingCalc::roundByMagnitude()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QFETCH(QString, shown);
    QFETCH(QString, pattern);
    std::string strFormat;
    double value = x;
    QCOMPARE(RoundByMagnitude(value, strFormat), rounded);
    QCOMPARE(value, rounded);
    QCOMPARE(q(strFormat), pattern);
    value = x;
    QCOMPARE(q(roundedText(value, strFormat)), shown);
}

void TestSizingCalc::negativeKeepsThePattern()
{
    std::string strFormat;
    double x = -5;
    QCOMPARE(q(roundedText(x, strFormat)), QStringLiteral("-5")); // the empty pattern writes plain text
    QCOMPARE(x, -5.0);
    QVERIFY(strFormat.empty());
    strFormat = "#,###,0.0";
    QCOMPARE(RoundByMagnitude(x, strFormat), -5.0);
    QCOMPARE(q(strFormat), QStringLiteral("#,###,0.0"));
}

void TestSizingCalc::secondRounding()
{
    std::string strFormat;
    for (const auto& [x, first, second] :
        {std::tuple{9.996, "10.00", "10.0"}, std::tuple{99.96, "100.0", "100"}, std::tuple{39.69793, "39.7", "39.7"}}) {
        double value = x;
        QCOMPARE(q(roundedText(value, strFormat)), QString::fromUtf8(first));
        const double once = value;
        QCOMPARE(q(roundedText(value, strFormat)), QString::fromUtf8(second));
        QCOMPARE(value, once);
    }
}

void TestSizingCalc::alignRight()
{
    QCOMPARE(q(AlignRight(9, "31,800")), QStringLiteral("   31,800"));
    QCOMPARE(q(AlignRight(9, "7.31")), QStringLiteral("     7.31"));
    QCOMPARE(q(AlignRight(9, "123,000,000")), QStringLiteral("123,000,000"));
    QCOMPARE(q(AlignRight(0, "7.31")), QStringLiteral("7.31"));
}

void TestSizingCalc::workedExample()
{
    const SizingLoad load = computeSizing(figures(100000, 48430, 392, 95), "90.00", Six, true);
    const LoadTexts& texts = load.texts;
    const SizingState& state = load.state;
    QVERIFY(!load.failure);
    QCOMPARE(q(*texts.lblHours), QStringLiteral("392"));
    QCOMPARE(q(*texts.lblKw), QStringLiteral("255.10"));
    QCOMPARE(q(*texts.lblLagKvar), QStringLiteral("123.55"));
    QCOMPARE(q(*texts.lblKVA), QStringLiteral("283.44"));
    QCOMPARE(q(*texts.txtScKvar), QStringLiteral("39.7"));
    QCOMPARE(q(*texts.txtScKvar2), QStringLiteral("42.2"));
    QCOMPARE(q(*texts.txtLKvar), QStringLiteral("2.53"));
    QCOMPARE(state.dblScKvar, 39.7);
    QCOMPARE(state.dblScKvar2, 42.2);
    QCOMPARE(state.dblLKvar, 2.53);
    QCOMPARE(q(*texts.lblPf), QStringLiteral("現状の力率 90.00%を 95% に改善するのに必要な平均容量は、"));
    QCOMPARE(q(*texts.frame2), QStringLiteral("静電容量　μF    (39.7kvar)"));
    QCOMPARE(q(*texts.lblCurrent), QStringLiteral("現状より、約 5.3 ％ 少なくなります"));
    QCOMPARE(q(*texts.lblBasic), QStringLiteral("現状より、約 5 ％ 割引されます"));
    QVERIFY(texts.table);
    QCOMPARE(q(texts.table->rowHeads[0]), QStringLiteral("200"));
}

void TestSizingCalc::nothingToCompensate_data()
{
    QTest::addColumn<double>("kwh");
    QTest::addColumn<double>("kvarh");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("target"); // 0: the present power factor itself
    QTest::addColumn<QString>("pfCaption");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("target equal to present") << 100000.0 << 48430.0 << 392.0 << 0.0 << "90.00" << "90.00%を 90.0007804496516% に";
    // kWh / √(kvarh² + kWh²) × 100 is exactly 100 here; hypot would give 99.99999999999997.
    QTest::newRow("power factor of exactly 100") << 9999999.0 << 0.137 << 1.0 << 100.0 << "100.00" << "100.00%を 100% に";
}

void TestSizingCalc::nothingToCompensate()
{
    QFETCH(double, kwh);
    QFETCH(double, kvarh);
    QFETCH(double, hours);
    QFETCH(double, target);
    QFETCH(QString, pfCaption);
    QFETCH(QString, sentence);
    const double presentPf = kandelo::pf::powerFactor(kwh, kvarh);
    const LoadTexts texts =
        computeSizing(figures(kwh, kvarh, hours, target == 0 ? presentPf : target), pfCaption.toStdString(), Six, true)
            .texts;
    QCOMPARE(q(*texts.txtScKvar), QStringLiteral("0.000"));
    QCOMPARE(q(*texts.txtScKvar2), QStringLiteral("0.000"));
    QCOMPARE(q(*texts.txtLKvar), QStringLiteral("0.000"));
    QCOMPARE(q(*texts.frame2), QStringLiteral("静電容量　μF    (0.000kvar)"));
    QCOMPARE(q(*texts.lblCurrent), QStringLiteral("現状より、約 0 ％ 少なくなります"));
    QCOMPARE(q(*texts.lblBasic), QStringLiteral("現状より、約 0 ％ 割引されます"));
    // The target as plain number text, the present power factor as frmPf shows it.
    QVERIFY(q(*texts.lblPf).contains(sentence));
    for (const auto& list : texts.table->rows)
        QCOMPARE(rows(list), QStringList(5, QStringLiteral("    0.000")));
}

void TestSizingCalc::basicChargeComparesWholePercents_data()
{
    QTest::addColumn<double>("present");
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("basic");
    QTest::newRow("90.2 to 90.4") << 90.2 << 90.4 << "現状より、約 0.2 ％ 少なくなります" << "現状より、約 0 ％ 割引されます";
    QTest::newRow("84.5 to 85.5") << 84.5 << 85.5 << "現状より、約 1.2 ％ 少なくなります" << "現状より、約 2 ％ 割引されます";
    QTest::newRow("to 100") << 80.0 << 100.0 << "現状より、約 20 ％ 少なくなります" << "現状より、約 19 ％ 割引されます";
}

void TestSizingCalc::basicChargeComparesWholePercents()
{
    QFETCH(double, present);
    QFETCH(double, target);
    QFETCH(QString, current);
    QFETCH(QString, basic);
    const LoadTexts texts = computeSizing(calculationOf(1000, 500, 100, present, target), "", Six, true).texts;
    QCOMPARE(q(*texts.lblCurrent), current);
    QCOMPARE(q(*texts.lblBasic), basic);
}

void TestSizingCalc::hoursAndAveragesTexts()
{
    LoadTexts texts = computeSizing(calculationOf(12345.678, 1000, 1, 99.67, 99.8), "99.67", Six, true).texts;
    QCOMPARE(q(*texts.lblHours), QStringLiteral("1"));
    QCOMPARE(q(*texts.lblKw), QStringLiteral("12,345.68"));
    QCOMPARE(q(*texts.lblLagKvar), QStringLiteral("1,000.00"));
    QCOMPARE(q(*texts.lblPf), QStringLiteral("現状の力率 99.67%を 99.8% に改善するのに必要な平均容量は、"));

    texts = computeSizing(calculationOf(100000, 48430, 392.5, 90.00078, 95.5), "90.00", Six, true).texts;
    QCOMPARE(q(*texts.lblHours), QStringLiteral("392.5"));
    QVERIFY(q(*texts.lblPf).contains(QStringLiteral("%を 95.5% に")));
}

void TestSizingCalc::reactorRatings()
{
    SizingState state;
    state.dblScKvar = 100;
    ReactorTexts six = reactorRating(state, Six);
    QCOMPARE(q(six.txtScKvar2), QStringLiteral("106"));
    QCOMPARE(q(six.txtLKvar), QStringLiteral("6.38"));
    QCOMPARE(state.dblScKvar2, 106.0);
    QCOMPARE(state.dblLKvar, 6.38);
    const ReactorTexts thirteen = reactorRating(state, Thirteen);
    QCOMPARE(q(thirteen.txtScKvar2), QStringLiteral("115"));
    QCOMPARE(q(thirteen.txtLKvar), QStringLiteral("14.9"));
    QCOMPARE(q(state.strFormat), QStringLiteral("#,###,0.0"));
    QCOMPARE(state.dblScKvar, 100.0);
}

void TestSizingCalc::reactorRatingsFromTheRoundedCapacity()
{
    // The load works from 149.6; a toggle later works from the rounded 150.
    SizingState state;
    state.dblScKvar = 149.6;
    ReactorTexts texts = reactorRating(state, Six);
    QCOMPARE(q(roundedText(state.dblScKvar, state.strFormat)), QStringLiteral("150"));
    QCOMPARE(q(texts.txtScKvar2), QStringLiteral("159"));
    QCOMPARE(q(texts.txtLKvar), QStringLiteral("9.55"));
    reactorRating(state, Thirteen);
    texts = reactorRating(state, Six);
    QCOMPARE(q(texts.txtScKvar2), QStringLiteral("160"));
    QCOMPARE(q(texts.txtLKvar), QStringLiteral("9.57"));
}

void TestSizingCalc::capacitanceTable()
{
    SizingState state;
    const CapacitanceTable table = kandelo::sc::capacitanceTable(state, 100, true, Six);
    QCOMPARE(q(table.rowHeads[0]), QStringLiteral("200"));
    QCOMPARE(q(table.rowHeads[1]), QStringLiteral("400"));
    QCOMPARE(q(table.rowHeads[2]), QStringLiteral("3300"));
    QCOMPARE(q(table.rowHeads[3]), QStringLiteral("6600"));
    QCOMPARE(rows(table.rows[0]), (QStringList{"   31,800", "    7,960", "    1,990", "     29.2", "     7.31"}));
    QCOMPARE(rows(table.rows[1]), (QStringList{"   26,500", "    6,630", "    1,660", "     24.4", "     6.09"}));
}

void TestSizingCalc::capacitanceTableWithReactor()
{
    SizingState state;
    CapacitanceTable six = kandelo::sc::capacitanceTable(state, 106, false, Six);
    QCOMPARE(q(six.rowHeads[0] + " " + six.rowHeads[1] + " " + six.rowHeads[2] + " " + six.rowHeads[3]),
        QStringLiteral("234 468 3510 7020"));
    // 106 kvar at 234 V and 50 Hz: 106e9 / (234² × 314) = 6165.2… µF.
    QCOMPARE(q(six.rows[0][1]), QStringLiteral("    6,170"));
    CapacitanceTable thirteen = kandelo::sc::capacitanceTable(state, 115, false, Thirteen);
    QCOMPARE(
        q(thirteen.rowHeads[0] + " " + thirteen.rowHeads[1] + " " + thirteen.rowHeads[2] + " " + thirteen.rowHeads[3]),
        QStringLiteral("253 506 3793 7586"));
    // Row 0 is 100 V in every column.
    QCOMPARE(q(thirteen.rows[1][0]), QStringLiteral("   30,500"));
}

void TestSizingCalc::typedVoltage_data()
{
    using Kind = TypedVoltageRows::Kind;
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("row50");
    QTest::addColumn<QString>("row60");
    QTest::newRow("200 equals row 1") << "200" << int(Kind::Rows) << "    7,960" << "    6,630";
    QTest::newRow("minus 200 equals 200") << "-200" << int(Kind::Rows) << "    7,960" << "    6,630";
    QTest::newRow("spaces around") << " 6600 " << int(Kind::Rows) << "     7.31" << "     6.09";
    QTest::newRow("a few volts, longer than nine") << "1" << int(Kind::Rows) << "318,000,000" << "265,000,000";
    QTest::newRow("empty") << "" << int(Kind::Empty) << "" << "";
    QTest::newRow("0") << "0" << int(Kind::Empty) << "" << "";
    QTest::newRow("0.0 gives no capacitance") << "0.0" << int(Kind::Empty) << "" << "";
    QTest::newRow("-0 gives no capacitance") << "-0" << int(Kind::Empty) << "" << "";
    QTest::newRow("square beyond a double") << "1" + QString(200, '0') << int(Kind::Empty) << "" << "";
    QTest::newRow("too small to divide by") << "0." + QString(200, '0') + "1" << int(Kind::Empty) << "" << "";
    QTest::newRow("digit and letter") << "2a" << int(Kind::NotNumeric) << "" << "";
    QTest::newRow("lone minus") << "-" << int(Kind::NotNumeric) << "" << "";
    QTest::newRow("grouping") << "6,600" << int(Kind::NotNumeric) << "" << "";
    QTest::newRow("plus sign") << "+200" << int(Kind::Rows) << "    7,960" << "    6,630";
    QTest::newRow("beyond a double") << "1" + QString(400, '0') << int(Kind::Empty) << "" << "";
    QTest::newRow("too small for a double") << "0." + QString(399, '0') + "1" << int(Kind::Empty) << "" << "";
}

void TestSizingCalc::typedVoltage()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, row50);
    QFETCH(QString, row60);
    SizingState state;
    const TypedVoltageRows result = typedVoltageRows(state, text.toStdString(), 100);
    QCOMPARE(int(result.kind), kind);
    QCOMPARE(q(result.rows[0]), row50);
    QCOMPARE(q(result.rows[1]), row60);
}

// A failing step ends the load; what the steps before it set is there, and
// the failure is said, not thrown.
void TestSizingCalc::failureStopsAtItsStep()
{
    using Kind = kandelo::core::ArithmeticError::Kind;
    {
        const SizingLoad load = computeSizing(figures(1000, 484.3, 0, 95), "90.00", Six, true);
        QCOMPARE(load.failure, std::optional<Kind>(Kind::DivisionByZero));
        const LoadTexts& texts = load.texts;
        QVERIFY(!texts.txtScKvar2 && !texts.lblHours && !texts.lblBasic && !texts.table);
    }
    {
        // An energy whose square overflows fails at the apparent power, after the averages.
        const SizingLoad load = computeSizing(figures(1e300, 4.843e299, 1, 95), "90.00", Six, true);
        QCOMPARE(load.failure, std::optional<Kind>(Kind::Overflow));
        QVERIFY(load.texts.p && load.texts.q && !load.texts.lblHours && !load.texts.txtScKvar);
    }
    {
        const SizingLoad load = computeSizing(calculationOf(1000, 0, 10, 0, 95), "0.00", Six, true);
        QVERIFY(load.failure);
        QVERIFY(!load.texts.lblHours);
    }
}

void TestSizingCalc::hints()
{
    QCOMPARE(q(hint::capacityBox(Six)), QStringLiteral("実際の選定に際してはJIS規定による定格容量の標準値があります"));
    QCOMPARE(q(hint::capacityBox(Thirteen)), QString());
    QCOMPARE(q(hint::reactorLabel(Six)), QStringLiteral("クリックするとＬ＝１３％の場合を計算します"));
    QCOMPARE(q(hint::reactorLabel(Thirteen)), QStringLiteral("クリックするとＬ＝６％の場合を計算します"));
    QCOMPARE(q(hint::capacitanceLists(true)), QStringLiteral("負荷直結は電力会社の取付け容量基準があります"));
    QCOMPARE(q(hint::capacitanceLists(false)), QString());
}

QTEST_APPLESS_MAIN(TestSizingCalc)
#include "test_sizing_calc.moc"
