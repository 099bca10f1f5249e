// The main window as data: where each control sits, its caption, its colour and which reference
// window a button opens.
//
// The panels share one grid of controls and differ in their origin, names, heading and the
// count row; five more controls sit below them. The panels' behaviour is in sizing_panel.h.
#pragma once

#include "common/controls.h"
#include "main_window/panel_id.h"
#include "reference/reference_id.h"

#include <QColor>
#include <QSize>

#include <optional>
#include <vector>

namespace varelux {

// One control of a panel; the order is the tab order within the panel.
enum class PanelPart {
    Heading,
    SchemaButton,
    SupplyLabel,
    Supply,
    SupplyUnit,
    LedVoltageLabel,
    LedVoltage,
    LedVoltageUnit,
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

// A control of a panel, by its panel and its place in the grid.
struct PanelPlace {
    PanelId panel;
    PanelPart part;
};

struct MainWindowRow {
    ui::LayoutRow control;
    std::optional<PanelPlace> place;  // none below the panels
    std::optional<ReferenceId> opens; // reference buttons only
    QColor textColour = {};           // headings and notes; invalid: the palette's
};

// All controls of the main window in tab order (labels hold places but never take focus).
const std::vector<MainWindowRow> &mainWindowRows();

// The objectName of a panel's control; empty for the count row of the single-LED panel, which
// has none.
QString controlName(PanelId panel, PanelPart part);

// Client area of the main window, in logical pixels.
QSize mainWindowSize();

} // namespace varelux
