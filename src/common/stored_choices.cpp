// Reading and writing the hints' choices. Numbers are stored with a full stop whatever the
// language, and the series by its name.
#include "common/stored_choices.h"

#include "common/hint_choices.h"
#include "core/number_text.h"

#include <QSettings>

#include <array>

namespace varelux {

namespace {

constexpr char kSeriesKey[] = "hints/series";
constexpr char kSupplyKey[] = "hints/supplyTolerance";
constexpr char kLedVoltageKey[] = "hints/ledVoltageTolerance";

// In ESeries order.
constexpr std::array<const char *, kESeriesCount> kSeriesNames{"E12", "E24", "E96"};

ExactDecimal tolerance(const QSettings &settings, const char *key, int fallback)
{
    const std::optional<ExactDecimal> stored =
        readTolerance(settings.value(QLatin1String(key)).toString().toStdString(), kDecimalPoint);
    return stored.value_or(ExactDecimal(std::uint64_t(fallback)));
}

} // namespace

void restoreChoices(const QSettings &settings, HintChoices &choices)
{
    const QString series = settings.value(QLatin1String(kSeriesKey)).toString();
    for (int i = 0; i < kESeriesCount; ++i)
        if (series == QLatin1String(kSeriesNames[std::size_t(i)]))
            choices.chooseSeries(ESeries(i));
    choices.chooseTolerances(
        {tolerance(settings, kSupplyKey, Tolerances::kDefaultSupplyPercent),
         tolerance(settings, kLedVoltageKey, Tolerances::kDefaultLedVoltagePercent)});
}

void storeChoices(QSettings &settings, const HintChoices &choices)
{
    settings.setValue(QLatin1String(kSeriesKey),
                      QLatin1String(kSeriesNames[std::size_t(choices.series())]));
    const Tolerances &tolerances = choices.tolerances();
    settings.setValue(QLatin1String(kSupplyKey),
                      QString::fromStdString(tolerances.supplyPercent.text(kDecimalPoint)));
    settings.setValue(QLatin1String(kLedVoltageKey),
                      QString::fromStdString(tolerances.ledVoltagePercent.text(kDecimalPoint)));
    settings.sync();
}

} // namespace varelux
