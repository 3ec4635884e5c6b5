// Descriptor lists of "Configuration" > "System Log Information".
#pragma once

#include "MvSNMPVarList.h"

extern const SnmpVarDef SyslogControlList[];
extern const SnmpVarDef SyslogEntryList[];
