// Number text of the whole window: reading a field's text as a double, writing a result.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace varelux {

inline constexpr char kDecimalSeparator = ',';
// Results are rounded to this many significant digits before they are written.
inline constexpr int kSignificantDigits = 15;
// Results whose decimal exponent (after rounding) lies in this range are written positionally,
// all others in exponent form ("1E+15", "1,5E-05").
inline constexpr int kMinPositionalExponent = -4;
inline constexpr int kMaxPositionalExponent = 14;

// Reads ASCII digits with at most one decimal comma and at least one digit (",5" and "5," are
// valid). Anything else, the empty text included, is Failure::TypeMismatch; a value too large
// for a double is Failure::Overflow; a tiny value reads as the nearest double (0 or subnormal).
// Correctly rounded (half to even) for any length, linear in the length, locale-independent.
Outcome<double> readNumber(std::string_view text);

// Writes a finite double rounded to 15 significant digits in its shortest form, with the
// decimal comma, "-" only below zero, no grouping and a leading zero below 1 ("0,5").
// Non-finite values, which no sizing produces, are written "NaN", "Inf" and "-Inf".
std::string writeNumber(double value);

} // namespace varelux
