#include "pf/dial_geometry.h"
#include "pf/pf_calc.h"

#include <QtTest>

using namespace kandelo::pf;

Q_DECLARE_METATYPE(Phase)

class TestPfCalc : public QObject {
    Q_OBJECT

private slots:
    void screen_data();
    void screen();
    void powerFactorOfHugeEnergies();
    void needleTips_data();
    void needleTips();
    void leadMirrorsLag();
    void improveButtonGrowth();
};

void TestPfCalc::screen_data()
{
    QTest::addColumn<double>("kwh");
    QTest::addColumn<double>("kvarh");
    QTest::addColumn<QString>("lblKwh");
    QTest::addColumn<QString>("lblKvarh");
    QTest::addColumn<QString>("lblPf");
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<bool>("comment");
    QTest::newRow("90 % lagging") << 1000.0 << 484.3 << "1,000.00" << "484.30" << "90.00" << Phase::Lag << false;
    QTest::newRow("90 % leading") << 1000.0 << -484.3 << "1,000.00" << "-484.30" << "90.00" << Phase::Lead << false;
    QTest::newRow("99.50 shows the note") << 100.0 << 10.0 << "100.00" << "10.00" << "99.50" << Phase::Lag << true;
    QTest::newRow("leading never shows the note") << 100.0 << -10.0 << "100.00" << "-10.00" << "99.50" << Phase::Lead << false;
    QTest::newRow("exactly 99.5 shows the note") << 99.5 << 9.987492177719089 << "99.50" << "9.99" << "99.50" << Phase::Lag << true;
    QTest::newRow("99.49 does not") << 99.49 << 10.086619850078643 << "99.49" << "10.09" << "99.49" << Phase::Lag << false;
    QTest::newRow("tiny reactive energy is 100") << 1000.0 << 1e-9 << "1,000.00" << "0.00" << "100.00" << Phase::Lag << true;
    QTest::newRow("grouped energies") << 1234567.891 << 987654.321 << "1,234,567.89" << "987,654.32" << "78.09" << Phase::Lag << false;
    QTest::newRow("low power factor") << 10.0 << 1000.0 << "10.00" << "1,000.00" << "1.00" << Phase::Lag << false;
    // The expression gives 99.500000000000014 here, where hypot would give 99.49999999999999.
    QTest::newRow("last bit of the expression shows the note") << 1.0 << 0.10037680580622223 << "1.00" << "0.10" << "99.50" << Phase::Lag << true;
    QTest::newRow("negative reactive energy rounding to zero") << 1000.0 << -0.004 << "1,000.00" << "-0.00" << "100.00" << Phase::Lead << false;
}

void TestPfCalc::screen()
{
    QFETCH(double, kwh);
    QFETCH(double, kvarh);
    QFETCH(QString, lblKwh);
    QFETCH(QString, lblKvarh);
    QFETCH(QString, lblPf);
    QFETCH(Phase, phase);
    QFETCH(bool, comment);
    const PfScreen s = computePfScreen(kwh, kvarh, powerFactor(kwh, kvarh));
    QCOMPARE(QString::fromStdString(s.lblKwh), lblKwh);
    QCOMPARE(QString::fromStdString(s.lblKvarh), lblKvarh);
    QCOMPARE(QString::fromStdString(s.lblPf), lblPf);
    QCOMPARE(s.phase, phase);
    QCOMPARE(s.commentVisible, comment);
}

void TestPfCalc::powerFactorOfHugeEnergies()
{
    QCOMPARE(powerFactor(1000, 484.3), 1000 / std::sqrt(484.3 * 484.3 + 1000.0 * 1000.0) * 100);
    QCOMPARE(powerFactor(1, 0.10037680580622223), 99.500000000000014);
    QCOMPARE(powerFactor(9999999, 0.137), 100.0);
    QVERIFY(qAbs(powerFactor(1000, 484.3) - 90.00078) < 1e-5);
    QCOMPARE(powerFactor(1000, 1e-9), 100.0);
    QCOMPARE(powerFactor(99.5, 9.987492177719089), 99.5);
    // Squares beyond the range of a double: the ratio is still right.
    const auto shown = [](double kwh, double kvarh) {
        return QString::fromStdString(computePfScreen(kwh, kvarh, powerFactor(kwh, kvarh)).lblPf);
    };
    QCOMPARE(shown(1e200, 4.843e199), QStringLiteral("90.00"));
    QCOMPARE(shown(1.5e308, 1.5e308), QStringLiteral("70.71"));
    QCOMPARE(shown(1.7e308, 1e-300), QStringLiteral("100.00"));
    // Squares too small for a double: the ratio is still right.
    QCOMPARE(shown(1e-200, 1e-200), QStringLiteral("70.71"));
}

void TestPfCalc::needleTips_data()
{
    QTest::addColumn<double>("pf");
    QTest::addColumn<double>("lagX");
    QTest::addColumn<double>("leadX");
    QTest::addColumn<double>("y");
    QTest::newRow("100") << 100.0 << 4560.67 << 4559.33 << 2400.00;
    QTest::newRow("99") << 99.0 << 4795.27 << 4324.73 << 2433.62;
    QTest::newRow("95") << 95.0 << 5058.89 << 4061.11 << 2564.20;
    QTest::newRow("90") << 90.0 << 5219.48 << 3900.52 << 2719.73;
    QTest::newRow("80") << 80.0 << 5366.59 << 3753.41 << 3005.44;
    QTest::newRow("70") << 70.0 << 5399.82 << 3720.18 << 3257.47;
    QTest::newRow("50") << 50.0 << 5287.13 << 3832.87 << 3660.58;
    QTest::newRow("41 is not clamped") << 41.0 << 5187.80 << 3932.20 << 3798.09;
    QTest::newRow("40.99") << 40.99 << 5175.44 << 3944.56 << 3811.69;
    QTest::newRow("0") << 0.0 << 5175.44 << 3944.56 << 3811.69;
    QTest::newRow("negative") << -5.0 << 5175.44 << 3944.56 << 3811.69;
}

void TestPfCalc::needleTips()
{
    QFETCH(double, pf);
    QFETCH(double, lagX);
    QFETCH(double, leadX);
    QFETCH(double, y);
    const auto twoDecimals = [](float v) { return QString::number(v, 'f', 2); };
    const TwipPoint lag = needleTip(pf, 484.3);
    const TwipPoint lead = needleTip(pf, -484.3);
    QCOMPARE(twoDecimals(lag.x), QString::number(lagX, 'f', 2));
    QCOMPARE(twoDecimals(lag.y), QString::number(y, 'f', 2));
    QCOMPARE(twoDecimals(lead.x), QString::number(leadX, 'f', 2));
    QCOMPARE(twoDecimals(lead.y), QString::number(y, 'f', 2));
}

void TestPfCalc::leadMirrorsLag()
{
    for (double pf = 40; pf <= 100; pf += 0.5) {
        const TwipPoint lag = needleTip(pf, 1);
        const TwipPoint lead = needleTip(pf, -1);
        QCOMPARE(lead.y, lag.y);
        QVERIFY(qAbs((lag.x - 4560) + (lead.x - 4560)) < 1e-3);
    }
}

void TestPfCalc::improveButtonGrowth()
{
    // 44 steps of 10 left, 2 up, 20 wider and 5 taller.
    QCOMPARE(grownImproveButton(ImproveButtonStart), (TwipRect{1000, 3992, 1135, 475}));
    // A button already at its full size stays as it is.
    QCOMPARE(grownImproveButton(TwipRect{1000, 3992, 1135, 475}), (TwipRect{1000, 3992, 1135, 475}));
}

QTEST_APPLESS_MAIN(TestPfCalc)
#include "test_pf_calc.moc"
