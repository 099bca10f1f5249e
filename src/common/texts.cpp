// The Italian texts of every window.
#include "common/texts.h"

#include "core/colour_code.h"
#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "core/standard_values.h"

#include <QStringList>

#include <iterator>

namespace varelux::ui {

namespace {

// Figures in the hints (currents, a branch resistor and its power) are rough: three significant
// digits.
constexpr int kHintDigits = 3;

QString rough(double value)
{
    return QString::fromStdString(writeNumber(value, kHintDigits));
}

// Digits grouped by three from the right with a full stop: "1000" -> "1.000".
QString grouped(QString digits)
{
    for (auto at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

// significand * 10^exponent with every significant digit shown: "47" and -1 give "4,7",
// "10" and -1 "1,0", "102" and 1 "1020", "56" and -2 "0,56", "100" and -3 "0,100".
QString withExponent(int significand, int exponent)
{
    QString digits = QString::number(significand);
    if (exponent >= 0)
        return digits + QString(exponent, QLatin1Char('0'));
    const auto whole = digits.size() + exponent; // digits before the comma
    if (whole <= 0) {
        digits.prepend(QString(1 - whole, QLatin1Char('0')));
        digits.insert(1, QLatin1Char(kDecimalSeparator));
        return digits;
    }
    digits.insert(whole, QLatin1Char(kDecimalSeparator));
    return digits;
}

// In Italian, in BandColour order.
constexpr const char16_t *kBandColourNames[] = {
    u"nero",  u"marrone", u"rosso",  u"arancione", u"giallo",  u"verde", u"blu",
    u"viola", u"grigio",  u"bianco", u"oro",       u"argento", u"rosa"};
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
    const char16_t *heading;
    const char16_t *diagram;
};
constexpr CircuitWords kCircuitWords[] = {
    {u"Led singolo",
     u"Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla resistenza, "
     u"poi al Led, con l'anodo verso la resistenza, e dal catodo del Led a massa."},
    {u"Led in serie",
     u"Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla resistenza, "
     u"poi a due Led in serie, uno sotto l'altro, ciascuno con l'anodo verso l'alto, e dal "
     u"catodo del secondo Led a massa."},
    {u"Led in parallelo",
     u"Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla resistenza, "
     u"poi si divide in due rami affiancati con un Led ciascuno, l'anodo verso l'alto; i due "
     u"rami si riuniscono sotto i Led e vanno a massa."},
};
static_assert(std::size(kCircuitWords) == kCircuitCount);

} // namespace

QString circuitHeading(Circuit circuit)
{
    return QString::fromUtf16(kCircuitWords[int(circuit)].heading);
}

QString diagramText(Circuit circuit)
{
    return QString::fromUtf16(kCircuitWords[int(circuit)].diagram);
}

QString errorTitle()
{
    return QStringLiteral("Errore");
}

QString emptyFieldsMessage()
{
    return QStringLiteral("Una o più caselle vuote");
}

QString zeroCurrentMessage(bool severalLeds)
{
    return severalLeds ? QStringLiteral("La corrente dei Led non può essere uguale a zero")
                       : QStringLiteral("La corrente del Led non può essere uguale a zero");
}

QString copyAction()
{
    // Written out, not translated: Qt's Italian texts only cover Qt's own menus.
    return QStringLiteral("&Copia");
}

QString resistanceDescription()
{
    return QStringLiteral("Resistenza calcolata, ohm");
}

QString powerDescription()
{
    return QStringLiteral("Potenza dissipata, mW");
}

QString standardValueText(StandardValue value)
{
    constexpr int kMegaExponent = 6;
    if (value.ohms() >= 1e6)
        return withExponent(value.significand, value.exponent - kMegaExponent) +
               QStringLiteral(" megaohm");
    const QString ohms = withExponent(value.significand, value.exponent);
    return (value.exponent >= 0 ? grouped(ohms) : ohms) + QStringLiteral(" ohm");
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
    return QStringLiteral("Serie ") + seriesName(series);
}

QString bandColourName(BandColour colour)
{
    return QString::fromUtf16(kBandColourNames[std::size_t(colour)]);
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
    return QStringLiteral("Tabella dei valori standard E12, per decade");
}

QString e12PictureValues()
{
    QStringList decades;
    for (int column = 0; column < kE12Columns; ++column) {
        QStringList values;
        for (int row = 0; row < int(kE12Tenths.size()); ++row)
            values << e12CellText(row, column);
        decades << QStringLiteral("Decade da %1: %2.")
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
    return QStringLiteral("Pannello %1 cancellato").arg(panel);
}

QString outOfRangeAnnouncement(const QString &panel)
{
    return QStringLiteral("Risultato fuori dai limiti, pannello %1 cancellato").arg(panel);
}

QString ratingText(int milliwatts)
{
    if (milliwatts < 1000)
        return QStringLiteral("1/%1 W").arg(1000 / milliwatts);
    return QStringLiteral("%1 W").arg(milliwatts / 1000);
}

QString supplyNotAboveLedsHint()
{
    return QStringLiteral("La tensione del circuito non supera la tensione totale dei Led");
}

QString standardValuesHeading(ESeries series)
{
    return QStringLiteral("Valori standard %1:").arg(seriesName(series));
}

QString standardValueLine(const StandardResistor &resistor, const std::vector<BandColour> &bands)
{
    return QStringLiteral("%1 (%2 mA): %3")
        .arg(standardValueText(resistor.value), rough(resistor.ledMilliamps),
             colourCodeText(bands));
}

QString beyondSeriesHint(SeriesReach reach, ESeries series)
{
    switch (reach) {
    case SeriesReach::Within:
        break;
    case SeriesReach::BelowSeries:
        return QStringLiteral("Il valore calcolato è al di sotto della serie %1")
            .arg(seriesName(series));
    case SeriesReach::AboveSeries:
        return QStringLiteral("Il valore calcolato è al di sopra della serie %1")
            .arg(seriesName(series));
    }
    return QString();
}

QString branchResistorHint(const BranchResistor &branch)
{
    QString power = rough(branch.power) + QStringLiteral(" mW");
    if (branch.hints.ratingMilliwatts)
        power += QStringLiteral(" (%1)").arg(ratingText(*branch.hints.ratingMilliwatts));
    return QStringLiteral("Più sicuro, una resistenza per ogni Led: %1 ohm, %2 ciascuna")
        .arg(rough(branch.resistance), power);
}

QString notesScope()
{
    return QStringLiteral("Vale per il pannello Led singolo: i pannelli Led in serie e Led in "
                          "parallelo moltiplicano già per il numero di Led.");
}

QString ratingHint(const ResistorHints &hints)
{
    if (!hints.ratingMilliwatts)
        return QString();
    return QStringLiteral("Resistore consigliato: ") + ratingText(*hints.ratingMilliwatts);
}

} // namespace varelux::ui
