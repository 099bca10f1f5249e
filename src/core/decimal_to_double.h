// Decimal text to double, correctly rounded, as std::from_chars reads it, whatever the process
// locale. A unit of its own because not every C++ library has from_chars for double (libc++
// before LLVM 20, which emscripten has, lacks it): there the C library's strtod_l reads the text
// in the "C" locale. CMake builds the strtod_l reading wherever the C library has it, so that it
// is tested on every machine that has it, and refuses a C++ library that has neither.
#pragma once

#include <charconv>

namespace varelux {

// Reads "12.5", "0.000001" or, for std::chars_format::scientific, "1.25e+01" from [first, last):
// digits, at most one full stop and, in scientific form, an exponent. No sign, no blanks. On
// result_out_of_range (a value beyond DBL_MAX, or one that rounds to zero) value is left as it
// was, as from_chars leaves it. std::from_chars where the C++ library has it, otherwise
// decimalToDoubleByStrtod.
std::from_chars_result decimalToDouble(const char *first, const char *last, double &value,
                                       std::chars_format format);

#if VARELUX_HAVE_STRTOD_L
// The same through strtod_l in the "C" locale, so the decimal point is a full stop even after
// the program (QCoreApplication does) has set the process locale from the environment.
std::from_chars_result decimalToDoubleByStrtod(const char *first, const char *last, double &value,
                                               std::chars_format format);
#endif

} // namespace varelux
