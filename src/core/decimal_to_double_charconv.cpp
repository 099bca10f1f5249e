// Decimal text to double through the C++ library's own from_chars.
#include "core/decimal_to_double.h"

namespace varelux {

std::from_chars_result decimalToDouble(const char *first, const char *last, double &value,
                                       std::chars_format format)
{
    return std::from_chars(first, last, value, format);
}

} // namespace varelux
