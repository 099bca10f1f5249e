// Picking the E12 neighbours and the power rating of a computed resistor.
#include "core/resistor_hints.h"

#include "core/number_text.h"
#include "core/standard_values.h"

namespace varelux {

namespace {

constexpr int kE12Rows = static_cast<int>(kE12Tenths.size());
constexpr int kE12Count = kE12Rows * kE12Columns;

// The table's values in ascending order run down each column in turn.
double e12Value(int index)
{
    return e12Ohms(index % kE12Rows, index / kE12Rows);
}

bool sameWhenShown(double a, double b)
{
    return roundedAsShown(a) == roundedAsShown(b);
}

} // namespace

ResistorHints resistorHints(double resistance, double power, double ledCurrent)
{
    ResistorHints hints;
    if (!(resistance > 0)) {
        hints.supplyNotAboveLeds = true;
        return hints;
    }

    int above = 0; // first value at or above the resistance
    while (above < kE12Count && e12Value(above) < resistance)
        ++above;
    int first = above - 1;
    int last = above;
    if (above < kE12Count && sameWhenShown(e12Value(above), resistance))
        first = above;
    else if (above > 0 && sameWhenShown(e12Value(above - 1), resistance))
        last = above - 1;
    else if (above == 0 || above == kE12Count)
        first = last + 1; // outside the table: none

    for (int i = first; i <= last; ++i)
        hints.nearest.push_back({i % kE12Rows, i / kE12Rows, e12Value(i),
                                 ledCurrent * kMilliPerUnit * (resistance / e12Value(i))});

    const double needed = kRatingMargin * power;
    for (const int milliwatts : kPowerRatingsMilliwatts) {
        if (milliwatts >= needed || sameWhenShown(milliwatts, needed)) {
            hints.ratingMilliwatts = milliwatts;
            break;
        }
    }
    return hints;
}

} // namespace varelux
