// The planner's words, written in Italian and shown through the translation in use.
#include "led_array/led_array_words.h"

#include "common/language.h"
#include "common/texts.h"
#include "core/colour_code.h"
#include "core/led_array.h"
#include "core/resistor_hints.h"

#include <QCoreApplication>

#include <cmath>

namespace varelux::ui {

namespace {

// The translation context of these words.
class LedArrayWords {
    Q_DECLARE_TR_FUNCTIONS(LedArrayWords)
};

// A power in mW, or in W from 1000 mW on: "960 mW", "1,44 W".
QString powerText(double milliwatts)
{
    if (std::abs(milliwatts) >= 1000)
        return QStringLiteral("%1 W").arg(resultNumber(milliwatts / 1000));
    return QStringLiteral("%1 mW").arg(resultNumber(milliwatts));
}

// "3 Led": the LEDs of one string, in the phrase a string kind's line takes.
QString ledsInString(double leds)
{
    return LedArrayWords::tr("%1 Led", "the LEDs in series in one string", pluralFormOf(leds))
        .arg(resultNumber(leds));
}

} // namespace

QStringList drawnResistanceLabel(double ohms)
{
    constexpr double kMega = 1e6;
    if (std::abs(ohms) >= kMega)
        return {roughNumber(ohms / kMega), LedArrayWords::tr("megaohm")};
    const QString digits = roughNumber(ohms);
    // Grouped by three as standardValueText() groups whole ohms; a fraction stays as it is.
    const bool whole = !digits.contains(QLatin1Char(decimalSeparator()));
    return {whole && std::abs(ohms) >= 1000 ? groupedDigits(digits) : digits,
            LedArrayWords::tr("ohm")};
}

QString leftOutStringsLabel(double strings)
{
    return QStringLiteral("× %1").arg(resultNumber(strings));
}

QString stringKindLine(const StringKind &kind, const ResistorHints &hints)
{
    const int form = pluralFormOf(kind.strings);
    if (hints.ratingMilliwatts)
        return LedArrayWords::tr("%1 stringhe da %2, resistenza %3 ohm, %4 mW (%5)", nullptr, form)
            .arg(resultNumber(kind.strings), ledsInString(kind.leds), resultNumber(kind.resistance),
                 resultNumber(kind.power), ratingText(*hints.ratingMilliwatts));
    return LedArrayWords::tr("%1 stringhe da %2, resistenza %3 ohm, %4 mW", nullptr, form)
        .arg(resultNumber(kind.strings), ledsInString(kind.leds), resultNumber(kind.resistance),
             resultNumber(kind.power));
}

QStringList standardValuesWords(const ResistorHints &hints, ESeries series)
{
    if (hints.nearest.empty())
        return {};
    QStringList lines{standardValuesHeading(series)};
    for (const StandardResistor &value : hints.nearest) {
        lines << standardValueLine(value, colourBands(value.value, series));
        if (const QString risk = riskSentence(value); !risk.isEmpty())
            lines << risk;
    }
    if (const QString beyond = beyondSeriesHint(hints.reach, series); !beyond.isEmpty())
        lines << beyond;
    return lines;
}

QStringList arrayTotalsLines(const ArrayPlan &plan)
{
    // Efficiency in percent, rounded to one decimal.
    const double percent = std::round(plan.efficiency * 1000) / 10;
    return {
        LedArrayWords::tr("Totale: %1 stringhe, %2 mA, %3 dall'alimentazione", nullptr,
                          pluralFormOf(plan.strings))
            .arg(resultNumber(plan.strings), resultNumber(plan.supplyCurrent),
                 powerText(plan.supplyPower)),
        LedArrayWords::tr("Nei Led %1, nelle resistenze %2; rendimento %3 %")
            .arg(powerText(plan.ledPower), powerText(plan.resistorPower), resultNumber(percent))};
}

QString arrayVerdictSentence(const ArrayPlan &plan)
{
    switch (plan.verdict) {
    case ArrayVerdict::Planned:
        break;
    case ArrayVerdict::NoLeds:
        return LedArrayWords::tr("Con 0 Led non c'è niente da collegare: inserire in \"Numero "
                                 "Led\" almeno 1.");
    case ArrayVerdict::CountNotWhole:
        return LedArrayWords::tr("Il numero di Led deve essere un numero intero.");
    case ArrayVerdict::TooManyLeds:
        return LedArrayWords::tr("Si possono disporre al massimo %1 Led.", nullptr,
                                 pluralFormOf(kMaxLedCount))
            .arg(resultNumber(kMaxLedCount));
    case ArrayVerdict::NoLedFits:
        return LedArrayWords::tr("Nessun Led ci sta con un margine di %1 V: serve una tensione "
                                 "del circuito più alta, oppure un alimentatore a corrente "
                                 "costante.")
            .arg(resultNumber(plan.margin));
    case ArrayVerdict::ZeroMargin:
        return LedArrayWords::tr("Con un margine di 0 V la resistenza non avrebbe tensione per "
                                 "regolare la corrente: inserire un margine maggiore di zero.");
    }
    return QString();
}

QString arrayOutOfRangeSentence()
{
    return LedArrayWords::tr("Risultato fuori dai limiti: usare valori più piccoli.");
}

QString ledArrayDrawingName()
{
    return LedArrayWords::tr("Schema della matrice di Led");
}

QString marginDescription(const QString &unit, const QString &note)
{
    return LedArrayWords::tr("%1. %2", "the margin field's unit, then its note").arg(unit, note);
}

} // namespace varelux::ui
