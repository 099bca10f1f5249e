// Picking the neighbours in a series and the power rating of a computed resistor.
#include "core/resistor_hints.h"

#include "core/number_text.h"

#include <cmath>

namespace varelux {

namespace {

bool sameWhenShown(double a, double b)
{
    return roundedAsShown(a) == roundedAsShown(b);
}

} // namespace

ResistorHints resistorHints(double resistance, double power, double ledCurrent, ESeries series)
{
    ResistorHints hints;
    if (!(resistance > 0)) {
        hints.supplyNotAboveLeds = true;
        return hints;
    }

    const int count = seriesLength(series);
    auto ohms = [series](int index) { return seriesValue(series, index).ohms(); };
    int above = 0; // first value at or above the resistance
    while (above < count && ohms(above) < resistance)
        ++above;
    int first = above - 1;
    int last = above;
    if (above < count && sameWhenShown(ohms(above), resistance)) {
        first = above;
    } else if (above > 0 && sameWhenShown(ohms(above - 1), resistance)) {
        last = above - 1;
    } else if (above == 0) {
        first = 0; // below the series: its lowest value alone
        hints.reach = SeriesReach::BelowSeries;
    } else if (above == count) {
        last = count - 1; // above it: its highest value alone
        hints.reach = SeriesReach::AboveSeries;
    }

    for (int i = first; i <= last; ++i)
        hints.nearest.push_back(
            {seriesValue(series, i), ohms(i), ledCurrent * kMilliPerUnit * (resistance / ohms(i))});

    const double needed = kRatingMargin * power;
    for (const int milliwatts : kPowerRatingsMilliwatts) {
        if (milliwatts >= needed || sameWhenShown(milliwatts, needed)) {
            hints.ratingMilliwatts = milliwatts;
            break;
        }
    }
    return hints;
}

std::optional<BranchResistor> branchResistor(const Sizing &sizing, ESeries series)
{
    const double resistance = sizing.resistorVoltage / sizing.ledCurrent;
    const double power = sizing.ledCurrent * sizing.resistorVoltage * kMilliPerUnit;
    if (!(resistance > 0) || !std::isfinite(resistance) || !std::isfinite(power))
        return std::nullopt;
    return BranchResistor{resistance, power,
                          resistorHints(resistance, power, sizing.ledCurrent, series)};
}

} // namespace varelux
