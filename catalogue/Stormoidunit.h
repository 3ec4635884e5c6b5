// Descriptor lists of "Advanced Configuration" > "Packet Storm Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef PacketStormControlList[];
extern const SnmpVarDef PacketStormTableList[];
