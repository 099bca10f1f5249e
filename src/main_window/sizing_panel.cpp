// A panel's "Calcola" and "Cancella": field texts to the core, numbers and hints back to the
// labels, and the message box of a failure.
#include "main_window/sizing_panel.h"

#include "common/announcer.h"
#include "common/controls.h"
#include "common/hint_choices.h"
#include "common/language.h"
#include "common/platform.h"
#include "common/resistance_hint.h"
#include "common/texts.h"
#include "core/number_text.h"
#include "core/resistor_hints.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <string>

namespace varelux {

namespace {

std::string textOf(const QLineEdit *field)
{
    return field ? field->text().toStdString() : std::string();
}

// Sizes the panel's resistor from what its fields hold now.
Outcome<Sizing> size(Circuit circuit, const PanelControls &controls)
{
    const std::string supply = textOf(controls.supply);
    const std::string ledVoltage = textOf(controls.ledVoltage);
    const std::string current = textOf(controls.current);
    const std::string count = textOf(controls.count);
    return sizeCircuit(circuit, {.supply = supply,
                                 .ledVoltage = ledVoltage,
                                 .current = current,
                                 .count = count,
                                 .separator = ui::decimalSeparator()});
}

// The text of the message box for a failed sizing; empty when the panel is cleared silently,
// as it is for a result beyond the range of a double.
QString failureMessage(Circuit circuit, Failure failure)
{
    switch (failure) {
    case Failure::Overflow:
        break;
    case Failure::DivisionByZero:
        return ui::zeroCurrentMessage(circuitKind(circuit).severalLeds);
    case Failure::NotANumber:
        return ui::emptyFieldsMessage();
    }
    return QString();
}

} // namespace

SizingPanel::SizingPanel(Circuit circuit, const PanelControls &controls, const HintChoices &choices,
                         QObject *parent)
    : QObject(parent), m_circuit(circuit), m_controls(controls), m_choices(choices)
{
}

void SizingPanel::calculate()
{
    const Outcome<Sizing> outcome = size(m_circuit, m_controls);
    if (!outcome) {
        // The panel keeps what it shows until the message box is dismissed. The box takes the
        // focus and is read out itself; a panel emptied without one says so.
        const QString message = failureMessage(m_circuit, outcome.failure());
        if (message.isEmpty()) {
            clearSilently();
            announce(ui::outOfRangeAnnouncement(m_controls.heading->text()));
            return;
        }
        ui::showModal(ui::errorBox(m_controls.resistance->window(), message), this,
                      [this] { clearSilently(); });
        return;
    }
    const char separator = ui::decimalSeparator();
    m_controls.resistance->setText(
        QString::fromStdString(writeNumber(outcome->resistance, separator)));
    m_controls.power->setText(QString::fromStdString(writeNumber(outcome->power, separator)));
    m_shown = *outcome;
    showHints();
    emit sized(
        {m_controls.supply->text(), m_controls.ledVoltage->text(), m_controls.current->text()});
    announce(
        ui::resultsAnnouncement({m_controls.resistance->text(), m_controls.resistanceUnit->text()},
                                {m_controls.power->text(), m_controls.powerUnit->text()}));
}

void SizingPanel::clear()
{
    clearSilently();
    announce(ui::clearedAnnouncement(m_controls.heading->text()));
}

void SizingPanel::showHints()
{
    if (!m_shown)
        return;
    const ESeries series = m_choices.series();
    const Tolerances &tolerances = m_choices.tolerances();
    const ResistorHints hints = resistorHints(*m_shown, series, tolerances);
    std::optional<BranchResistor> branch;
    if (circuitKind(m_circuit).ledsInParallel && !hints.supplyNotAboveLeds)
        branch = branchResistor(*m_shown, series, tolerances);
    m_controls.resistance->setToolTip(ui::resistanceHint(hints, series, branch, tolerances));
    m_controls.power->setToolTip(ui::ratingHint(hints));
}

void SizingPanel::announce(const QString &text) const
{
    ui::announce(m_controls.resistance, text);
}

void SizingPanel::clearSilently()
{
    // setText rather than clear(): clear() keeps every removed character as an undo step,
    // which for a pasted text of a million characters takes tens of milliseconds and as many
    // megabytes; setText drops the field's undo history with its text.
    for (QLineEdit *field :
         {m_controls.supply, m_controls.ledVoltage, m_controls.current, m_controls.count})
        if (field)
            field->setText(QString());
    for (QLabel *result : {m_controls.resistance, m_controls.power}) {
        result->clear();
        result->setToolTip(QString());
    }
    m_shown.reset();
}

} // namespace varelux
