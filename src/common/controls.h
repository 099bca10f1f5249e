// Controls built from layout rows: the labels, entry fields and buttons of every window, each
// kind set up in one place.
#pragma once

#include "common/fonts.h"

#include <QRect>
#include <QString>

class QMessageBox;
class QPushButton;
class QWidget;

namespace varelux::ui {

// What a control is and how it looks.
enum class ControlRole {
    Heading,       // label, 12 pt bold, fitted to its caption
    RowLabel,      // label, bold, fitted: names a field, a result or a table row
    UnitLabel,     // label, bold, fitted
    ValueLabel,    // label, fitted: a value in a table
    NoteLine,      // label, fitted
    ResultLabel,   // label of a fixed size, sunken border, empty at start
    TextPanel,     // label of a fixed size, sunken border, rich text wrapped from its top left
    DecimalField,  // line edit for a decimal number
    CountField,    // line edit for a count
    PushButton,    // never the window's default button
    DefaultButton, // the window's default button, which the window presses on Enter
};

// One control of a window's layout table.
struct LayoutRow {
    QString name; // Qt objectName
    ControlRole role;
    QRect geometry; // logical pixels; a fitted label takes only the top left from it
    QString caption;
};

// The message box of a failed "Calcola": critical, titled errorTitle(), with one OK button,
// application-modal, over window. Shown with showModal().
QMessageBox *errorBox(QWidget *window, const QString &message);

// A new control for the row, placed in parent: a QLabel, a QLineEdit or a QPushButton.
QWidget *createControl(const LayoutRow &row, QWidget *parent);

// Sets up a control made by the caller (a QPushButton subclass, say) as createControl() would
// for the row: name, font, geometry and the role's settings.
void setUpControl(QWidget *control, const LayoutRow &row);

} // namespace varelux::ui
