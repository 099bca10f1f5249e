// The fields a panel sized its resistor from, as typed: the LED array planner starts from them.
#pragma once

#include <QString>

namespace varelux {

struct SizedFields {
    QString supply, ledVoltage, current;
};

} // namespace varelux
