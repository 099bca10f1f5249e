// Accessible names and descriptions of a panel's controls, from what the panel shows.
#include "main_window/accessible_names.h"

#include "common/texts.h"

#include <QLabel>
#include <QPushButton>

#include <optional>

namespace varelux {

void nameForScreenReaders(const PanelWidgets &panel)
{
    const QString heading = panel.get<QLabel>(PanelPart::Heading)->text();
    struct Row {
        PanelPart rowLabel{}, entry{};
        std::optional<PanelPart> unit; // a count has none
    };
    const Row rows[] = {
        {PanelPart::SupplyLabel, PanelPart::Supply, PanelPart::SupplyUnit},
        {PanelPart::LedVoltageLabel, PanelPart::LedVoltage, PanelPart::LedVoltageUnit},
        {PanelPart::CurrentLabel, PanelPart::Current, PanelPart::CurrentUnit},
        {PanelPart::CountLabel, PanelPart::Count, std::nullopt}};
    for (const Row &row : rows) {
        QWidget *entry = panel.get(row.entry);
        if (!entry)
            continue;
        auto *rowLabel = panel.get<QLabel>(row.rowLabel);
        const QString name = ui::accessibleNameInPanel(heading, rowLabel->text());
        rowLabel->setBuddy(entry);
        rowLabel->setAccessibleName(name);
        entry->setAccessibleName(name);
        if (row.unit)
            entry->setAccessibleDescription(panel.get<QLabel>(*row.unit)->text());
    }
    for (const PanelPart part :
         {PanelPart::SchemaButton, PanelPart::CalculateButton, PanelPart::ClearButton}) {
        auto *button = panel.get<QPushButton>(part);
        button->setAccessibleName(ui::accessibleNameInPanel(heading, button->text()));
    }
    panel.get(PanelPart::Resistance)
        ->setAccessibleDescription(ui::accessibleNameInPanel(heading, ui::resistanceDescription()));
    panel.get(PanelPart::Power)
        ->setAccessibleDescription(ui::accessibleNameInPanel(heading, ui::powerDescription()));
}

} // namespace varelux
