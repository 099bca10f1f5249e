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
#pragma once

#include "main_window/main_window_layout.h"
#include "main_window/sizing_panel.h"

#include <QWidget>

#include <optional>

namespace varelux {

class SeriesChoice;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // Hands the window to the window system's own interactive move, as a press on the title
    // bar would. Returns false where the platform cannot do that; then nothing happens.
    virtual bool startWindowMove();

private:
    QWidget *createControl(const MainWindowRow &row);
    void wirePanel(Circuit circuit, const PanelWidgets &panel);

    SeriesChoice *m_seriesChoice; // for every panel's hints and the planner's
    // The fields of the panel that sized its resistor last, for the planner to start from.
    std::optional<SizedFields> m_lastSized;

    // Set by a left-button press on the bare background, cleared by the move it starts or by
    // the release: once the window system runs the move, Qt never sees the release, so the
    // move must not be started again by a later mouse movement.
    bool m_moveArmed = false;
};

} // namespace varelux
