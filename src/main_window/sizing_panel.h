// What one panel of the main window does: "Calcola" reads the panel's fields, sizes the
// resistor in the core and shows the two results with their hints, or words the failure and
// empties the panel; "Cancella" empties it. The panel knows its controls, not where they sit.
// What a click changed without a message box is also announced to screen readers, since the
// focus stays on the button: the results, or that the panel was emptied.
#pragma once

#include "common/sized_fields.h"
#include "core/circuit.h"

#include <QObject>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

namespace varelux {

class HintChoices;

// The controls a panel reads and writes. Given by name (designated initialisers), never by
// position.
struct PanelControls {
    QLineEdit *supply = nullptr;
    QLineEdit *ledVoltage = nullptr;
    QLineEdit *current = nullptr;
    QLineEdit *count = nullptr; // none where the circuit has one LED
    QLabel *resistance = nullptr;
    QLabel *power = nullptr;
    // What the announcements are worded from: the panel's heading, and the unit shown beside
    // each result.
    const QLabel *heading = nullptr;
    const QLabel *resistanceUnit = nullptr, *powerUnit = nullptr;
};

class SizingPanel : public QObject {
    Q_OBJECT

public:
    // Every control but count must be given. The panel lives as long as parent; the hints
    // follow choices, which must live as long.
    SizingPanel(Circuit circuit, const PanelControls &controls, const HintChoices &choices,
                QObject *parent);

public slots:
    void calculate();
    void clear();
    // Words the hints of the results shown anew, in the series and with the tolerances in use.
    void showHints();

signals:
    // "Calcola" sized the resistor from these fields.
    void sized(const varelux::SizedFields &fields);

private:
    // Empties the fields and the results, and announces nothing.
    void clearSilently();
    void announce(const QString &text) const;

    Circuit m_circuit;
    PanelControls m_controls;
    const HintChoices &m_choices;
    std::optional<Sizing> m_shown; // the sizing whose results are shown, for their hints
};

} // namespace varelux
