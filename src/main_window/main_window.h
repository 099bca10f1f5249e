// The main window (Form1): three panels that size the series resistor of one LED, of LEDs in
// series and of LEDs in parallel, and the buttons that open the reference windows and the LED
// array planner.
//
// MainWindow builds its 67 controls in one loop from the rows of main_window_layout.h, in tab
// order, so the focus chain needs no further setup, and hands each panel's fields and results
// to a SizingPanel (sizing_panel.h): a panel's "Calcola" and "Cancella" go straight there, and
// nothing about positions lies on their way. Panels never touch each other's controls. What
// screen readers say of each control is set in accessible_names.h; a right click on a result
// offers its menu (result_menu.h). Every entry field filters typed characters
// (entry_filter.h). The planner (led_array_window.h) is built when first opened, with the
// fields of the panel that last sized its resistor, and shares the panels' series. Dragging the
// bare background with the left button moves the window; closing the main window closes every
// window and ends the program.
//
// On a screen narrower than the window (a phone, in the browser) the same controls take the phone
// arrangement (phone_arrangement.h): the window fills the screen, the panels lie one under the
// other in a view that scrolls, and each panel shows its resistance's hint under its results,
// since there is no pointer to rest on them. A long press on a result opens its menu.
#pragma once

#include "main_window/main_window_layout.h"
#include "main_window/sizing_panel.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;

namespace varelux {

class HintChoices;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Arranges the controls as designed, the window at its fixed size, or for a phone, the window
    // free to take any size and the controls flowing down its width.
    void arrangeForPhone(bool phone);
    bool arrangedForPhone() const { return m_phoneView != nullptr; }

    // The series and tolerances every hint follows, which the program keeps between runs.
    HintChoices &hintChoices() const { return *m_hintChoices; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Hands the window to the window system's own interactive move, as a press on the title
    // bar would. Returns false where the platform cannot do that; then nothing happens.
    virtual bool startWindowMove();

private:
    QWidget *createControl(const MainWindowRow &row);
    void wirePanel(Circuit circuit, const PanelWidgets &panel);
    // In the browser: the arrangement for the screen's width, the window centred at its size or
    // filling the screen.
    void fitScreen();
    // Shows the resistance's hint of the circuit's panel under its results, in the phone
    // arrangement; the hint is the result's tooltip.
    void showHint(Circuit circuit);

    std::vector<QWidget *> m_controls; // in the order of mainWindowRows()
    std::array<QLabel *, kCircuitCount> m_resistances{};
    ui::PhoneView *m_phoneView = nullptr;          // in the phone arrangement only
    std::array<QLabel *, kCircuitCount> m_hints{}; // in the phone arrangement only

    HintChoices *m_hintChoices; // for every panel's hints and the planner's
    // The fields of the panel that sized its resistor last, for the planner to start from.
    std::optional<SizedFields> m_lastSized;

    // Set by a left-button press on the bare background, cleared by the move it starts or by
    // the release: once the window system runs the move, Qt never sees the release, so the
    // move must not be started again by a later mouse movement.
    bool m_moveArmed = false;
};

} // namespace varelux
