#include "sc/basic_charge.h"

#include "core/checked.h"
#include "core/decimal.h"

#include <algorithm>

namespace kandelo::sc {

namespace {

double roundedHalfUp(double x)
{
    return core::Decimal::shortest(x).rounded(0, core::Tie::AwayFromZero).toDouble();
}

} // namespace

double tariffPercent(double intPf, pf::Phase phase)
{
    return phase == pf::Phase::Lead ? 100 : std::min(100.0, roundedHalfUp(intPf));
}

double basicChargePercent(const PowerFactorRule& rule, double percent)
{
    namespace checked = core::checked;
    return checked::sub(100, checked::mul(checked::sub(percent, rule.basis), rule.step));
}

double monthlySavingYen(double unitPrice, double contractKw, double present, double after, double step)
{
    namespace checked = core::checked;
    const double points = checked::mul(checked::sub(after, present), step);
    return roundedHalfUp(checked::div(checked::mul(checked::mul(unitPrice, contractKw), points), 100));
}

} // namespace kandelo::sc
