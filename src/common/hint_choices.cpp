// The choices the hints follow.
#include "common/hint_choices.h"

namespace varelux {

void HintChoices::chooseSeries(ESeries series)
{
    if (series == m_series)
        return;
    m_series = series;
    emit changed();
}

void HintChoices::chooseTolerances(const Tolerances &tolerances)
{
    if (tolerances.supplyPercent == m_tolerances.supplyPercent &&
        tolerances.ledVoltagePercent == m_tolerances.ledVoltagePercent)
        return;
    m_tolerances = tolerances;
    emit changed();
}

} // namespace varelux
