// Decimal text to double through the C library's strtod, for C++ libraries without from_chars
// for double. glibc and musl both round correctly. strtod takes its decimal point from the
// locale: musl's (emscripten's C library) is always a full stop, and so is glibc's while the
// program leaves LC_NUMERIC at "C", which Varelux does.
#include "core/decimal_to_double.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace varelux {

std::from_chars_result decimalToDouble(const char *first, const char *last, double &value,
                                       std::chars_format)
{
    const std::string text(first, last); // strtod reads up to a NUL
    char *end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const char *const stop = first + (end - text.c_str());
    if (stop == first)
        return {first, std::errc::invalid_argument};
    // ERANGE also flags a subnormal result, which from_chars returns as a value.
    if (errno == ERANGE && (read == 0.0 || std::isinf(read)))
        return {stop, std::errc::result_out_of_range};
    value = read;
    return {stop, std::errc()};
}

} // namespace varelux
