// The texts of every window, written in Italian and shown through the translation in use.
#include "common/texts.h"

#include "common/language.h"
#include "core/colour_code.h"
#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "core/standard_values.h"
#include "core/tolerances.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <iterator>
#include <limits>

namespace varelux::ui {

namespace {

// The translation context of these texts.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};

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

} // namespace

QString roughNumber(double value)
{
    // Three significant digits.
    constexpr int kHintDigits = 3;
    return QString::fromStdString(writeNumber(value, decimalSeparator(), kHintDigits));
}

QString resultNumber(double value)
{
    return QString::fromStdString(writeNumber(value, decimalSeparator()));
}

QString groupedDigits(QString digits)
{
    for (auto at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, thousandsSeparator());
    return digits;
}

int pluralFormOf(double count)
{
    constexpr double kLargest = std::numeric_limits<int>::max();
    if (std::abs(count) <= kLargest)
        return int(count);
    // Plural rules read a count's last digits and whether it is large: a count beyond int keeps
    // its last eight digits above a billion.
    constexpr double kKeptDigits = 1e8, kLarge = 1e9;
    return int(kLarge + std::fmod(std::abs(count), kKeptDigits));
}

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
    return Texts::tr("%1 ohm").arg(value.exponent >= 0 ? groupedDigits(ohms) : ohms);
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
    return Texts::tr("%1: %2", "a panel's heading, then a control's caption")
        .arg(panel, withoutColon(caption));
}

QString resultsAnnouncement(const ShownResult &resistance, const ShownResult &power)
{
    return Texts::tr("Resistenza calcolata %1 %2, potenza dissipata %3 %4")
        .arg(resistance.value, resistance.unit, power.value, power.unit);
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
        .arg(standardValueText(resistor.value), roughNumber(resistor.ledMilliamps),
             roughNumber(resistor.lowestMilliamps), roughNumber(resistor.highestMilliamps),
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
        .arg(resultNumber(tolerances.supplyPercent.toDouble()),
             resultNumber(tolerances.ledVoltagePercent.toDouble()),
             resultNumber(resistorTolerancePercent(series)));
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
    if (branch.hints.ratingMilliwatts)
        return Texts::tr("Più sicuro, una resistenza per ogni Led: %1 ohm, %2 mW (%3) ciascuna")
            .arg(roughNumber(branch.resistance), roughNumber(branch.power),
                 ratingText(*branch.hints.ratingMilliwatts));
    return Texts::tr("Più sicuro, una resistenza per ogni Led: %1 ohm, %2 mW ciascuna")
        .arg(roughNumber(branch.resistance), roughNumber(branch.power));
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

} // namespace varelux::ui
