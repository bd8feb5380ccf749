#include "calculation/steps.h"
#include "program/messages.h"
#include "sc/capacitance_calc.h"
#include "support/calculations.h"

#include <QtTest>

using namespace kandelo;
using calculation::Next;
using program::InputMode;

Q_DECLARE_METATYPE(InputMode)
Q_DECLARE_METATYPE(Next)

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

// The road of one calculation as the screens and the batch take it.
class TestSteps : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void entries_data();
    void entries();
    void leadingPowerFactorIsRefused();
    void newCalculationKeepsTheFigures();
};

// 100000 kWh, 48430 kvarh over 392 h, to 95 %, worked by hand:
// cos φ = 1 / √(1 + 0.4843²) = 0.900008; P = 255.102 kW, Q = 123.546 kvar;
// at 95 % Q' = P × √(1 − 0.95²) / 0.95 = 83.848 kvar, so 39.698 kvar to add.
void TestSteps::workedExample()
{
    program::Calculation c;
    calculation::start(c);
    QCOMPARE(c.strInputMode, InputMode::Kwh);
    QCOMPARE(calculation::enterFigure(c, "100000").next, Next::AskAgain);
    QCOMPARE(c.strInputMode, InputMode::Kvarh);
    QCOMPARE(calculation::enterFigure(c, "48430").next, Next::ShowPowerFactor);

    const pf::PfScreen screen = calculation::powerFactor(c);
    QCOMPARE(q(screen.lblPf), QStringLiteral("90.00"));
    QVERIFY(c.intPf > 90.0007 && c.intPf < 90.0009);

    QVERIFY(!calculation::askImprovement(c));
    calculation::startImprovement(c);
    QCOMPARE(c.strInputMode, InputMode::Hours);
    QCOMPARE(calculation::enterFigure(c, "392").next, Next::AskAgain);
    QCOMPARE(c.strInputMode, InputMode::TargetPf);
    QCOMPARE(calculation::enterFigure(c, "95").next, Next::ShowSizing);
    QCOMPARE(c.intKwh, 100000.0);
    QCOMPARE(c.intKvarh, 48430.0);
    QCOMPARE(c.intHours, 392.0);
    QCOMPARE(c.intTargetPf, 95.0);

    const sc::SizingLoad load = calculation::sizing(c, screen.lblPf, sc::ReactorSixCaption, true);
    QVERIFY(!load.failure);
    QCOMPARE(q(*load.texts.lblKw), QStringLiteral("255.10"));
    QCOMPARE(q(*load.texts.lblLagKvar), QStringLiteral("123.55"));
    QCOMPARE(q(*load.texts.lblPf), QStringLiteral("現状の力率 90.00%を 95% に改善するのに必要な平均容量は、"));
    QVERIFY(load.texts.requiredKvar && std::abs(*load.texts.requiredKvar - 39.698) < 0.001);
    QVERIFY(q(*load.texts.frame2).endsWith(QStringLiteral("(39.7kvar)")));
}

// Each figure by its rule: a refused one is not stored and the dialog asks
// for the same figure again.
void TestSteps::entries_data()
{
    QTest::addColumn<InputMode>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<Next>("next");
    const QString none;
    const auto message = [](std::string_view text) { return q(text); };
    QTest::newRow("kWh") << InputMode::Kwh << "1000" << none << Next::AskAgain;
    QTest::newRow("kWh of nothing") << InputMode::Kwh << "" << message(program::message::ZeroEntry) << Next::Nothing;
    QTest::newRow("kWh of 0") << InputMode::Kwh << "0.0" << message(program::message::ZeroEntry) << Next::Nothing;
    QTest::newRow("kWh with letters") << InputMode::Kwh << "12a" << message(program::message::NotNumeric) << Next::Nothing;
    QTest::newRow("negative kWh") << InputMode::Kwh << "-5" << message(program::message::NegativeEntry) << Next::Nothing;
    QTest::newRow("leading kvarh") << InputMode::Kvarh << "-484.3" << none << Next::ShowPowerFactor;
    QTest::newRow("negative hours") << InputMode::Hours << "-1" << message(program::message::NegativeEntry) << Next::Nothing;
    QTest::newRow("target below the present 90.00…") << InputMode::TargetPf << "89.9"
                                                       << message(program::message::TargetOutOfRange) << Next::Nothing;
    QTest::newRow("target past 100") << InputMode::TargetPf << "100.5" << message(program::message::TargetOutOfRange)
                                     << Next::Nothing;
    QTest::newRow("target of 100") << InputMode::TargetPf << "100" << none << Next::ShowSizing;
    QTest::newRow("no figure asked for") << InputMode::None << "5" << none << Next::Nothing;
}

void TestSteps::entries()
{
    QFETCH(InputMode, mode);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(Next, next);
    program::Calculation c = calculationOf(1000, 484.3, 392, 90.0008, 95, mode);
    const program::Calculation before = c;
    const calculation::Entry entry = calculation::enterFigure(c, typed.toStdString());
    QCOMPARE(entry.refusal ? q(*entry.refusal) : QString(), refusal);
    QCOMPARE(entry.next, next);
    if (!refusal.isEmpty()) {
        QCOMPARE(c.strInputMode, before.strInputMode);
        QCOMPARE(c.intKwh, before.intKwh);
        QCOMPARE(c.intHours, before.intHours);
        QCOMPARE(c.intTargetPf, before.intTargetPf);
    }
}

void TestSteps::leadingPowerFactorIsRefused()
{
    program::Calculation c = calculationOf(1000, 0, 0, 0, 0, InputMode::Kvarh);
    QCOMPARE(calculation::enterFigure(c, "-484.3").next, Next::ShowPowerFactor);
    QCOMPARE(q(calculation::powerFactor(c).lblPf), QStringLiteral("90.00"));
    const auto refusal = calculation::askImprovement(c);
    QVERIFY(refusal);
    QCOMPARE(q(*refusal), q(program::message::LeadingRefusal));
}

// A new calculation asks for the active energy and forgets what was typed
// for the last customer's order; the figures stay until they are typed over.
void TestSteps::newCalculationKeepsTheFigures()
{
    program::Calculation c = calculationOf(1000, 484.3, 392, 90.0008, 95, InputMode::TargetPf);
    c.selection.customer = "山田電機";
    c.selection.contractKw = "100";
    calculation::start(c);
    QCOMPARE(c.strInputMode, InputMode::Kwh);
    QVERIFY(c.selection.customer.empty() && c.selection.contractKw.empty());
    QCOMPARE(c.intKvarh, 484.3);
    QCOMPARE(c.intTargetPf, 95.0);
}

QTEST_APPLESS_MAIN(TestSteps)
#include "test_steps.moc"
