#include "core/arithmetic_error.h"

namespace kandelo::core {

namespace {

const char* describe(ArithmeticError::Kind kind)
{
    switch (kind) {
    case ArithmeticError::Kind::DivisionByZero:
        return "0 で除算しました";
    case ArithmeticError::Kind::NegativeSquareRoot:
        return "負の数の平方根を求めました";
    case ArithmeticError::Kind::Overflow:
        break;
    }
    return "桁あふれが発生しました";
}

} // namespace

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error(describe(kind))
    , kind_(kind)
{
}

} // namespace kandelo::core
