// Failure kinds of the sizing computations and the small result type that carries them.
#pragma once

#include <utility>
#include <variant>

namespace varelux {

// Why a sizing gave no result. Each kind has its own handling in the window: an overflow clears
// the panel silently, the other two explain themselves in a message box first.
enum class Failure {
    Overflow,       // a result beyond the double range, or undefined (0 / 0)
    DivisionByZero, // a non-zero number divided by zero: the current is zero
    NotANumber,     // a field's text is empty or not a number
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
