// Descriptor lists of "Configuration" > "System Log Information".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SyslogControlList[];
extern const SnmpVarDef SyslogEntryList[];
