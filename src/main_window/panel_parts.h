// The controls of one panel of the main window, by their part in the panel grid.
#pragma once

#include <QWidget>

#include <array>

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
    CountLabel, // the count row: only circuits with several LEDs have it
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

constexpr bool isCountRow(PanelPart part)
{
    return part == PanelPart::CountLabel || part == PanelPart::Count;
}

// A panel's controls as built, indexed by PanelPart; nullptr for a part the panel lacks.
class PanelWidgets {
public:
    void set(PanelPart part, QWidget *control) { m_controls[std::size_t(part)] = control; }

    // The control of that part as a T (QLabel, QLineEdit, QPushButton), or nullptr.
    template <typename T = QWidget> T *get(PanelPart part) const
    {
        return qobject_cast<T *>(m_controls[std::size_t(part)]);
    }

private:
    std::array<QWidget *, kPanelPartCount> m_controls{};
};

} // namespace varelux
