// Picking the neighbours in a series, the currents within the tolerances and the power rating of
// a computed resistor.
#include "core/resistor_hints.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace varelux {

namespace {

bool sameWhenShown(double a, double b)
{
    return roundedAsShown(a) == roundedAsShown(b);
}

ExactDecimal exactly(StandardValue value)
{
    return {std::uint64_t(value.significand), value.exponent};
}

// The comparisons of a resistance and its circuit against standard values and ratings, made on
// the typed values where the circuit has them, otherwise on the doubles as they show. With S the
// supply, V the LED voltage, I the LED current in mA, n the LEDs in series, p the branches
// sharing the resistor, T a standard value and s, v, r the tolerances in percent, the typed
// forms are the double ones multiplied out, so that only sums and products remain:
//   R against T:           S x 1000  against  T x p x I + n x V x 1000
//   LEDs may stay dark:    S x (100 - s)  <=  n x V x (100 + v)
//   LEDs may be overdriven: 2000 x S x (100 + s)  >  3 x I x T x (100 - r) x p
//                                                    + 2000 x n x V x (100 - v)
//   rating W covers T:     20 x A^2  <=  W x T x (100 - r), A = S x (100 + s) - n x V x (100 - v)
class Decisions {
public:
    Decisions(const ResistorCircuit &circuit, double resistance, ESeries series,
              const Tolerances &tolerances)
        : m_circuit(circuit), m_resistance(resistance),
          m_resistorPercent(resistorTolerancePercent(series)),
          m_s(tolerances.supplyPercent.toDouble() / 100),
          m_v(tolerances.ledVoltagePercent.toDouble() / 100), m_r(m_resistorPercent / 100.0)
    {
        if (const auto &typed = circuit.typed) {
            const ExactDecimal hundred(100);
            const ExactDecimal leds = typed->inSeries * typed->ledVoltage;
            m_exact = Exact{typed->supply,
                            typed->ledMilliamps * typed->sharing,
                            leds,
                            typed->supply * (hundred - tolerances.supplyPercent),
                            typed->supply * (hundred + tolerances.supplyPercent),
                            leds * (hundred + tolerances.ledVoltagePercent),
                            leds * (hundred - tolerances.ledVoltagePercent),
                            ExactDecimal(100U - unsigned(m_resistorPercent))};
        }
    }

    bool supplyNotAboveLeds() const
    {
        if (m_exact && m_exact->supply <= m_exact->ledsVoltage)
            return true;
        return !(m_resistance > 0);
    }

    // The resistance against the standard value: below 0 when it is less, 0 when equal.
    int resistanceAgainst(StandardValue value) const
    {
        if (m_exact)
            return compare(m_exact->supply * ExactDecimal(1000),
                           exactly(value) * m_exact->resistorMilliamps +
                               m_exact->ledsVoltage * ExactDecimal(1000));
        if (sameWhenShown(value.ohms(), m_resistance))
            return 0;
        return m_resistance < value.ohms() ? -1 : 1;
    }

    // Before the resistor: what the supply leaves the resistor at the tolerances' ends, in V.
    double lowestVoltage() const
    {
        return m_circuit.supply * (1 - m_s) - m_circuit.inSeries * m_circuit.ledVoltage * (1 + m_v);
    }
    double highestVoltage() const
    {
        return m_circuit.supply * (1 + m_s) - m_circuit.inSeries * m_circuit.ledVoltage * (1 - m_v);
    }

    double lowestMilliamps(double ohms) const
    {
        return std::max(0.0, lowestVoltage() / (ohms * (1 + m_r)) / m_circuit.sharing * 1000);
    }
    // Through the resistor, in A.
    double highestAmps(double ohms) const
    {
        return std::max(0.0, highestVoltage() / (ohms * (1 - m_r)));
    }
    double highestMilliamps(double ohms) const
    {
        return highestAmps(ohms) / m_circuit.sharing * 1000;
    }

    bool mayStayDark() const
    {
        if (m_exact)
            return m_exact->lowSupply <= m_exact->highLeds;
        return roundedAsShown(lowestVoltage()) <= 0;
    }

    bool mayOverdrive(StandardValue value) const
    {
        if (m_exact)
            return ExactDecimal(2000) * m_exact->highSupply >
                   ExactDecimal(3) * m_exact->resistorMilliamps * exactly(value) *
                           m_exact->resistorLow +
                       ExactDecimal(2000) * m_exact->lowLeds;
        const double highest = highestMilliamps(value.ohms());
        const double limit = kOverdriveFactor * m_circuit.ledMilliamps;
        return highest > limit && !sameWhenShown(highest, limit);
    }

    bool ratingCovers(int milliwatts, StandardValue value) const
    {
        if (m_exact) {
            if (m_exact->highSupply <= m_exact->lowLeds)
                return true; // no current at all
            const ExactDecimal a = m_exact->highSupply - m_exact->lowLeds;
            return ExactDecimal(20) * a * a <=
                   ExactDecimal(std::uint64_t(milliwatts)) * exactly(value) * m_exact->resistorLow;
        }
        const double amps = highestAmps(value.ohms());
        const double needed = kRatingMargin * amps * amps * value.ohms() * (1 - m_r) * 1000;
        return milliwatts >= needed || sameWhenShown(milliwatts, needed);
    }

private:
    // The typed values and the products that recur: the supply S, the resistor's current p x I,
    // the LEDs' voltage n x V, the supply at (100 - s) and (100 + s), the LEDs' voltage at
    // (100 + v) and (100 - v), and 100 - r.
    struct Exact {
        ExactDecimal supply, resistorMilliamps, ledsVoltage, lowSupply, highSupply, highLeds,
            lowLeds, resistorLow;
    };

    const ResistorCircuit &m_circuit;
    double m_resistance;
    int m_resistorPercent;
    double m_s, m_v, m_r; // fractions
    std::optional<Exact> m_exact;
};

} // namespace

ResistorHints resistorHints(const ResistorCircuit &circuit, double resistance, ESeries series,
                            const Tolerances &tolerances)
{
    const Decisions decide(circuit, resistance, series, tolerances);
    ResistorHints hints;
    if (decide.supplyNotAboveLeds()) {
        hints.supplyNotAboveLeds = true;
        return hints;
    }

    const int count = seriesLength(series);
    auto value = [series](int index) { return seriesValue(series, index); };
    int above = 0; // first value at or above the resistance
    while (above < count && decide.resistanceAgainst(value(above)) > 0)
        ++above;
    int first = above - 1;
    int last = above;
    if (above < count && decide.resistanceAgainst(value(above)) == 0) {
        first = above;
    } else if (above == 0) {
        first = 0; // below the series: its lowest value alone
        hints.reach = SeriesReach::BelowSeries;
    } else if (above == count) {
        last = count - 1; // above it: its highest value alone
        hints.reach = SeriesReach::AboveSeries;
    }

    const bool dark = decide.mayStayDark();
    for (int i = first; i <= last; ++i) {
        const double ohms = value(i).ohms();
        hints.nearest.push_back({value(i), ohms, circuit.ledMilliamps * (resistance / ohms),
                                 dark ? 0 : decide.lowestMilliamps(ohms),
                                 decide.highestMilliamps(ohms), dark,
                                 decide.mayOverdrive(value(i))});
    }

    for (const int milliwatts : kPowerRatingsMilliwatts) {
        if (std::all_of(hints.nearest.begin(), hints.nearest.end(),
                        [&](const StandardResistor &resistor) {
                            return decide.ratingCovers(milliwatts, resistor.value);
                        })) {
            hints.ratingMilliwatts = milliwatts;
            break;
        }
    }
    return hints;
}

std::optional<BranchResistor> branchResistor(const Sizing &sizing, ESeries series,
                                             const Tolerances &tolerances)
{
    const double resistance = sizing.resistorVoltage / sizing.ledCurrent;
    const double power = sizing.ledCurrent * sizing.resistorVoltage * kMilliPerUnit;
    if (!(resistance > 0) || !std::isfinite(resistance) || !std::isfinite(power))
        return std::nullopt;
    // One LED in each branch, with a resistor of its own.
    ResistorCircuit branch = sizing.circuit;
    branch.sharing = 1;
    if (branch.typed)
        branch.typed->sharing = ExactDecimal(1);
    return BranchResistor{resistance, power, resistorHints(branch, resistance, series, tolerances)};
}

} // namespace varelux
