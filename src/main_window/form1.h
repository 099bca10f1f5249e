// The main window: three panels that size the series resistor of one LED, of LEDs in series
// and of LEDs in parallel, and the buttons that open the reference windows.
//
// Form1 builds its 66 controls in one loop from the table in form1_layout.h, in tab order, so
// the focus chain needs no further setup. A panel's "Calcola" hands the field texts to the core
// (core/sizing.h) and writes back the two result texts, or shows the failure and clears the
// panel; "Cancella" clears it. Panels never touch each other's controls or records.
// After a computation the result labels carry tooltips with the standard resistor and rating
// to buy (core/resistor_hints.h), and a right click on a result offers "Copia".
// Every entry field filters typed characters (entry_filter.h). Dragging the bare background
// with the left button moves the window; closing Form1 closes every window and ends the program.
#pragma once

#include "core/outcome.h"
#include "core/sizing.h"
#include "main_window/form1_layout.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varelux {

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Values of each panel's latest computation; all 0 at start and after clearing.
    const SeriesRecord &singleRecord() const { return m_singleRecord; }
    const SeriesRecord &seriesRecord() const { return m_seriesRecord; }
    const ParallelRecord &parallelRecord() const { return m_parallelRecord; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // Hands the window to the window system's own interactive move, as a press on the title
    // bar would. Returns false where the platform cannot do that; then nothing happens.
    virtual bool startWindowMove();

private:
    struct Panel {
        QLineEdit *supply = nullptr;
        QLineEdit *led = nullptr;
        QLineEdit *current = nullptr;
        QLineEdit *count = nullptr; // none in the single-LED panel
        QLabel *resistance = nullptr;
        QLabel *power = nullptr;
    };

    QWidget *createControl(const ControlSpec &item);
    void wirePanel(PanelId id, const std::array<QWidget *, kPanelPartCount> &parts);

    void onCalculateClicked(PanelId id);
    void onClearClicked(PanelId id);
    void onResultMenuRequested(QLabel *result, const QPoint &pos);

    template <typename Record>
    std::optional<Failure> present(const Outcome<Sizing<Record>> &outcome, Record &record,
                                   const Panel &panel);
    void showError(const QString &message);

    std::array<Panel, kPanelCount> m_panels;
    // Set by a left-button press on the bare background, cleared by the move it starts or by
    // the release: once the window system runs the move, Qt never sees the release, so the
    // move must not be started again by a later mouse movement.
    bool m_moveArmed = false;
    SeriesRecord m_singleRecord;
    SeriesRecord m_seriesRecord;
    ParallelRecord m_parallelRecord;
};

} // namespace varelux
