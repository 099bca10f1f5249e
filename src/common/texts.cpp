// Italian texts of ratings and hints.
#include "common/texts.h"

#include "core/number_text.h"
#include "core/resistor_hints.h"
#include "core/standard_values.h"

#include <QStringList>

namespace varelux::ui {

namespace {

// LED currents in the hints are rough figures: three significant digits.
constexpr int kHintCurrentDigits = 3;

} // namespace

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
                      .arg(QString::fromStdString(e12CellText(value.row, value.column)),
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
