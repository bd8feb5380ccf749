#include "calculation/steps.h"
#include "pf/pf_calc.h"
#include "sc/basic_charge.h"
#include "sc/capacitance_calc.h"
#include "sc/captions.h"
#include "sc/sizing_calc.h"
#include "sc/unit_selection.h"

#include <QtTest>

using namespace kandelo::sc;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The load of the worked example: 100000 kWh, 48430 kvarh, 392 h, target 95 %.
struct WorkedExample {
    WorkedExample()
    {
        const double kwh = 100000;
        const double kvarh = 48430;
        kandelo::program::Calculation c;
        c.intKwh = kwh;
        c.intKvarh = kvarh;
        c.intHours = 392;
        c.intPf = intPf = kandelo::pf::powerFactor(kwh, kvarh);
        c.intTargetPf = 95;
        load = computeSizing(c, "90.00", ReactorSixCaption, true).texts;
    }
    LoadTexts load;
    double intPf = 0;
};

// The sizing's load for energies, hours and a target, as the screens compute it.
struct Sized {
    Sized(double kwh, double kvarh, double hours, double target)
    {
        kandelo::program::Calculation c;
        c.intKwh = kwh;
        c.intKvarh = kvarh;
        c.intHours = hours;
        c.intTargetPf = target;
        const auto screen = kandelo::calculation::powerFactor(c);
        intPf = c.intPf;
        load = kandelo::calculation::sizing(c, screen.lblPf, ReactorSixCaption, true).texts;
    }
    LoadTexts load;
    double intPf = 0;
};

// A load of nothing but what the selection needs.
LoadTexts loadOf(double p, double q, double required)
{
    LoadTexts load;
    load.p = p;
    load.q = q;
    load.requiredKvar = required;
    return load;
}

// A selection with its units rated, as the window and the report show it.
UnitSelection rated(UnitSelection selection)
{
    rateUnits(selection);
    return selection;
}

} // namespace

class TestUnitSelection : public QObject {
    Q_OBJECT

private slots:
    void unitsForARequiredCapacity_data();
    void unitsForARequiredCapacity();
    void aNeedOnAStandardValueIsThatValue_data();
    void aNeedOnAStandardValueIsThatValue();
    void tooLargeToSelect_data();
    void tooLargeToSelect();
    void ratingsMatchTheCatalogues_data();
    void ratingsMatchTheCatalogues();
    void powerFactorTheUnitGives_data();
    void powerFactorTheUnitGives();
    void savingInYen();
    void yearIsTwelveMonthsAsShown();
    void tariffPercentRoundsHalfUp_data();
    void tariffPercentRoundsHalfUp();
    void overCompensationWarning_data();
    void overCompensationWarning();
    void whatWasTypedWrong_data();
    void whatWasTypedWrong();
    void figuresGivenAreListed();
};

void TestUnitSelection::unitsForARequiredCapacity_data()
{
    QTest::addColumn<double>("required");
    QTest::addColumn<QString>("units50");
    QTest::addColumn<QString>("total50");
    QTest::addColumn<QString>("units60");
    QTest::addColumn<QString>("total60");
    QTest::newRow("nothing required") << 0.0 << "" << "" << "" << "";
    QTest::newRow("9.9") << 9.9 << "10" << "10" << "12" << "12";
    QTest::newRow("10") << 10.0 << "10" << "10" << "12" << "12";
    QTest::newRow("10.1") << 10.1 << "15" << "15" << "12" << "12";
    QTest::newRow("11") << 11.0 << "15" << "15" << "12" << "12";
    QTest::newRow("12.5") << 12.5 << "15" << "15" << "18" << "18";
    QTest::newRow("36.1") << 36.1 << "50" << "50" << "50" << "50";
    QTest::newRow("the worked example, 39.7") << 39.69793 << "50" << "50" << "50" << "50";
    QTest::newRow("500") << 500.0 << "500" << "500" << "500" << "500";
    QTest::newRow("500.1") << 500.1 << "500＋10" << "510" << "500＋12" << "512";
    QTest::newRow("1,000") << 1000.0 << "500×2" << "1,000" << "500×2" << "1,000";
    QTest::newRow("990: the rest takes a unit of 500 too") << 990.0 << "500×2" << "1,000" << "500×2" << "1,000";
    QTest::newRow("1,180") << 1180.0 << "500×2＋200" << "1,200" << "500×2＋200" << "1,200";
    QTest::newRow("7,263") << 7263.0 << "500×14＋300" << "7,300" << "500×14＋300" << "7,300";
    QTest::newRow("a count of units grouped") << 1e9 << "500×2,000,000" << "1,000,000,000" << "500×2,000,000" << "1,000,000,000";
    QTest::newRow("10 and a last bit") << 10.000000000000002 << "10" << "10" << "12" << "12";
    QTest::newRow("500 and a last bit") << 500.00000000000006 << "500" << "500" << "500" << "500";
    QTest::newRow("1,000 and a last bit") << 1000.0000000000001 << "500×2" << "1,000" << "500×2" << "1,000";
    QTest::newRow("a rest of 10 and a last bit") << 1010.0000000000002 << "500×2＋10" << "1,010" << "500×2＋12" << "1,012";
    QTest::newRow("75 and less than 1e-12 of it") << 75.0000000000749 << "75" << "75" << "75" << "75";
    QTest::newRow("10 and 1e-13 of it") << 10.000000000001 << "10" << "10" << "12" << "12";
    QTest::newRow("10 and 1e-11 of it is more") << 10.0000000001 << "15" << "15" << "12" << "12";
}

// The smallest standard unit at least as large; beyond 500 kvar, units of 500
// for as much as they fit and the smallest that covers the rest.
void TestUnitSelection::unitsForARequiredCapacity()
{
    QFETCH(double, required);
    QFETCH(QString, units50);
    QFETCH(QString, total50);
    QFETCH(QString, units60);
    QFETCH(QString, total60);
    const UnitSelection selection = selectUnits(loadOf(255.1, 123.55, required), 90, ReactorSixCaption, {});
    QCOMPARE(q(selection.frequencies[0].composition), units50);
    QCOMPARE(q(selection.frequencies[0].total), total50);
    QCOMPARE(q(selection.frequencies[1].composition), units60);
    QCOMPARE(q(selection.frequencies[1].total), total60);
    QCOMPARE(selection.frequencies[0].units.has_value(), required > 0);
    QVERIFY(selection.problems.empty());
}

void TestUnitSelection::aNeedOnAStandardValueIsThatValue_data()
{
    QTest::addColumn<double>("kwh");
    QTest::addColumn<double>("kvarh");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("units50");
    QTest::addColumn<QString>("units60");
    // At a target of 100 % the need is the reactive power Q itself: 10, 500, 1,000 kvar.
    QTest::newRow("10 kvar") << 1000.0 << 1000.0 << 100.0 << "10" << "12";
    QTest::newRow("500 kvar") << 50000.0 << 50000.0 << 100.0 << "500" << "500";
    QTest::newRow("1,000 kvar") << 100000.0 << 100000.0 << 100.0 << "500×2" << "500×2";
    QTest::newRow("1,010 kvar") << 101000.0 << 101000.0 << 100.0 << "500×2＋10" << "500×2＋12";
    QTest::newRow("30 kvar") << 3000.0 << 3000.0 << 100.0 << "30" << "30";
}

// A capacity the sizing works out as a standard value, give or take the last
// bit of a double, is that value: the unit neither grows to the next one nor
// over-compensates.
void TestUnitSelection::aNeedOnAStandardValueIsThatValue()
{
    QFETCH(double, kwh);
    QFETCH(double, kvarh);
    QFETCH(double, hours);
    QFETCH(QString, units50);
    QFETCH(QString, units60);
    const Sized sized(kwh, kvarh, hours, 100);
    const UnitSelection selection = selectUnits(sized.load, sized.intPf, ReactorSixCaption, {});
    QCOMPARE(q(selection.frequencies[0].composition), units50);
    QCOMPARE(q(selection.frequencies[1].composition), units60);
    QCOMPARE(q(pfWithUnitText(*selection.frequencies[0].pf)), QStringLiteral("100.00 Lag"));
    for (const std::string& warning : warningsOf(selection)) // 60 Hz has no 10 kvar: its 12 leads
        QVERIFY2(!warning.starts_with("50Hz"), warning.c_str());
    QVERIFY(selection.problems.empty());
}

void TestUnitSelection::tooLargeToSelect_data()
{
    QTest::addColumn<double>("required");
    QTest::addColumn<bool>("selected");
    // 2⁵³ is 9,007,199,254,740,992: the units of 500 kvar that cover a need
    // count exactly up to 500 kvar below it.
    QTest::newRow("2⁵³ less 1,000 kvar") << 9007199254739992.0 << true;
    QTest::newRow("2⁵³ less 500 kvar") << 9007199254740492.0 << true;
    QTest::newRow("2⁵³ less 498 kvar") << 9007199254740494.0 << false;
    QTest::newRow("9.2e18 kvar") << 9.2e18 << false;
    QTest::newRow("1e19 kvar") << 1e19 << false;
    QTest::newRow("1e300 kvar") << 1e300 << false;
}

// Past the units a figure can count exactly, nothing is selected and the
// window says the figure is too large; below it, the units cover the need.
void TestUnitSelection::tooLargeToSelect()
{
    QFETCH(double, required);
    QFETCH(bool, selected);
    const UnitSelection selection = selectUnits(loadOf(1e18, 1e18, required), 90, ReactorSixCaption, {"", "", "100", "1000", "", "", ""});
    for (const FrequencySelection& chosen : selection.frequencies) {
        QCOMPARE(chosen.units.has_value(), selected);
        if (!selected) {
            QVERIFY(chosen.total.empty() && chosen.composition.empty() && !chosen.pf && !chosen.monthlySaving);
            continue;
        }
        QVERIFY(chosen.units->total() >= required - required * CoverTolerance);
        QVERIFY(chosen.units->total() < required + 500);
        QVERIFY(chosen.units->rest.value_or(0) < 500);
    }
    QCOMPARE(selection.problems, selected ? std::vector<std::string>{} : std::vector<std::string>{"数字が大きすぎて計算できません"});
    QVERIFY(warningsOf(selection).empty());
}

void TestUnitSelection::ratingsMatchTheCatalogues_data()
{
    QTest::addColumn<QString>("reactor");
    QTest::addColumn<QStringList>("capacitors50"); // for each unit of the series
    QTest::addColumn<QStringList>("capacitors60");
    const QStringList large6{"53.2", "79.8", "106", "160", "213", "266", "319", "426", "532"};
    QTest::newRow("6 %") << QString::fromUtf8(ReactorSixCaption)
                         << QStringList{"10.6", "16.0", "21.3", "26.6", "31.9"} + large6
                         << QStringList{"12.8", "19.1", "25.5", "31.9", "38.3"} + large6;
    const QStringList large13{"57.5", "86.2", "115", "172", "230", "287", "345", "460", "575"};
    QTest::newRow("13 %") << QString::fromUtf8(ReactorThirteenCaption)
                          << QStringList{"11.5", "17.2", "23.0", "28.7", "34.5"} + large13
                          << QStringList{"13.8", "20.7", "27.6", "34.5", "41.4"} + large13;
}

// Each unit's capacitor rating, equipment capacity / (1 − L), and its
// reactor's, with the screen's own rounding.
void TestUnitSelection::ratingsMatchTheCatalogues()
{
    QFETCH(QString, reactor);
    QFETCH(QStringList, capacitors50);
    QFETCH(QStringList, capacitors60);
    const std::string lblL = reactor.toStdString();
    for (std::size_t unit = 0; unit < Series50Hz.size(); ++unit) {
        for (const auto& [series, expected] : {std::pair{&Series50Hz, capacitors50}, std::pair{&Series60Hz, capacitors60}}) {
            const double kvar = (*series)[unit];
            const FrequencySelection chosen =
                rated(selectUnits(loadOf(255.1, 123.55, kvar), 90, lblL, {})).frequencies[series == &Series50Hz ? 0 : 1];
            QCOMPARE(q(chosen.composition), QString::number(kvar));
            QCOMPARE(q(chosen.capacitorRating), expected[int(unit)]);
        }
    }
    // The reactor's rating: equipment × L / (1 − L).
    const auto reactorOf = [&](double kvar) { return q(rated(selectUnits(loadOf(1, 1, kvar), 90, lblL, {})).frequencies[0].reactorRating); };
    const bool six = lblL == ReactorSixCaption;
    QCOMPARE(reactorOf(50), six ? QStringLiteral("3.19") : QStringLiteral("7.47"));
    QCOMPARE(reactorOf(500), six ? QStringLiteral("31.9") : QStringLiteral("74.7"));
    // Several units: each unit's ratings.
    const FrequencySelection many = rated(selectUnits(loadOf(1, 1, 1180), 90, lblL, {})).frequencies[0];
    QCOMPARE(q(many.capacitorRating), six ? QStringLiteral("532×2＋213") : QStringLiteral("575×2＋230"));
    QCOMPARE(q(many.reactorRating), six ? QStringLiteral("31.9×2＋12.8") : QStringLiteral("74.7×2＋29.9"));
}

void TestUnitSelection::powerFactorTheUnitGives_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("required");
    QTest::addColumn<QString>("lightKw");
    QTest::addColumn<QString>("lightKvar");
    QTest::addColumn<QStringList>("pf");         // 50 Hz, 60 Hz
    QTest::addColumn<QStringList>("lightLoadPf"); // 50 Hz, 60 Hz; empty: none
    QTest::newRow("the worked example") << 255.10204081632654 << 123.54591836734694 << 39.69793 << "" << ""
        << QStringList{"96.09", "96.09"} << QStringList{};
    QTest::newRow("the unit leads at the average load") << 100.0 << 10.5 << 10.1 << "" << ""
        << QStringList{"99.90 Lead", "99.99 Lead"} << QStringList{};
    QTest::newRow("just on the need: no kvar left") << 100.0 << 10.0 << 10.0 << "" << ""
        << QStringList{"100.00", "99.98 Lead"} << QStringList{};
    QTest::newRow("lagging at the average, leading at light load") << 255.10204081632654 << 123.54591836734694 << 39.69793
        << "50" << "5" << QStringList{"96.09", "96.09"} << QStringList{"74.33 Lead", "74.33 Lead"};
    QTest::newRow("light load still lagging") << 100.0 << 50.0 << 22.0 << "80" << "40"
        << QStringList{"97.01", "96.78"} << QStringList{"98.29", "98.06"};
}

// PF = P / √(P² + (Q − Qc)²) × 100, leading when Q − Qc is negative; at the
// average powers of the sizing and, when given, at light load.
void TestUnitSelection::powerFactorTheUnitGives()
{
    QFETCH(double, p);
    QFETCH(double, q);
    QFETCH(double, required);
    QFETCH(QString, lightKw);
    QFETCH(QString, lightKvar);
    QFETCH(QStringList, pf);
    QFETCH(QStringList, lightLoadPf);
    SelectionInputs inputs;
    inputs.lightKw = lightKw.toStdString();
    inputs.lightKvar = lightKvar.toStdString();
    const UnitSelection selection = selectUnits(loadOf(p, q, required), 90, ReactorSixCaption, inputs);
    for (int at = 0; at < 2; ++at) {
        const FrequencySelection& chosen = selection.frequencies[std::size_t(at)];
        QVERIFY(chosen.pf);
        QCOMPARE(::q(pfWithUnitCell(*chosen.pf)), pf[at]);
        QCOMPARE(chosen.lightLoadPf.has_value(), !lightLoadPf.isEmpty());
        if (chosen.lightLoadPf)
            QCOMPARE(::q(pfWithUnitCell(*chosen.lightLoadPf)), lightLoadPf[at]);
    }
    QVERIFY(selection.problems.empty());
}

// The worked example with a contract of 200 kW at 1,800 円/kW: the present
// 90 % becomes 96 % with 50 kvar, 6 % × 200 × 1,800 = 21,600 円 a month.
void TestUnitSelection::savingInYen()
{
    const WorkedExample example;
    QVERIFY(std::abs(example.load.requiredKvar.value_or(0) - 39.69793) < 1e-5);
    SelectionInputs inputs;
    inputs.contractKw = "200";
    inputs.unitPrice = "1800";
    const UnitSelection selection = selectUnits(example.load, example.intPf, ReactorSixCaption, inputs);
    for (const FrequencySelection& chosen : selection.frequencies) {
        QCOMPARE(q(chosen.composition), QStringLiteral("50"));
        QCOMPARE(q(chosen.pf->text), QStringLiteral("96.09"));
        QCOMPARE(chosen.monthlySaving, 21600.0);
        QCOMPARE(chosen.yearlySaving, 259200.0);
        QCOMPARE(q(yenText(*chosen.monthlySaving)), QStringLiteral("21,600円"));
    }
    // A leading power factor counts as 100 %: 10 points of 100 kW at 1,000 円.
    inputs.contractKw = "100";
    inputs.unitPrice = "1000";
    const UnitSelection leading = selectUnits(loadOf(100, 10.5, 10.1), 90.0, ReactorSixCaption, inputs);
    QCOMPARE(leading.frequencies[0].monthlySaving, 10000.0);
    // The present 90.5 % counts as 91 %, rounded half up as the supply terms
    // round it: 9 points, not the 10 of a half rounded to even.
    const UnitSelection fromHalf = selectUnits(loadOf(100, 10.5, 10.1), 90.5, ReactorSixCaption, inputs);
    QCOMPARE(fromHalf.frequencies[0].monthlySaving, 9000.0);
    // Without both, no saving.
    inputs.unitPrice.clear();
    QVERIFY(!selectUnits(example.load, example.intPf, ReactorSixCaption, inputs).frequencies[0].monthlySaving);
}

// 2800.75 kWh and 2100.5625 kvarh in an hour are 80 % (a 3-4-5 triangle);
// to 95 % they need 2800.75 × (0.75 − tan(arccos 0.95)) = 1,180 kvar, so
// 500×2＋200, which leaves 900.5625 kvar: 95.20 %, 95 points, 15 above 80.
// 1,512.5 円 × 73 kW × 15 / 100 = 16,561.875 円, 16,562 円 as shown, and the
// year twelve of those, 198,744 円 (not 198,742.5 rounded to 198,743).
void TestUnitSelection::yearIsTwelveMonthsAsShown()
{
    const Sized sized(2800.75, 2100.5625, 1, 95);
    const UnitSelection selection =
        selectUnits(sized.load, sized.intPf, ReactorSixCaption, {"", "", "73", "1,512.5", "", "", ""});
    const FrequencySelection& chosen = selection.frequencies[0];
    QCOMPARE(q(chosen.composition), QStringLiteral("500×2＋200"));
    QCOMPARE(q(pfWithUnitText(*chosen.pf)), QStringLiteral("95.20 Lag"));
    QCOMPARE(q(yenText(*chosen.monthlySaving)), QStringLiteral("16,562円"));
    QCOMPARE(q(yenText(*chosen.yearlySaving)), QStringLiteral("198,744円"));
}

void TestUnitSelection::tariffPercentRoundsHalfUp_data()
{
    QTest::addColumn<double>("intPf");
    QTest::addColumn<bool>("leading");
    QTest::addColumn<double>("percent");
    QTest::newRow("96.5 is 97") << 96.5 << false << 97.0;
    QTest::newRow("90.5 is 91, not the even 90") << 90.5 << false << 91.0;
    QTest::newRow("just below a half") << 96.49999999 << false << 96.0;
    QTest::newRow("99.5 is 100") << 99.5 << false << 100.0;
    QTest::newRow("100") << 100.0 << false << 100.0;
    QTest::newRow("leading counts as 100") << 60.0 << true << 100.0;
    QTest::newRow("2.5 is 3") << 2.5 << false << 3.0;
}

// The power factor of the basic-charge rule: a whole percent rounded half up
// (四捨五入), at most 100, leading as 100.
void TestUnitSelection::tariffPercentRoundsHalfUp()
{
    QFETCH(double, intPf);
    QFETCH(bool, leading);
    QFETCH(double, percent);
    QCOMPARE(tariffPercent(intPf, leading ? kandelo::pf::Phase::Lead : kandelo::pf::Phase::Lag), percent);
}

void TestUnitSelection::overCompensationWarning_data()
{
    QTest::addColumn<double>("q");          // the reactive power; P is 100 kW and the unit 10 kvar
    QTest::addColumn<bool>("warned");
    QTest::newRow("lagging") << 12.0 << false;
    QTest::newRow("exactly compensated") << 10.0 << false;
    QTest::newRow("100.00 Lead") << 9.9 << false;           // 99.9995 %
    QTest::newRow("99.50 Lead and above") << 0.0 << false;  // 99.50 %: the screen counts it as 100
    QTest::newRow("99.40 Lead") << -1.0 << true;            // 99.40 %
}

// A unit that leads is warned of only where the power-factor screen would not
// already count the power factor as 100 %: leading and below 99.5 %.
void TestUnitSelection::overCompensationWarning()
{
    QFETCH(double, q);
    QFETCH(bool, warned);
    const UnitSelection selection = selectUnits(loadOf(100, q, 10), 90, ReactorSixCaption, {});
    const std::vector<std::string> warnings = warningsOf(selection);
    QCOMPARE(std::count(warnings.begin(), warnings.end(), "50Hz：" + std::string(OverCompensates)), warned ? 1 : 0);
}

void TestUnitSelection::whatWasTypedWrong_data()
{
    QTest::addColumn<QString>("field"); // which input
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem");
    QTest::newRow("letters") << "contract" << "abc" << "契約電力（kW）：半角の数字を入力してください";
    QTest::newRow("full-width digits") << "price" << "１８００" << "基本料金単価（円/kW）：半角の数字を入力してください";
    QTest::newRow("grouping is a number") << "price" << "1,800" << "";
    QTest::newRow("a spreadsheet cell") << "price" << "1800\r\n" << "";
    QTest::newRow("an exponent") << "price" << "1e3" << "基本料金単価（円/kW）：この書き方の数字は使えません（1800、1,800、0.5 のように入力してください）";
    QTest::newRow("400 digits") << "contract" << QString(400, u'9') << "契約電力（kW）：数字が大きすぎます";
    QTest::newRow("too small a decimal") << "contract" << "0." + QString(400, u'0') + "1" << "契約電力（kW）：0 に近すぎて扱えない数字です";
    QTest::newRow("a negative contract") << "contract" << "-5" << "契約電力（kW）：0以上の数字を入力してください";
    QTest::newRow("a saving too large to work out") << "contract" << QString(308, u'9') << "数字が大きすぎて計算できません";
    QTest::newRow("no light load") << "lightKw" << "0" << "軽負荷時の平均有効電力（kW）：0より大きい数字を入力してください";
    QTest::newRow("a leading light load is a figure") << "lightKvar" << "-20" << "";
    QTest::newRow("blanks are nothing typed") << "contract" << "   " << "";
}

// A field typed wrong leaves its own figures out, with what is wrong, and
// takes nothing else away.
void TestUnitSelection::whatWasTypedWrong()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    const WorkedExample example;
    SelectionInputs inputs{"50", "5", "200", "1800", "", "", ""};
    std::string& changed = field == u"contract" ? inputs.contractKw
        : field == u"price"                    ? inputs.unitPrice
        : field == u"lightKw"                  ? inputs.lightKw
                                               : inputs.lightKvar;
    changed = typed.toStdString();
    const UnitSelection selection = selectUnits(example.load, example.intPf, ReactorSixCaption, inputs);
    QCOMPARE(selection.problems.size(), std::size_t(problem.isEmpty() ? 0 : 1));
    if (!problem.isEmpty())
        QCOMPARE(q(selection.problems[0]), problem);
    const FrequencySelection& chosen = selection.frequencies[0];
    QCOMPARE(q(chosen.composition), QStringLiteral("50"));
    QCOMPARE(q(chosen.pf->text), QStringLiteral("96.09"));
    const bool savingTaken = (problem.isEmpty() && !typed.trimmed().isEmpty()) || (field != u"contract" && field != u"price");
    QCOMPARE(chosen.monthlySaving.has_value(), savingTaken);
    QCOMPARE(chosen.lightLoadPf.has_value(), problem.isEmpty() || field != u"lightKw");
}

// The figures given are listed as the program writes numbers, in the
// window's order, so that the report shows what the saving rests on.
void TestUnitSelection::figuresGivenAreListed()
{
    const WorkedExample example;
    const UnitSelection selection =
        selectUnits(example.load, example.intPf, ReactorSixCaption, {"50", " -5\n", "200", "1800", "", "", ""});
    QStringList given;
    for (const GivenFigure& figure : selection.given)
        given << QString::fromUtf8(figure.caption.data(), qsizetype(figure.caption.size())) + u'=' + q(figure.value);
    QCOMPARE(given, (QStringList{"軽負荷時の平均有効電力（kW）=50", "軽負荷時の平均無効電力（kvar）=-5",
                         "契約電力（kW）=200", "基本料金単価（円/kW）=1,800"}));
    QVERIFY(selectUnits(example.load, example.intPf, ReactorSixCaption, {"0", "", "x", "", "", "", ""}).given.empty());
}

QTEST_APPLESS_MAIN(TestUnitSelection)
#include "test_unit_selection.moc"
