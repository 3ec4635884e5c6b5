// Descriptor lists of "Configuration" > "IP MAC Binding Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef IpMacBindingControlList[];
extern const SnmpVarDef IpMacBindingPortList[];
extern const SnmpVarDef IpMacBindingTableList[];
extern const SnmpVarDef IpMacBindingBlockedList[];
