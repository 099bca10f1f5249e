// Number text of the whole window: reading a field's text as a double, writing a result, with
// the decimal separator of the language in use, which the caller passes in.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace varelux {

// The decimal separators: the comma (Italian), the full stop (English). Nothing here reads the
// process locale; the window passes the one of its language.
inline constexpr char kDecimalComma = ',';
inline constexpr char kDecimalPoint = '.';
// Results are rounded to this many significant digits before they are written.
inline constexpr int kSignificantDigits = 15;
// The most significant digits a double carries; more would only repeat binary noise.
inline constexpr int kMaxSignificantDigits = 17;
// Numbers whose decimal exponent (after rounding) lies in this range are written positionally,
// all others in exponent form ("1E+15", "1,5E-05"), however many digits are kept.
inline constexpr int kMinPositionalExponent = -4;
inline constexpr int kMaxPositionalExponent = 14;

// Reads ASCII digits with at most one decimal separator (kDecimalComma or kDecimalPoint) and at
// least one digit (",5" and "5," are valid with the comma). Anything else, the other separator
// and the empty text included, is Failure::NotANumber; a value too large for a double is
// Failure::Overflow; a tiny value reads as the nearest double (0 or subnormal). Correctly rounded
// (half to even) for any length, linear in the length, locale-independent.
Outcome<double> readNumber(std::string_view text, char separator);

// Writes a finite double rounded to `digits` significant digits (to nearest; 1 to 17, values
// outside taken as the nearest end) in its shortest form, with the given decimal separator, "-"
// only below zero, no grouping and a leading zero below 1 ("0,5"). Results keep 15 digits; rough
// figures may keep fewer: with 3 digits 21,2765... is "21,3" and 12345 is "12300".
// Non-finite values, which no sizing produces, are written "NaN", "Inf" and "-Inf".
std::string writeNumber(double value, char separator, int digits = kSignificantDigits);

// The value a result shows as: a finite double rounded to 15 significant digits (to nearest),
// so two values that writeNumber() writes alike compare equal, and no others do.
double roundedAsShown(double value);

} // namespace varelux
