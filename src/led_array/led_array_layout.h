// The LED array planner (Form8) as data: its size and caption, and where each control sits, as
// designed and in the phone arrangement, its role and its caption. What the planner does is
// led_array_window.h.
#pragma once

#include "common/controls.h"
#include "common/phone_arrangement.h"

#include <QRect>
#include <QSize>

#include <vector>

namespace varelux {

// The planner's controls, in tab order (labels hold places but never take focus).
enum class ArrayPart {
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
    MarginLabel,
    Margin, // may stay empty: then a tenth of the supply
    MarginUnit,
    MarginNote, // says what an empty margin stands for
    CalculateButton,
    ClearButton,
    Plan, // the plan in words, beside the drawing
};
inline constexpr int kArrayPartCount = int(ArrayPart::Plan) + 1;

struct LedArrayLayout {
    QString name; // objectName
    QString caption;
    QSize clientSize;                // logical pixels
    std::vector<ui::LayoutRow> rows; // one per ArrayPart, in its order
    QString drawingName;             // objectName of the drawing
    QPoint drawingTopLeft;           // logical pixels; its size is ledArrayDiagramSize()
    // The phone arrangement: one cell per ArrayPart, in its order, and the drawing's.
    std::vector<ui::PhoneCell> phoneCells;
    ui::PhoneCell drawingPhoneCell;
};

// The planner's layout in the language in use.
const LedArrayLayout &ledArrayLayout();

} // namespace varelux
