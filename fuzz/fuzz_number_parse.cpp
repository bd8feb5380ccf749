// Reading numbers out of any text: never a crash, and the two readings agree.
#include "core/number_parse.h"
#include "core/plain_number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double leading = kandelo::core::leadingNumber(text);
    if (std::isnan(leading))
        std::abort();

    const auto whole = kandelo::core::parseNumber(text);
    if (!whole)
        return 0;
    // A whole number is also its own leading number, and it can be written back.
    if (!std::isfinite(*whole) || *whole != leading)
        std::abort();
    const auto again = kandelo::core::parseNumber(kandelo::core::plainNumberText(*whole));
    if (!again && std::abs(*whole) <= 1.7976931348623e308)
        std::abort();
    return 0;
}
