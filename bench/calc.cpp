// The computations per call: the power-factor screen's load, the sizing
// screen's load with its capacitance table, and the rounding by magnitude.
// Run: bench_calc (QBENCHMARK's usual options apply, e.g. -iterations).

#include "pf/dial_geometry.h"
#include "pf/pf_calc.h"
#include "sc/round_by_magnitude.h"
#include "sc/sizing_calc.h"

#include <QtTest>

using namespace kandelo;

class BenchCalc : public QObject {
    Q_OBJECT

private slots:
    void powerFactorScreen()
    {
        QBENCHMARK
        {
            const pf::PfScreen screen = pf::computePfScreen(1000, 484.3);
            const pf::TwipPoint tip = pf::needleTip(screen.intPf, 484.3);
            QVERIFY(tip.x > 0);
        }
    }

    void sizingWithCapacitanceTable()
    {
        const program::SharedFigures figures{100000, 48430, 392, 90.00078044965157, 95};
        sc::SizingState state;
        QBENCHMARK
        {
            sc::LoadTexts texts;
            sc::computeSizing(figures, "90.00", sc::ReactorSixCaption, true, state, texts);
            QVERIFY(texts.table.has_value());
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
