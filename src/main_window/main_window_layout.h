// The main window as data: its controls, and the three panels that size a resistor.
//
// The panels share one grid of controls and differ in their origin, names, heading and the
// count row; five more controls sit below them. A panel's description also carries how it sizes
// its resistor from the field texts, and what it says when that fails.
#pragma once

#include "common/controls.h"
#include "core/outcome.h"
#include "core/resistor_hints.h"
#include "core/sizing.h"
#include "reference/reference_id.h"

#include <QColor>
#include <QSize>

#include <optional>
#include <string>
#include <variant>
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

// The texts of a panel's entry fields as typed; count stays empty in the single-LED panel.
struct FieldTexts {
    std::string supply, led, current, count;
};

// A panel's latest computation: values only, never shown; all 0 at start and after clearing.
using PanelRecord = std::variant<SeriesRecord, ParallelRecord>;

// What a panel keeps and shows of a successful sizing.
struct PanelSizing {
    PanelRecord record;
    std::string resistanceText, powerText;
    ResistorHints hints;
};

struct PanelDescription {
    ReferenceId diagram;     // opened by the panel's "Schema"
    PanelRecord emptyRecord; // the record at start and after clearing
    Outcome<PanelSizing> (*size)(const FieldTexts &texts);
    QString notANumberMessage; // a field is empty or unreadable
    QString zeroCurrentMessage;

    // The text of the message box for a failed sizing; empty when the panel is cleared silently.
    QString failureMessage(Failure failure) const;
};

const PanelDescription &panelDescription(PanelId panel);

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

// Client area of the main window, in logical pixels.
QSize mainWindowSize();

} // namespace varelux
