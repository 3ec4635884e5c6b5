// Descriptor lists of MIB-II (RFC 1213): system, interfaces, ip with its address and routing
// tables, icmp, udp and snmp, as the sibling-tool pages show them.
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef Mib2SystemList[];
extern const SnmpVarDef Mib2IfTableList[];
extern const SnmpVarDef Mib2IfCountersList[];
extern const SnmpVarDef Mib2IpCountersList[];
extern const SnmpVarDef Mib2IpAddrTableList[];
extern const SnmpVarDef Mib2IpRouteTableList[];
extern const SnmpVarDef Mib2IcmpCountersList[];
extern const SnmpVarDef Mib2UdpCountersList[];
extern const SnmpVarDef Mib2SnmpCountersList[];
