// The Italian texts of every window.
#include "common/texts.h"

#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "core/standard_values.h"

#include <QStringList>

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

} // namespace

QString programTitle()
{
    return QStringLiteral("Varelux");
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
