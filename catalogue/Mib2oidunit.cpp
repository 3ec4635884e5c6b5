#include "catalogue/Mib2oidunit.h"

#include "catalogue/CatalogueOptions.h"
#include "catalogue/StandardMibOptions.h"

namespace {
constexpr quint32 RO = Access::ReadOnly;
constexpr quint32 RW = Access::ReadWrite;
constexpr quint32 Key = Access::NotAccess;
}  // namespace

// system (1.3.6.1.2.1.1); scalars. The three administrative texts are writable.
constinit const SnmpVarDef Mib2SystemList[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.1.2", "sysObjectID", Syntax::ObjectId, RO},
    {"1.3.6.1.2.1.1.3", "sysUpTime", Syntax::TimeTicks, RO},
    {"1.3.6.1.2.1.1.4", "sysContact", Syntax::DisplayStr, RW},
    {"1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayStr, RW},
    {"1.3.6.1.2.1.1.6", "sysLocation", Syntax::DisplayStr, RW},
    {"1.3.6.1.2.1.1.7", "sysServices", Syntax::Integer, RO},
    {},
};

// ifTable (1.3.6.1.2.1.2.2): the interfaces and their state; key ifIndex.
constinit const SnmpVarDef Mib2IfTableList[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", Syntax::Integer, RO, &IfTypeOptions},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", Syntax::Integer, RO},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", Syntax::Guage, RO},
    {"1.3.6.1.2.1.2.2.1.6", "ifPhysAddress", Syntax::OctetStr, RO},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", Syntax::Integer, RW, &IfAdminStatusOptions},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus", Syntax::Integer, RO, &IfOperStatusOptions},
    {"1.3.6.1.2.1.2.2.1.9", "ifLastChange", Syntax::TimeTicks, RO},
    {"1.3.6.1.2.1.2.2.1.21", "ifOutQLen", Syntax::Guage, RO},
    {"1.3.6.1.2.1.2.2.1.22", "ifSpecific", Syntax::ObjectId, RO},
    {},
};

// ifTable's traffic counters; key ifIndex.
constinit const SnmpVarDef Mib2IfCountersList[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Key},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", Syntax::DisplayStr, RO},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.11", "ifInUcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.12", "ifInNUcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.15", "ifInUnknownProtos", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.17", "ifOutUcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.18", "ifOutNUcastPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", Syntax::Counter, RO},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", Syntax::Counter, RO},
    {},
};

// ip (1.3.6.1.2.1.4); scalars.
constinit const SnmpVarDef Mib2IpCountersList[] = {
    {"1.3.6.1.2.1.4.1", "ipForwarding", Syntax::Integer, RO, &IpForwardingOptions},
    {"1.3.6.1.2.1.4.2", "ipDefaultTTL", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.3", "ipInReceives", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.4", "ipInHdrErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.5", "ipInAddrErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.6", "ipForwDatagrams", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.7", "ipInUnknownProtos", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.8", "ipInDiscards", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.9", "ipInDelivers", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.10", "ipOutRequests", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.11", "ipOutDiscards", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.12", "ipOutNoRoutes", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.13", "ipReasmTimeout", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.14", "ipReasmReqds", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.15", "ipReasmOKs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.16", "ipReasmFails", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.17", "ipFragOKs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.18", "ipFragFails", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.19", "ipFragCreates", Syntax::Counter, RO},
    {"1.3.6.1.2.1.4.23", "ipRoutingDiscards", Syntax::Counter, RO},
    {},
};

// ipAddrTable (1.3.6.1.2.1.4.20); key ipAdEntAddr.
constinit const SnmpVarDef Mib2IpAddrTableList[] = {
    {"1.3.6.1.2.1.4.20.1.1", "ipAdEntAddr", Syntax::IpAddress, Key},
    {"1.3.6.1.2.1.4.20.1.2", "ipAdEntIfIndex", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.20.1.3", "ipAdEntNetMask", Syntax::IpAddress, RO},
    {"1.3.6.1.2.1.4.20.1.4", "ipAdEntBcastAddr", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.20.1.5", "ipAdEntReasmMaxSize", Syntax::Integer, RO},
    {},
};

// ipRouteTable (1.3.6.1.2.1.4.21); key ipRouteDest.
constinit const SnmpVarDef Mib2IpRouteTableList[] = {
    {"1.3.6.1.2.1.4.21.1.1", "ipRouteDest", Syntax::IpAddress, Key},
    {"1.3.6.1.2.1.4.21.1.2", "ipRouteIfIndex", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.3", "ipRouteMetric1", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.4", "ipRouteMetric2", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.5", "ipRouteMetric3", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.6", "ipRouteMetric4", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.7", "ipRouteNextHop", Syntax::IpAddress, RO},
    {"1.3.6.1.2.1.4.21.1.8", "ipRouteType", Syntax::Integer, RO, &IpRouteTypeOptions},
    {"1.3.6.1.2.1.4.21.1.9", "ipRouteProto", Syntax::Integer, RO, &IpRouteProtoOptions},
    {"1.3.6.1.2.1.4.21.1.10", "ipRouteAge", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.11", "ipRouteMask", Syntax::IpAddress, RO},
    {"1.3.6.1.2.1.4.21.1.12", "ipRouteMetric5", Syntax::Integer, RO},
    {"1.3.6.1.2.1.4.21.1.13", "ipRouteInfo", Syntax::ObjectId, RO},
    {},
};

// icmp (1.3.6.1.2.1.5); scalars.
constinit const SnmpVarDef Mib2IcmpCountersList[] = {
    {"1.3.6.1.2.1.5.1", "icmpInMsgs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.2", "icmpInErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.3", "icmpInDestUnreachs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.4", "icmpInTimeExcds", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.5", "icmpInParmProbs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.6", "icmpInSrcQuenchs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.7", "icmpInRedirects", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.8", "icmpInEchos", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.9", "icmpInEchoReps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.10", "icmpInTimestamps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.11", "icmpInTimestampReps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.12", "icmpInAddrMasks", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.13", "icmpInAddrMaskReps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.14", "icmpOutMsgs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.15", "icmpOutErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.16", "icmpOutDestUnreachs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.17", "icmpOutTimeExcds", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.18", "icmpOutParmProbs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.19", "icmpOutSrcQuenchs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.20", "icmpOutRedirects", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.21", "icmpOutEchos", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.22", "icmpOutEchoReps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.23", "icmpOutTimestamps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.24", "icmpOutTimestampReps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.25", "icmpOutAddrMasks", Syntax::Counter, RO},
    {"1.3.6.1.2.1.5.26", "icmpOutAddrMaskReps", Syntax::Counter, RO},
    {},
};

// udp (1.3.6.1.2.1.7); scalars.
constinit const SnmpVarDef Mib2UdpCountersList[] = {
    {"1.3.6.1.2.1.7.1", "udpInDatagrams", Syntax::Counter, RO},
    {"1.3.6.1.2.1.7.2", "udpNoPorts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.7.3", "udpInErrors", Syntax::Counter, RO},
    {"1.3.6.1.2.1.7.4", "udpOutDatagrams", Syntax::Counter, RO},
    {},
};

// snmp (1.3.6.1.2.1.11); scalars (arcs 7 and 23 are unused).
constinit const SnmpVarDef Mib2SnmpCountersList[] = {
    {"1.3.6.1.2.1.11.1", "snmpInPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.2", "snmpOutPkts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.3", "snmpInBadVersions", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.4", "snmpInBadCommunityNames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.5", "snmpInBadCommunityUses", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.6", "snmpInASNParseErrs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.8", "snmpInTooBigs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.9", "snmpInNoSuchNames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.10", "snmpInBadValues", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.11", "snmpInReadOnlys", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.12", "snmpInGenErrs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.13", "snmpInTotalReqVars", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.14", "snmpInTotalSetVars", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.15", "snmpInGetRequests", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.16", "snmpInGetNexts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.17", "snmpInSetRequests", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.18", "snmpInGetResponses", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.19", "snmpInTraps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.20", "snmpOutTooBigs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.21", "snmpOutNoSuchNames", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.22", "snmpOutBadValues", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.24", "snmpOutGenErrs", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.25", "snmpOutGetRequests", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.26", "snmpOutGetNexts", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.27", "snmpOutSetRequests", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.28", "snmpOutGetResponses", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.29", "snmpOutTraps", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.30", "snmpEnableAuthenTraps", Syntax::Integer, RO, &EnabledDisabled},
    {"1.3.6.1.2.1.11.31", "snmpSilentDrops", Syntax::Counter, RO},
    {"1.3.6.1.2.1.11.32", "snmpProxyDrops", Syntax::Counter, RO},
    {},
};
