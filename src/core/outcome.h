// Failure kinds of the sizing computations and the small result type that carries them.
#pragma once

#include <utility>
#include <variant>

namespace varelux {

// The numbers are the ones the window shows behaviour for: 6 overflow (also an undefined
// quotient), 11 division of a non-zero number by zero, 13 a text that is not a number.
enum class Failure : int {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// Either a value or the failure that prevented it.
template <typename T> class Outcome {
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Failure failure) : m_state(failure) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<T>(m_state); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    Failure failure() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

} // namespace varelux
