// The Italian texts of every window.
#include "common/texts.h"

#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "core/standard_values.h"

#include <QStringList>

#include <iterator>

namespace varelux::ui {

namespace {

// LED currents in the hints are rough figures: three significant digits.
constexpr int kHintCurrentDigits = 3;

// Digits grouped by three from the right with a full stop: 1000 -> "1.000".
QString grouped(long value)
{
    QString digits = QString::number(value);
    for (auto at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

QString oneDecimal(int tenths)
{
    return QString::number(tenths / 10) + QLatin1Char(kDecimalSeparator) +
           QString::number(tenths % 10);
}

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

QString e12CellText(int row, int column)
{
    const int tenths = kE12Tenths.at(static_cast<std::size_t>(row));
    if (column == 0)
        return oneDecimal(tenths) + QStringLiteral(" ohm");
    if (column == kE12Columns - 1)
        return oneDecimal(tenths) + QStringLiteral(" megaohm");
    return grouped(static_cast<long>(e12Ohms(row, column))) + QStringLiteral(" ohm");
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

QString standardValuesHint(const ResistorHints &hints)
{
    if (hints.supplyNotAboveLeds)
        return QStringLiteral("La tensione del circuito non supera la tensione totale dei Led");
    QStringList values;
    for (const StandardResistor &value : hints.nearest)
        values << QStringLiteral("%1 (%2 mA)")
                      .arg(e12CellText(value.row, value.column),
                           QString::fromStdString(
                               writeNumber(value.ledMilliamps, kHintCurrentDigits)));
    if (values.isEmpty())
        return QString();
    return QStringLiteral("Valori standard E12: ") + values.join(QStringLiteral(" · "));
}

QString ratingHint(const ResistorHints &hints)
{
    if (!hints.ratingMilliwatts)
        return QString();
    return QStringLiteral("Resistore consigliato: ") + ratingText(*hints.ratingMilliwatts);
}

} // namespace varelux::ui
