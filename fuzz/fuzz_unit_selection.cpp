// The standard units for any required capacity. The first byte says how the
// rest is read: as a capacity of its own, or as a standard value of a series
// moved by less than 1e-12 of itself. Whatever it is: nothing is read outside
// a series; no selection totals below its need (but for the last digits of a
// double, CoverTolerance), nor by a largest unit or more above it; a need
// within 1e-12 of a standard value picks that value; and a capacity whose
// units no longer count exactly is refused, not selected.
#include "core/arithmetic_error.h"
#include "sc/unit_selection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using namespace kandelo::sc;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool inSeries(double kvar, const Series& series)
{
    return std::find(series.begin(), series.end(), kvar) != series.end();
}

void check(double required, const Series& series, const double* standard)
{
    std::optional<StandardUnits> units;
    try {
        units = standardUnits(required, series);
    } catch (const kandelo::core::ArithmeticError&) {
        require(required > 9.007e15); // only where the units no longer count exactly
        return;
    }
    if (!(required > 0)) {
        require(!units);
        return;
    }
    require(units.has_value());
    const double need = required - required * CoverTolerance;
    require(units->largest == series.back());
    require(units->largestCount >= 0 && units->largestCount == std::floor(units->largestCount));
    require(!units->rest || inSeries(*units->rest, series));
    require(units->largestCount == 0 || units->rest != units->largest); // a rest of the largest is one more of it
    const double total = units->total();
    require(total >= need);
    require(total < required + series.back());
    if (need <= series.back()) // the smallest of the series that covers it
        require(units->largestCount == 0 && *units->rest == *std::lower_bound(series.begin(), series.end(), need));
    if (standard)
        require(total == *standard);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 + sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);
    for (const Series* series : {&Series50Hz, &Series60Hz}) {
        if (data[0] % 2 == 0) {
            check(value, *series, nullptr);
            continue;
        }
        // A standard value, moved by less than 1e-12 of itself either way
        // (clear of the last bit of the product).
        const double standard = (*series)[data[0] / 2 % series->size()];
        const double step = std::isfinite(value) ? std::fmod(value, 1.0) * 0.999e-12 : 0.0;
        check(standard * (1 + step), *series, &standard);
    }
    return 0;
}
