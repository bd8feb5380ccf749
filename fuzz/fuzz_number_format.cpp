// Writing any double with every display pattern and rounding it: no crash, no
// failure but the arithmetic one, and texts that read back as numbers.
#include "core/arithmetic_error.h"
#include "core/display_pattern.h"
#include "core/number_parse.h"
#include "core/plain_number.h"
#include "core/rounding.h"
#include "sc/round_by_magnitude.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const Patterns[] = {"##,##0.00", "0.00", "#,###,0", "#,###,0.0", "#,###,0.00", "#,###,0.000", ""};

std::string withoutGrouping(std::string text)
{
    std::erase(text, ',');
    return text;
}

// Written numbers read back; fifteen significant digits of a value next to the
// largest double may round past it.
bool readsBack(const std::string& text, double x)
{
    return kandelo::core::parseNumber(withoutGrouping(text)).has_value() || std::abs(x) > 1.7976931348623e308;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double x = 0;
    if (size < sizeof x)
        return 0;
    std::memcpy(&x, data, sizeof x);
    const int decimals = size > sizeof x ? static_cast<int>(data[sizeof x] % 40) - 20 : 2;

    if (!std::isfinite(x)) {
        try {
            kandelo::core::formatNumber(x, "0.00");
            std::abort();
        } catch (const kandelo::core::ArithmeticError&) {
        }
        return 0;
    }

    for (const char* pattern : Patterns) {
        const std::string text = kandelo::core::formatNumber(x, pattern);
        check(readsBack(text, x));
    }
    check(readsBack(kandelo::core::plainNumberText(x), x));
    check(
        kandelo::core::formatText(kandelo::core::plainNumberText(x), kandelo::core::placeholderPattern(decimals)).size()
        >= static_cast<std::size_t>(std::max(decimals, 0)));

    try {
        const double even = kandelo::core::roundHalfEven(x, decimals);
        check(std::isfinite(even));
        std::string strFormat;
        double rounded = x;
        const std::string shown = kandelo::sc::roundedText(rounded, strFormat);
        check(std::isfinite(rounded));
        check(readsBack(shown, rounded));
        // Rounding an already rounded value keeps it, up to where powers of ten
        // stop being exact doubles (far beyond any capacity).
        double twice = rounded;
        kandelo::sc::RoundByMagnitude(twice, strFormat);
        check(twice == rounded || std::abs(rounded) >= 1e15);
    } catch (const kandelo::core::ArithmeticError&) {
        // An overflow is the one failure these may raise; the callers report it.
    }
    return 0;
}
