// The context menu of a result label, and of the LED array planner's plan: "Copia" puts the
// result's text on the clipboard as plain text (greyed while there is none); after a separator,
// "Serie E12", "Serie E24" and "Serie E96" choose the series the hints of every panel and the
// planner use, the one in use checked; after another, "Tolleranze…" opens the dialog of the
// tolerances the hints' currents are worked out with.
#pragma once

#include <QPoint>

class QString;
class QWidget;

namespace varelux {

class HintChoices;

// Pops the menu up at pos, in the result's coordinates; "Copia" copies text.
void showResultMenu(QWidget *result, QPoint pos, const QString &text, HintChoices &choices);

} // namespace varelux
