// The computations per call: the power-factor screen's load, the sizing
// screen's load with its capacitance table, and the rounding by magnitude.
// Run: bench_calc (QBENCHMARK's usual options apply, e.g. -iterations).

#include "calculation/steps.h"
#include "pf/dial_geometry.h"
#include "sc/round_by_magnitude.h"

#include <QtTest>

using namespace kandelo;

class BenchCalc : public QObject {
    Q_OBJECT

private slots:
    void powerFactorScreen()
    {
        program::Calculation figures;
        figures.intKwh = 1000;
        figures.intKvarh = 484.3;
        QBENCHMARK
        {
            const pf::PfScreen screen = calculation::powerFactor(figures);
            const pf::TwipPoint tip = pf::needleTip(figures.intPf, figures.intKvarh);
            QVERIFY(tip.x > 0 && !screen.lblPf.empty());
        }
    }

    void sizingWithCapacitanceTable()
    {
        program::Calculation figures;
        figures.intKwh = 100000;
        figures.intKvarh = 48430;
        figures.intHours = 392;
        figures.intPf = 90.00078044965157;
        figures.intTargetPf = 95;
        QBENCHMARK
        {
            const sc::SizingLoad load = calculation::sizing(figures, "90.00", sc::ReactorSixCaption, true);
            QVERIFY(load.texts.table.has_value());
        }
    }

    void roundByMagnitude()
    {
        std::string strFormat;
        double sum = 0;
        QBENCHMARK
        {
            for (const double value : {31847.13, 7.3111, 0.0456, 1234.5, 99.96}) {
                double x = value;
                sum += sc::RoundByMagnitude(x, strFormat);
            }
        }
        QVERIFY(sum > 0);
    }
};

QTEST_APPLESS_MAIN(BenchCalc)
#include "calc.moc"
