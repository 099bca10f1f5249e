// The choice of series.
#include "main_window/series_choice.h"

namespace varelux {

void SeriesChoice::choose(ESeries series)
{
    if (series == m_series)
        return;
    m_series = series;
    emit chosen(series);
}

} // namespace varelux
