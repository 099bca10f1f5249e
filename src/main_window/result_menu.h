// The context menu of a result label: "Copia" puts the result's text on the clipboard (greyed
// while the label is empty); after a separator, "Serie E12", "Serie E24" and "Serie E96" choose
// the series the hints of every panel use, the one in use checked.
#pragma once

#include <QPoint>

class QLabel;

namespace varelux {

class SeriesChoice;

// Pops the menu up at pos, in the label's coordinates.
void showResultMenu(QLabel *result, QPoint pos, SeriesChoice &seriesChoice);

} // namespace varelux
