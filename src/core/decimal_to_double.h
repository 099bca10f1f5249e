// Decimal text to double, correctly rounded, as std::from_chars reads it. A unit of its own
// because not every C++ library has from_chars for double: CMake builds it from std::from_chars
// where that compiles (decimal_to_double_charconv.cpp), and from the C library's strtod
// elsewhere (decimal_to_double_strtod.cpp), such as libc++ before LLVM 20, which emscripten has.
#pragma once

#include <charconv>

namespace varelux {

// Reads "12.5", "0.000001" or, for std::chars_format::scientific, "1.25e+01" from [first, last):
// digits, at most one full stop and, in scientific form, an exponent. No sign, no blanks. On
// result_out_of_range (a value beyond DBL_MAX, or one that rounds to zero) value is left as it
// was, as from_chars leaves it.
std::from_chars_result decimalToDouble(const char *first, const char *last, double &value,
                                       std::chars_format format);

} // namespace varelux
