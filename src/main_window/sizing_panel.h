// What one panel of the main window does: "Calcola" reads the panel's fields, sizes the
// resistor in the core and shows the two results with their hints, or words the failure and
// empties the panel; "Cancella" empties it. The panel knows its controls, not where they sit.
#pragma once

#include "main_window/panel_id.h"

#include <QObject>

class QLabel;
class QLineEdit;

namespace varelux {

// The controls a panel reads and writes.
struct PanelControls {
    QLineEdit *supply = nullptr;
    QLineEdit *ledVoltage = nullptr;
    QLineEdit *current = nullptr;
    QLineEdit *count = nullptr; // none in the single-LED panel
    QLabel *resistance = nullptr;
    QLabel *power = nullptr;
};

class SizingPanel : public QObject {
    Q_OBJECT

public:
    // Every control but count must be given. The panel lives as long as parent.
    SizingPanel(PanelId kind, const PanelControls &controls, QObject *parent);

public slots:
    void calculate();
    void clear();

private:
    PanelId m_kind;
    PanelControls m_controls;
};

} // namespace varelux
