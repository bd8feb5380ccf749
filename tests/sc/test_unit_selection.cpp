#include "pf/pf_calc.h"
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
        intPf = kandelo::pf::computePfScreen(kwh, kvarh).intPf;
        SizingState state;
        computeSizing({kwh, kvarh, 392, intPf, 95}, "90.00", ReactorSixCaption, true, state, load);
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
    void ratingsMatchTheCatalogues_data();
    void ratingsMatchTheCatalogues();
    void powerFactorTheUnitGives_data();
    void powerFactorTheUnitGives();
    void savingInYen();
    void whatWasTypedWrong_data();
    void whatWasTypedWrong();
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
        QCOMPARE(q(chosen.monthlySaving.value_or("")), QStringLiteral("21,600円"));
        QCOMPARE(q(chosen.yearlySaving.value_or("")), QStringLiteral("259,200円"));
    }
    // A leading power factor counts as 100 %.
    inputs.contractKw = "100";
    inputs.unitPrice = "1000";
    const UnitSelection leading = selectUnits(loadOf(100, 10.5, 10.1), 90.0, ReactorSixCaption, inputs);
    QCOMPARE(q(leading.frequencies[0].monthlySaving.value_or("")), QStringLiteral("10,000円"));
    // Without both, no saving.
    inputs.unitPrice.clear();
    QVERIFY(!selectUnits(example.load, example.intPf, ReactorSixCaption, inputs).frequencies[0].monthlySaving);
}

void TestUnitSelection::whatWasTypedWrong_data()
{
    QTest::addColumn<QString>("field"); // which input
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem");
    QTest::newRow("letters") << "contract" << "abc" << "契約電力（kW）：半角の数字を入力してください";
    QTest::newRow("full-width digits") << "price" << "１８００" << "基本料金単価（円/kW）：半角の数字を入力してください";
    QTest::newRow("grouping") << "price" << "1,800" << "基本料金単価（円/kW）：半角の数字を入力してください";
    QTest::newRow("a negative contract") << "contract" << "-5" << "契約電力（kW）：0以上の数字を入力してください";
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
    const bool savingTyped = field == u"contract" || field == u"price";
    QCOMPARE(chosen.monthlySaving.has_value(), !savingTyped);
    QCOMPARE(chosen.lightLoadPf.has_value(), field != u"lightKw");
    const auto batchProblem = savingInputProblem(ContractCaption, typed.toStdString());
    if (field == u"contract")
        QCOMPARE(batchProblem.has_value(), !problem.isEmpty());
}

QTEST_APPLESS_MAIN(TestUnitSelection)
#include "test_unit_selection.moc"
