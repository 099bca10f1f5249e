// The dialog "Tolleranze": how far the supply and the LEDs' forward voltage may stray, in percent,
// which the hints and the planner work their currents out with. Two fields through the panels'
// entry filter, the resistor's tolerance as its series prints it, and "OK", "Annulla" and
// "Valori iniziali" (5 % and 10 %). OK takes the values and closes; an empty or unreadable field,
// or one above kMaxTolerancePercent, gives the panels' message box and the dialog stays open with
// that field selected. Esc and "Annulla" close it and change nothing.
#pragma once

#include <QDialog>

class QLineEdit;

namespace varelux {

class HintChoices;

class TolerancesDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog over window, application-modal, for choices (ui::showModal()).
    static void open(QWidget *window, HintChoices &choices);

private:
    TolerancesDialog(QWidget *window, HintChoices &choices);
    void onOkClicked();

    HintChoices &m_choices;
    QLineEdit *m_supply, *m_ledVoltage;
};

} // namespace varelux
