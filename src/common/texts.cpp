// The texts of every window, written in Italian and shown through the translation in use.
#include "common/texts.h"

#include "common/language.h"
#include "core/colour_code.h"
#include "core/led_array.h"
#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "core/standard_values.h"
#include "core/tolerances.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <iterator>

namespace varelux::ui {

namespace {

// The translation context of these texts.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};

// Figures in the hints (currents, a branch resistor and its power) are rough: three significant
// digits.
constexpr int kHintDigits = 3;

QString rough(double value)
{
    return QString::fromStdString(writeNumber(value, decimalSeparator(), kHintDigits));
}

// A result as the panels write it: 15 significant digits.
QString shown(double value)
{
    return QString::fromStdString(writeNumber(value, decimalSeparator()));
}

// A power in mW, or in W from 1000 mW on: "960 mW", "1,44 W".
QString powerText(double milliwatts)
{
    if (std::abs(milliwatts) >= 1000)
        return shown(milliwatts / 1000) + QStringLiteral(" W");
    return shown(milliwatts) + QStringLiteral(" mW");
}

// Digits grouped by three from the right: "1000" -> "1.000" in Italian, "1,000" in English.
QString grouped(QString digits)
{
    for (auto at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, thousandsSeparator());
    return digits;
}

// significand * 10^exponent with every significant digit shown, with the decimal separator in
// use: "47" and -1 give "4,7", "10" and -1 "1,0", "102" and 1 "1020", "56" and -2 "0,56", "100"
// and -3 "0,100".
QString withExponent(int significand, int exponent)
{
    QString digits = QString::number(significand);
    if (exponent >= 0)
        return digits + QString(exponent, QLatin1Char('0'));
    const auto whole = digits.size() + exponent; // digits before the comma
    if (whole <= 0) {
        digits.prepend(QString(1 - whole, QLatin1Char('0')));
        digits.insert(1, QLatin1Char(decimalSeparator()));
        return digits;
    }
    digits.insert(whole, QLatin1Char(decimalSeparator()));
    return digits;
}

// In BandColour order.
constexpr const char *kBandColourNames[] = {
    QT_TRANSLATE_NOOP("Texts", "nero"),   QT_TRANSLATE_NOOP("Texts", "marrone"),
    QT_TRANSLATE_NOOP("Texts", "rosso"),  QT_TRANSLATE_NOOP("Texts", "arancione"),
    QT_TRANSLATE_NOOP("Texts", "giallo"), QT_TRANSLATE_NOOP("Texts", "verde"),
    QT_TRANSLATE_NOOP("Texts", "blu"),    QT_TRANSLATE_NOOP("Texts", "viola"),
    QT_TRANSLATE_NOOP("Texts", "grigio"), QT_TRANSLATE_NOOP("Texts", "bianco"),
    QT_TRANSLATE_NOOP("Texts", "oro"),    QT_TRANSLATE_NOOP("Texts", "argento"),
    QT_TRANSLATE_NOOP("Texts", "rosa")};
static_assert(std::size(kBandColourNames) == kBandColourCount);

// A row label as part of a sentence: "Potenza dissipata:" -> "Potenza dissipata".
QString withoutColon(const QString &caption)
{
    QString text = caption.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString spoken(const ShownResult &result)
{
    return QStringList{withoutColon(result.caption), result.value, result.unit}.join(
        QLatin1Char(' '));
}

} // namespace

QString programTitle()
{
    return QStringLiteral("Varelux");
}

namespace {

// In Circuit order: each circuit's heading and the text alternative of its diagram.
struct CircuitWords {
    const char *heading;
    const char *diagram;
};
constexpr CircuitWords kCircuitWords[] = {
    {QT_TRANSLATE_NOOP("Texts", "Led singolo"),
     QT_TRANSLATE_NOOP(
         "Texts",
         "Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla resistenza, "
         "poi al Led, con l'anodo verso la resistenza, e dal catodo del Led a massa.")},
    {QT_TRANSLATE_NOOP("Texts", "Led in serie"),
     QT_TRANSLATE_NOOP(
         "Texts",
         "Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla resistenza, "
         "poi a due Led in serie, uno sotto l'altro, ciascuno con l'anodo verso l'alto, e dal "
         "catodo del secondo Led a massa.")},
    {QT_TRANSLATE_NOOP("Texts", "Led in parallelo"),
     QT_TRANSLATE_NOOP(
         "Texts",
         "Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla resistenza, "
         "poi si divide in due rami affiancati con un Led ciascuno, l'anodo verso l'alto; i due "
         "rami si riuniscono sotto i Led e vanno a massa.")},
};
static_assert(std::size(kCircuitWords) == kCircuitCount);

} // namespace

QString circuitHeading(Circuit circuit)
{
    return Texts::tr(kCircuitWords[int(circuit)].heading);
}

QString diagramText(Circuit circuit)
{
    return Texts::tr(kCircuitWords[int(circuit)].diagram);
}

QString errorTitle()
{
    return Texts::tr("Errore");
}

QString emptyFieldsMessage()
{
    return Texts::tr("Una o più caselle vuote");
}

QString zeroCurrentMessage(bool severalLeds)
{
    return severalLeds ? Texts::tr("La corrente dei Led non può essere uguale a zero")
                       : Texts::tr("La corrente del Led non può essere uguale a zero");
}

QString copyAction()
{
    return Texts::tr("&Copia");
}

QString tolerancesAction()
{
    return Texts::tr("&Tolleranze…");
}

QString resistanceDescription()
{
    return Texts::tr("Resistenza calcolata, ohm");
}

QString powerDescription()
{
    return Texts::tr("Potenza dissipata, mW");
}

QString standardValueText(StandardValue value)
{
    constexpr int kMegaExponent = 6;
    if (value.ohms() >= 1e6)
        return Texts::tr("%1 megaohm")
            .arg(withExponent(value.significand, value.exponent - kMegaExponent));
    const QString ohms = withExponent(value.significand, value.exponent);
    return Texts::tr("%1 ohm").arg(value.exponent >= 0 ? grouped(ohms) : ohms);
}

QString e12CellText(int row, int column)
{
    return standardValueText(e12TableValue(row, column));
}

QString seriesName(ESeries series)
{
    return QLatin1Char('E') + QString::number(seriesNumbers(series).size());
}

QString seriesMenuItem(ESeries series)
{
    return Texts::tr("Serie %1").arg(seriesName(series));
}

QString bandColourName(BandColour colour)
{
    return Texts::tr(kBandColourNames[std::size_t(colour)]);
}

QString colourCodeText(const std::vector<BandColour> &bands)
{
    QStringList names;
    for (const BandColour band : bands)
        names << bandColourName(band);
    return names.join(QStringLiteral(", "));
}

QString e12PictureName()
{
    return Texts::tr("Tabella dei valori standard E12, per decade");
}

QString e12PictureValues()
{
    QStringList decades;
    for (int column = 0; column < kE12Columns; ++column) {
        QStringList values;
        for (int row = 0; row < int(kE12Tenths.size()); ++row)
            values << e12CellText(row, column);
        decades << Texts::tr("Decade da %1: %2.")
                       .arg(values.first(), values.join(QStringLiteral(", ")));
    }
    return decades.join(QLatin1Char(' '));
}

QString accessibleNameInPanel(const QString &panel, const QString &caption)
{
    return panel + QStringLiteral(": ") + withoutColon(caption);
}

QString resultsAnnouncement(const ShownResult &first, const ShownResult &second)
{
    // One sentence: the second result goes on in lower case.
    QString rest = spoken(second);
    if (!rest.isEmpty())
        rest[0] = rest[0].toLower();
    return spoken(first) + QStringLiteral(", ") + rest;
}

QString clearedAnnouncement(const QString &panel)
{
    return Texts::tr("Pannello %1 cancellato").arg(panel);
}

QString outOfRangeAnnouncement(const QString &panel)
{
    return Texts::tr("Risultato fuori dai limiti, pannello %1 cancellato").arg(panel);
}

QString ratingText(int milliwatts)
{
    if (milliwatts < 1000)
        return QStringLiteral("1/%1 W").arg(1000 / milliwatts);
    return QStringLiteral("%1 W").arg(milliwatts / 1000);
}

QString supplyNotAboveLedsHint()
{
    return Texts::tr("La tensione del circuito non supera la tensione totale dei Led");
}

QString standardValuesHeading(ESeries series)
{
    return Texts::tr("Valori standard %1:").arg(seriesName(series));
}

QString standardValueLine(const StandardResistor &resistor, const std::vector<BandColour> &bands)
{
    return Texts::tr("%1 (%2 mA, da %3 a %4 mA): %5")
        .arg(standardValueText(resistor.value), rough(resistor.ledMilliamps),
             rough(resistor.lowestMilliamps), rough(resistor.highestMilliamps),
             colourCodeText(bands));
}

QString riskSentence(const StandardResistor &resistor)
{
    if (resistor.mayStayDark && resistor.mayOverdrive)
        return Texts::tr("I Led possono restare spenti o essere sovraccaricati: meglio una "
                         "tensione del circuito più alta, oppure un alimentatore a corrente "
                         "costante.");
    if (resistor.mayOverdrive)
        return Texts::tr("I Led possono essere sovraccaricati: meglio una tensione del circuito "
                         "più alta, oppure un alimentatore a corrente costante.");
    if (resistor.mayStayDark)
        return Texts::tr("I Led possono restare spenti.");
    return QString();
}

QString tolerancesLine(const Tolerances &tolerances, ESeries series)
{
    return Texts::tr("Tolleranze: alimentazione ±%1 %, tensione Led ±%2 %, resistenza ±%3 %")
        .arg(shown(tolerances.supplyPercent.toDouble()),
             shown(tolerances.ledVoltagePercent.toDouble()),
             shown(resistorTolerancePercent(series)));
}

QString beyondSeriesHint(SeriesReach reach, ESeries series)
{
    switch (reach) {
    case SeriesReach::Within:
        break;
    case SeriesReach::BelowSeries:
        return Texts::tr("Il valore calcolato è al di sotto della serie %1")
            .arg(seriesName(series));
    case SeriesReach::AboveSeries:
        return Texts::tr("Il valore calcolato è al di sopra della serie %1")
            .arg(seriesName(series));
    }
    return QString();
}

QString branchResistorHint(const BranchResistor &branch)
{
    QString power = rough(branch.power) + QStringLiteral(" mW");
    if (branch.hints.ratingMilliwatts)
        power += QStringLiteral(" (%1)").arg(ratingText(*branch.hints.ratingMilliwatts));
    return Texts::tr("Più sicuro, una resistenza per ogni Led: %1 ohm, %2 ciascuna")
        .arg(rough(branch.resistance), power);
}

QString notesScope()
{
    return Texts::tr("Vale per il pannello Led singolo: i pannelli Led in serie e Led in "
                     "parallelo moltiplicano già per il numero di Led.");
}

QString ratingHint(const ResistorHints &hints)
{
    if (!hints.ratingMilliwatts)
        return QString();
    return Texts::tr("Resistore consigliato: %1").arg(ratingText(*hints.ratingMilliwatts));
}

QStringList drawnResistanceLabel(double ohms)
{
    constexpr double kMega = 1e6;
    if (std::abs(ohms) >= kMega)
        return {rough(ohms / kMega), Texts::tr("megaohm")};
    const QString digits = rough(ohms);
    // Grouped by three as standardValueText() groups whole ohms; a fraction stays as it is.
    const bool whole = !digits.contains(QLatin1Char(decimalSeparator()));
    return {whole && std::abs(ohms) >= 1000 ? grouped(digits) : digits, Texts::tr("ohm")};
}

namespace {

// "1 stringa", "3 stringhe"; "1 Led", "3 Led": numbers the translation words in the singular or
// plural.
QString stringsText(double strings)
{
    return strings == 1 ? Texts::tr("1 stringa") : Texts::tr("%1 stringhe").arg(shown(strings));
}

QString ledsText(double leds)
{
    return leds == 1 ? Texts::tr("1 Led") : Texts::tr("%1 Led").arg(shown(leds));
}

} // namespace

QString stringKindLine(const StringKind &kind, const ResistorHints &hints)
{
    QString line = Texts::tr("%1 da %2, resistenza %3 ohm, %4 mW")
                       .arg(stringsText(kind.strings), ledsText(kind.leds), shown(kind.resistance),
                            shown(kind.power));
    if (hints.ratingMilliwatts)
        line += QStringLiteral(" (%1)").arg(ratingText(*hints.ratingMilliwatts));
    return line;
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
        Texts::tr("Totale: %1, %2 mA, %3 dall'alimentazione")
            .arg(stringsText(plan.strings), shown(plan.supplyCurrent), powerText(plan.supplyPower)),
        Texts::tr("Nei Led %1, nelle resistenze %2; rendimento %3 %")
            .arg(powerText(plan.ledPower), powerText(plan.resistorPower), shown(percent))};
}

QString arrayVerdictSentence(const ArrayPlan &plan)
{
    switch (plan.verdict) {
    case ArrayVerdict::Planned:
        break;
    case ArrayVerdict::NoLeds:
        return Texts::tr("Con 0 Led non c'è niente da collegare: inserire in \"Numero Led\" "
                         "almeno 1.");
    case ArrayVerdict::CountNotWhole:
        return Texts::tr("Il numero di Led deve essere un numero intero.");
    case ArrayVerdict::TooManyLeds:
        return Texts::tr("Si possono disporre al massimo %1 Led.").arg(shown(kMaxLedCount));
    case ArrayVerdict::NoLedFits:
        return Texts::tr("Nessun Led ci sta con un margine di %1 V: serve una tensione del "
                         "circuito più alta, oppure un alimentatore a corrente costante.")
            .arg(shown(plan.margin));
    case ArrayVerdict::ZeroMargin:
        return Texts::tr("Con un margine di 0 V la resistenza non avrebbe tensione per regolare "
                         "la corrente: inserire un margine maggiore di zero.");
    }
    return QString();
}

QString arrayOutOfRangeSentence()
{
    return Texts::tr("Risultato fuori dai limiti: usare valori più piccoli.");
}

QString ledArrayDrawingName()
{
    return Texts::tr("Schema della matrice di Led");
}

} // namespace varelux::ui
