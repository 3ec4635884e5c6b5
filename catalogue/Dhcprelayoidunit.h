// Descriptor lists of "Advanced Configuration" > "DHCP Relay Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef DhcpRelayList[];
extern const SnmpVarDef DhcpOption82List[];
extern const SnmpVarDef DhcpOption60List[];
extern const SnmpVarDef DhcpOption60DefaultList[];
extern const SnmpVarDef DhcpOption60TableList[];
extern const SnmpVarDef DhcpOption61List[];
extern const SnmpVarDef DhcpOption61TableList[];
