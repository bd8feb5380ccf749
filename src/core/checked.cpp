#include "core/checked.h"

#include "core/arithmetic_error.h"

#include <cmath>

namespace kandelo::core::checked {

double finite(double x)
{
    if (!std::isfinite(x))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return x;
}

double add(double a, double b)
{
    return finite(finite(a) + finite(b));
}
double sub(double a, double b)
{
    return finite(finite(a) - finite(b));
}
double mul(double a, double b)
{
    return finite(finite(a) * finite(b));
}

double div(double a, double b)
{
    if (finite(b) == 0.0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    return finite(finite(a) / b);
}

double sqrt(double x)
{
    if (finite(x) < 0.0)
        throw ArithmeticError(ArithmeticError::Kind::NegativeSquareRoot);
    return std::sqrt(x);
}

} // namespace kandelo::core::checked
