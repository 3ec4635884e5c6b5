#include "catalogue/StandardMibOptions.h"

namespace {

// IANAifType: the types a switch reports.
const OptionSource IfTypeSource[] = {
    {1, "other"}, {6, "ethernetCsmacd"}, {24, "softwareLoopback"}, {53, "propVirtual"},
    {117, "gigabitEthernet"}, {135, "l2vlan"}, {136, "l3ipvlan"}, {161, "ieee8023adLag"},
    {0, nullptr}};
const OptionSource IfAdminStatusSource[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const OptionSource IfOperStatusSource[] = {
    {1, "up"}, {2, "down"}, {3, "testing"}, {4, "unknown"}, {5, "dormant"}, {6, "notPresent"},
    {7, "lowerLayerDown"}, {0, nullptr}};
const OptionSource IpForwardingSource[] = {{1, "forwarding"}, {2, "notForwarding"}, {0, nullptr}};
const OptionSource IpRouteTypeSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr}};
const OptionSource IpRouteProtoSource[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"}, {7, "hello"},
    {8, "rip"}, {9, "is-is"}, {10, "es-is"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"},
    {14, "bgp"}, {0, nullptr}};
const OptionSource BridgeStaticStatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"}, {5, "deleteOnTimeout"},
    {0, nullptr}};
const OptionSource FdbStatusSource[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};
const OptionSource AcceptableFrameTypesSource[] = {
    {1, "admitAll"}, {2, "admitOnlyVlanTagged"}, {0, nullptr}};
// RMON's EntryStatus.
const OptionSource EntryStatusSource[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr}};
const OptionSource AlarmSampleTypeSource[] = {{1, "absoluteValue"}, {2, "deltaValue"}, {0, nullptr}};
const OptionSource AlarmStartupSource[] = {
    {1, "risingAlarm"}, {2, "fallingAlarm"}, {3, "risingOrFallingAlarm"}, {0, nullptr}};
const OptionSource EventTypeSource[] = {
    {1, "none"}, {2, "log"}, {3, "snmptrap"}, {4, "logandtrap"}, {0, nullptr}};
const OptionSource DuplexStatusSource[] = {
    {1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {0, nullptr}};
const OptionSource RateControlStatusSource[] = {
    {1, "rateControlOff"}, {2, "rateControlOn"}, {3, "unknown"}, {0, nullptr}};
const OptionSource PhysicalClassSource[] = {
    {1, "other"}, {2, "unknown"}, {3, "chassis"}, {4, "backplane"}, {5, "container"},
    {6, "powerSupply"}, {7, "fan"}, {8, "sensor"}, {9, "module"}, {10, "port"}, {11, "stack"},
    {12, "cpu"}, {0, nullptr}};

}  // namespace

const MvOptionList IfTypeOptions(IfTypeSource);
const MvOptionList IfAdminStatusOptions(IfAdminStatusSource);
const MvOptionList IfOperStatusOptions(IfOperStatusSource);
const MvOptionList IpForwardingOptions(IpForwardingSource);
const MvOptionList IpRouteTypeOptions(IpRouteTypeSource);
const MvOptionList IpRouteProtoOptions(IpRouteProtoSource);
const MvOptionList BridgeStaticStatusOptions(BridgeStaticStatusSource);
const MvOptionList FdbStatusOptions(FdbStatusSource);
const MvOptionList AcceptableFrameTypesOptions(AcceptableFrameTypesSource);
const MvOptionList EntryStatusOptions(EntryStatusSource);
const MvOptionList AlarmSampleTypeOptions(AlarmSampleTypeSource);
const MvOptionList AlarmStartupOptions(AlarmStartupSource);
const MvOptionList EventTypeOptions(EventTypeSource);
const MvOptionList DuplexStatusOptions(DuplexStatusSource);
const MvOptionList RateControlStatusOptions(RateControlStatusSource);
const MvOptionList PhysicalClassOptions(PhysicalClassSource);
