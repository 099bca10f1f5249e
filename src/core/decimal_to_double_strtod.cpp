// Decimal text to double through the C library's strtod_l in the "C" locale. glibc and musl both
// round correctly. Plain strtod would take its decimal point from the process locale, which
// QCoreApplication sets from the environment: under it_IT.UTF-8 glibc's strtod then reads
// "4.7e+02" as 4.
#include "core/decimal_to_double.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace varelux {

namespace {

locale_t cLocale()
{
    // Made once and kept for the whole run.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

} // namespace

std::from_chars_result decimalToDoubleByStrtod(const char *first, const char *last, double &value,
                                               std::chars_format)
{
    const std::string text(first, last); // strtod_l reads up to a NUL
    char *end = nullptr;
    errno = 0;
    const double read = strtod_l(text.c_str(), &end, cLocale());
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
