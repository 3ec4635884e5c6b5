// Descriptor lists of "Advanced Configuration" > "Loop Detection Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef LoopDetectionList[];
extern const SnmpVarDef LoopDetectionPortList[];
