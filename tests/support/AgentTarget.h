// Points the process-wide device target at a simulated switch: SNMPv2c, "public"/"private",
// one retry. Requests made afterwards copy it.
#pragma once

#include <QtGlobal>

#include "tests/support/SimAgent.h"

namespace kxtest {

// `timeout` in hundredths of a second, per try.
void targetAgent(const SimAgent& agent, qint32 timeout = 300);

}  // namespace kxtest
