// Descriptor lists of "Configuration" > "CPU ACL Management".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef CpuAclControlList[];
extern const SnmpVarDef CpuAclEthernetMaskList[];
extern const SnmpVarDef CpuAclEthernetRuleList[];
extern const SnmpVarDef CpuAclIpMaskList[];
extern const SnmpVarDef CpuAclIpRuleList[];
extern const SnmpVarDef CpuAclPacketMaskList[];
extern const SnmpVarDef CpuAclPacketRuleList[];
extern const SnmpVarDef CpuAclIpv6MaskList[];
extern const SnmpVarDef CpuAclIpv6RuleList[];
