// The LED array planner (Form8): many LEDs of one kind on one supply, in strings that the core
// plans (core/led_array.h).
//
// LedArrayWindow has the reference windows' frame and opens by their rule (tool_window.h) from
// the main window's "Matrice di Led": built on the first press, centred, one at a time. Its close
// box closes it, and so does Esc. Its fields filter typed characters as the panels' do
// (entry_filter.h); "Calcola", the default button, which Enter in any field presses too, plans the
// strings and shows the plan drawn (led_array_drawing.h) and in words (led_array_words.h) beside
// the drawing. The words are the drawing's text alternative, and their context menu copies them
// (result_menu.h). Standard values follow the series chosen in the main window, and their
// currents the tolerances, which the window shares.
#pragma once

#include "common/sized_fields.h"
#include "core/led_array.h"
#include "core/outcome.h"
#include "led_array/led_array_layout.h"
#include "reference/tool_window.h"

#include <array>
#include <optional>

namespace varelux {

class Picture;
class HintChoices;

class LedArrayWindow : public ToolWindow {
    Q_OBJECT

public:
    // The supply, LED voltage and current start as start holds them, if given. The window closes
    // when choices is destroyed.
    LedArrayWindow(HintChoices &choices, const std::optional<SizedFields> &start);

public slots:
    // Plans from the fields: shows the plan, or the sentence of a verdict or of a result out of
    // range. An empty or unreadable field (an empty margin aside) and a current of 0 give the
    // panels' message box; once it is dismissed the plan is emptied, the fields stay, and the
    // first field at fault takes the focus with its text selected.
    void calculate();
    // Empties the fields and the plan.
    void clear();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename T = QWidget> T *part(ArrayPart part) const
    {
        return qobject_cast<T *>(m_parts[std::size_t(part)]);
    }
    // The controls one under the other in a view that scrolls, the window as wide as the phone.
    void arrangeForPhone();
    void scrollWithin(QLabel *plan);
    void nameForScreenReaders();
    // Shows m_plan drawn and in words, in the series in use: a verdict's sentence and no drawing
    // when it has no strings, nothing when there is no plan.
    void showPlan();
    // Shows the words, as rich text and in plain words, and m_plan's drawing.
    void show(const QString &html, const QString &plain);
    void focusFieldAtFault(Failure failure);

    HintChoices &m_choices;
    std::array<QWidget *, kArrayPartCount> m_parts{};
    Picture *m_drawing = nullptr;
    std::optional<ArrayPlan> m_plan; // planned, or with a verdict: what the window shows
    QString m_words;                 // the plan in plain words, as "Copia" copies it
};

// Opens the planner from the main window's button: built with the fields a panel last sized from,
// if any, when it is not open; otherwise brought forward as it stands.
void openLedArray(HintChoices &choices, const std::optional<SizedFields> &start);

// The open planner, or nullptr when it is closed or was never opened.
QWidget *openedLedArray();

} // namespace varelux
