// The series of standard values the hints use, one choice for every panel, for the rest of the
// run: E12 at start, changed through a result's context menu (result_menu.h). Nothing is kept
// between runs.
#pragma once

#include "core/standard_values.h"

#include <QObject>

namespace varelux {

class SeriesChoice : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    ESeries series() const { return m_series; }
    // Makes series the one in use; says so with chosen() when it changes.
    void choose(ESeries series);

signals:
    void chosen(ESeries series);

private:
    ESeries m_series = ESeries::E12;
};

} // namespace varelux
