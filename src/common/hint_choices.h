// What every panel's hints and the planner's follow, one choice for them all: the series of
// standard values (E12 at first) and the tolerances of the supply and the LEDs (5 % and 10 % at
// first), changed through a result's context menu (result_menu.h). The program keeps them between
// runs (stored_choices.h).
#pragma once

#include "core/standard_values.h"
#include "core/tolerances.h"

#include <QObject>

namespace varelux {

class HintChoices : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    ESeries series() const { return m_series; }
    const Tolerances &tolerances() const { return m_tolerances; }

    // Make these the ones in use; say so with changed() when they differ.
    void chooseSeries(ESeries series);
    void chooseTolerances(const Tolerances &tolerances);

signals:
    void changed();

private:
    ESeries m_series = ESeries::E12;
    Tolerances m_tolerances;
};

} // namespace varelux
