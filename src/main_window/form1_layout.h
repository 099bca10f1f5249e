// The main window's controls as data: the three panels share one grid and differ only in their
// origin, names, heading and the count row; five more controls sit below them.
#pragma once

#include "reference/reference_id.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace varelux {

enum class PanelId { Single, Series, Parallel };
inline constexpr int kPanelCount = 3;

// One control of a panel; the order is the tab order within the panel.
enum class PanelPart {
    Heading,
    SchemaButton,
    SupplyLabel,
    Supply,
    SupplyUnit,
    LedLabel,
    Led,
    LedUnit,
    CurrentLabel,
    Current,
    CurrentUnit,
    CountLabel,
    Count,
    CalculateButton,
    ClearButton,
    ResistanceLabel,
    Resistance,
    ResistanceUnit,
    PowerLabel,
    Power,
    PowerUnit,
};
inline constexpr int kPanelPartCount = int(PanelPart::PowerUnit) + 1;

// What a control is and how it looks.
enum class ControlRole {
    Heading,         // label, 12 pt bold in the panel's colour, fitted to its caption
    RowLabel,        // label, bold, fitted
    UnitLabel,       // label, bold, fitted
    ResultLabel,     // label, fixed size, sunken border, empty at start
    NoteLine,        // label, dark red, fitted
    DecimalField,    // line edit, decimal keystroke rule
    CountField,      // line edit, count keystroke rule
    PanelButton,     // "Calcola", "Cancella"
    ReferenceButton, // opens a reference window
};

// Below the panels.
enum class ExtraControl { TensLed, ValResStd, PotMaxRes, Note1, Note2 };

struct ControlSpec {
    QString name; // Qt objectName
    ControlRole role;
    QRect geometry; // logical pixels; width and height are 0 for labels fitted to their caption
    QString caption;
    int panel; // index of PanelId, or -1 below the panels
    int part;  // PanelPart within the panel, or ExtraControl below the panels
    std::optional<ReferenceId> opens = std::nullopt; // reference buttons only
};

struct PanelInfo {
    int originTwips;
    QString heading;
    QColor headingColour;
    bool hasCount;
    QString zeroCurrentMessage;
    ReferenceId diagram; // opened by the panel's "Schema"
};

const PanelInfo &panelInfo(PanelId panel);

// All controls of the main window in tab order (labels hold places but never take focus).
const std::vector<ControlSpec> &form1Controls();

// Client area of the main window.
QSize form1ClientSize();

} // namespace varelux
