#pragma once

// Arithmetic that raises ArithmeticError instead of producing an infinity or
// a NaN, so that a failure stops a computation at the step that caused it.

namespace kandelo::core::checked {

// x itself, or ArithmeticError(Overflow) when x is infinite or not a number.
double finite(double x);

double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);
double sqrt(double x);

} // namespace kandelo::core::checked
