// Descriptor lists of the "Configuration" menu's own entries.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef BasicInformationList[];
extern const SnmpVarDef MibCapabilitiesList[];
extern const SnmpVarDef CpuUtilizationList[];
extern const SnmpVarDef PortUtilizationList[];
extern const SnmpVarDef IpConfigurationList[];
extern const SnmpVarDef FdbClearAllList[];
extern const SnmpVarDef ArpClearAllList[];
extern const SnmpVarDef DeviceControlList[];
extern const SnmpVarDef FileTransferList[];
extern const SnmpVarDef ConsoleModeList[];
extern const SnmpVarDef TrapReceiverList[];
extern const SnmpVarDef CableDiagnosticsList[];
extern const SnmpVarDef SaveConfigList[];
extern const SnmpVarDef SystemResetList[];
