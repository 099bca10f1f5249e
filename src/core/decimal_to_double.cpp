// Decimal text to double: the C++ library's from_chars, or strtod_l where it has none.
#include "core/decimal_to_double.h"

namespace varelux {

std::from_chars_result decimalToDouble(const char *first, const char *last, double &value,
                                       std::chars_format format)
{
#if VARELUX_HAVE_FROM_CHARS_DOUBLE
    return std::from_chars(first, last, value, format);
#else
    return decimalToDoubleByStrtod(first, last, value, format);
#endif
}

} // namespace varelux
