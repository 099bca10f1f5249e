// The context menu of a result label: "Copia" puts the result's text on the clipboard.
#pragma once

#include <QPoint>

class QLabel;

namespace varelux {

// Pops the menu up at pos (in the label's coordinates); nothing when the label is empty.
void showResultMenu(QLabel *result, QPoint pos);

} // namespace varelux
