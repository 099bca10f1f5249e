// The main window: three panels that size the series resistor of one LED, of LEDs in series
// and of LEDs in parallel, and the buttons that open the reference windows.
//
// Form1 builds its 66 controls in one loop from the table in form1_layout.h, in tab order, so
// the focus chain needs no further setup. A panel's "Calcola" hands the field texts to the core
// (core/sizing.h) and writes back the two result texts, or shows the failure and clears the
// panel; "Cancella" clears it. Panels never touch each other's controls or records.
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

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Values of each panel's latest computation; all 0 at start and after clearing.
    const SeriesRecord &singleRecord() const { return m_singleRecord; }
    const SeriesRecord &seriesRecord() const { return m_seriesRecord; }
    const ParallelRecord &parallelRecord() const { return m_parallelRecord; }

private:
    struct Panel {
        QLineEdit *supply = nullptr;
        QLineEdit *led = nullptr;
        QLineEdit *current = nullptr;
        QLineEdit *count = nullptr; // none in the single-LED panel
        QLabel *resistance = nullptr;
        QLabel *power = nullptr;
    };

    QWidget *createControl(const ControlSpec &spec);
    void wirePanel(PanelId id, const std::array<QWidget *, kPanelPartCount> &parts);

    void onCalculateClicked(PanelId id);
    void onClearClicked(PanelId id);

    template <typename Record>
    std::optional<Failure> present(const Outcome<Sizing<Record>> &outcome, Record &record,
                                const Panel &panel);
    void showError(const QString &message);

    std::array<Panel, kPanelCount> m_panels;
    SeriesRecord m_singleRecord;
    SeriesRecord m_seriesRecord;
    ParallelRecord m_parallelRecord;
};

} // namespace varelux
