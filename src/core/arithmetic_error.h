#pragma once

#include <stdexcept>

namespace kandelo::core {

// The one failure of the program's arithmetic: a computation stops at the
// step that caused it.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, NegativeSquareRoot, Overflow };

    explicit ArithmeticError(Kind kind);

    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

} // namespace kandelo::core
