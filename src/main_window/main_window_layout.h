// The main window as data: where each control sits, as designed and in the phone arrangement,
// its caption, its colour and which reference window a button opens.
//
// Each circuit has a panel; the panels share one grid of controls and differ in their origin,
// names, heading and whether they have the count row; six more controls sit below them. The
// panels' behaviour is in sizing_panel.h.
#pragma once

#include "common/controls.h"
#include "common/phone_arrangement.h"
#include "core/circuit.h"
#include "main_window/panel_parts.h"
#include "reference/reference_id.h"

#include <QColor>
#include <QSize>

#include <optional>
#include <vector>

namespace varelux {

// A control of a panel, by its circuit and its place in the grid.
struct PanelPlace {
    Circuit circuit;
    PanelPart part;
};

struct MainWindowRow {
    ui::LayoutRow control;
    ui::PhoneCell phone;              // its place in the phone arrangement
    std::optional<PanelPlace> place;  // none below the panels
    std::optional<ReferenceId> opens; // reference buttons only
    bool opensLedArray = false;       // the planner's button
    QColor textColour = {};           // headings and notes; invalid: the palette's
};

// All controls of the main window in tab order (labels hold places but never take focus).
const std::vector<MainWindowRow> &mainWindowRows();

// The objectName of a panel's control; empty for the count row of a circuit with one LED, which
// has none.
QString controlName(Circuit circuit, PanelPart part);

// Where a panel shows its resistance's hint in the phone arrangement, which has no pointer to
// rest on the result: under the results.
ui::PhoneCell phoneHintCell(Circuit circuit);

// Client area of the main window, in logical pixels.
QSize mainWindowSize();

} // namespace varelux
