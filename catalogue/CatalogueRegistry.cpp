#include "catalogue/CatalogueRegistry.h"

#include "catalogue/Authmodeoidunit.h"
#include "catalogue/Bridgeoidunit.h"
#include "catalogue/Configoidunit.h"
#include "catalogue/Cosoidunit.h"
#include "catalogue/Cpuacloidunit.h"
#include "catalogue/Dhcprelayoidunit.h"
#include "catalogue/Formoidunit.h"
#include "catalogue/Igmpoidunit.h"
#include "catalogue/Ipmacbindingoidunit.h"
#include "catalogue/Lagoidunit.h"
#include "catalogue/Loopdetectoidunit.h"
#include "catalogue/Mainoidunit.h"
#include "catalogue/Paeoidunit.h"
#include "catalogue/Portoidunit.h"
#include "catalogue/Qosoidunit.h"
#include "catalogue/Radiusoidunit.h"
#include "catalogue/Rmonoidunit.h"
#include "catalogue/Rstpoidunit.h"
#include "catalogue/Singleipoidunit.h"
#include "catalogue/Smtpoidunit.h"
#include "catalogue/Snmpv3oidunit.h"
#include "catalogue/Sshoidunit.h"
#include "catalogue/Stormoidunit.h"
#include "catalogue/Syslogoidunit.h"
#include "catalogue/Timeoidunit.h"
#include "catalogue/Trafficoidunit.h"
#include "catalogue/Trusthostoidunit.h"
#include "catalogue/Vlanoidunit.h"

namespace {

constinit const CatalogueList kLists[] = {
    // Mainoidunit
    {"ModuleTypeList", ModuleTypeList, SVT_SV, 0},
    // Configoidunit
    {"BasicInformationList", BasicInformationList, SVT_SV, 0},
    {"MibCapabilitiesList", MibCapabilitiesList, MVT_FMV, 1},
    {"CpuUtilizationList", CpuUtilizationList, SVT_SV, 0},
    {"PortUtilizationList", PortUtilizationList, MVT_FMV, 1},
    {"IpConfigurationList", IpConfigurationList, SVT_SV, 0},
    {"FdbClearAllList", FdbClearAllList, SVT_SV, 0},
    {"ArpClearAllList", ArpClearAllList, SVT_SV, 0},
    {"DeviceControlList", DeviceControlList, SVT_SV, 0},
    {"FileTransferList", FileTransferList, MVT_FMV, 1},
    {"ConsoleModeList", ConsoleModeList, SVT_SV, 0},
    {"TrapReceiverList", TrapReceiverList, MVT_UMV, 1},
    {"CableDiagnosticsList", CableDiagnosticsList, MVT_FMV, 1},
    {"SaveConfigList", SaveConfigList, SVT_SV, 0},
    {"SystemResetList", SystemResetList, SVT_SV, 0},
    // Trusthostoidunit
    {"TrustHostDeleteAllList", TrustHostDeleteAllList, SVT_SV, 0},
    // Timeoidunit
    {"SystemTimeInfoList", SystemTimeInfoList, SVT_SV, 0},
    {"SystemTimeSetList", SystemTimeSetList, SVT_SV, 0},
    {"SntpList", SntpList, SVT_SV, 0},
    // Singleipoidunit
    {"SingleIpInformationList", SingleIpInformationList, SVT_SV, 0},
    {"SingleIpControlList", SingleIpControlList, SVT_SV, 0},
    {"SingleIpMsList", SingleIpMsList, MVT_UMV, 1},
    {"SingleIpCasList", SingleIpCasList, MVT_UMV, 1},
    {"SingleIpGroupList", SingleIpGroupList, MVT_UMV, 1},
    {"SingleIpNeighborList", SingleIpNeighborList, MVT_UMV, 2},
    // Smtpoidunit
    {"SmtpInformationList", SmtpInformationList, SVT_SV, 0},
    {"SmtpReceiverList", SmtpReceiverList, MVT_UMV, 1},
    // Cpuacloidunit
    {"CpuAclControlList", CpuAclControlList, SVT_SV, 0},
    {"CpuAclEthernetMaskList", CpuAclEthernetMaskList, MVT_UMV, 1},
    {"CpuAclEthernetRuleList", CpuAclEthernetRuleList, MVT_UMV, 2},
    {"CpuAclIpMaskList", CpuAclIpMaskList, MVT_UMV, 1},
    {"CpuAclIpRuleList", CpuAclIpRuleList, MVT_UMV, 2},
    {"CpuAclPacketMaskList", CpuAclPacketMaskList, MVT_UMV, 1},
    {"CpuAclPacketRuleList", CpuAclPacketRuleList, MVT_UMV, 2},
    {"CpuAclIpv6MaskList", CpuAclIpv6MaskList, MVT_UMV, 1},
    {"CpuAclIpv6RuleList", CpuAclIpv6RuleList, MVT_UMV, 2},
    // Ipmacbindingoidunit
    {"IpMacBindingControlList", IpMacBindingControlList, SVT_SV, 0},
    {"IpMacBindingPortList", IpMacBindingPortList, MVT_UMV, 1},
    {"IpMacBindingTableList", IpMacBindingTableList, MVT_UMV, 1},
    {"IpMacBindingBlockedList", IpMacBindingBlockedList, MVT_UMV, 2},
    // Syslogoidunit
    {"SyslogControlList", SyslogControlList, SVT_SV, 0},
    {"SyslogEntryList", SyslogEntryList, MVT_UMV, 1},
    // Lagoidunit
    {"AggregatorPortList", AggregatorPortList, MVT_FMV, 1},
    {"AggregatorTableList", AggregatorTableList, MVT_FMV, 1},
    {"AggregationPortList", AggregationPortList, MVT_FMV, 1},
    {"AggPortStateList", AggPortStateList, MVT_FMV, 1},
    {"AggPortDebugList", AggPortDebugList, MVT_FMV, 1},
    // Authmodeoidunit
    {"AuthModeList", AuthModeList, SVT_SV, 0},
    // Paeoidunit
    {"SystemAuthControlList", SystemAuthControlList, SVT_SV, 0},
    {"PaeSystemList", PaeSystemList, MVT_FMV, 1},
    {"PaeAuthenticatorList", PaeAuthenticatorList, MVT_FMV, 1},
    {"PaeAuthStatsList", PaeAuthStatsList, MVT_FMV, 1},
    {"PaeAuthDiagList", PaeAuthDiagList, MVT_FMV, 1},
    {"PaeAuthSessionList", PaeAuthSessionList, MVT_FMV, 1},
    {"PaeSuppConfigList", PaeSuppConfigList, MVT_FMV, 1},
    {"PaeSuppStatsList", PaeSuppStatsList, MVT_FMV, 1},
    {"EapolForwardList", EapolForwardList, SVT_SV, 0},
    {"EapolForwardPortList", EapolForwardPortList, MVT_UMV, 1},
    // Radiusoidunit
    {"RadiusBasicList", RadiusBasicList, SVT_SV, 0},
    {"RadiusServerList", RadiusServerList, MVT_FMV, 1},
    {"RadiusAuthInfoList", RadiusAuthInfoList, SVT_SV, 0},
    {"RadiusAuthServerList", RadiusAuthServerList, MVT_FMV, 1},
    {"RadiusAcctControlList", RadiusAcctControlList, SVT_SV, 0},
    {"RadiusAcctServiceList", RadiusAcctServiceList, MVT_FMV, 1},
    {"RadiusAcctInfoList", RadiusAcctInfoList, SVT_SV, 0},
    {"RadiusAcctServerList", RadiusAcctServerList, MVT_FMV, 1},
    {"MacAuthStateList", MacAuthStateList, MVT_FMV, 2},
    {"MacAuthStatsList", MacAuthStatsList, MVT_FMV, 2},
    {"MacAuthDiagList", MacAuthDiagList, MVT_FMV, 2},
    {"MacAuthSessionList", MacAuthSessionList, MVT_FMV, 2},
    // Sshoidunit
    {"SshManagementList", SshManagementList, SVT_SV, 0},
    {"SshAlgorithmList", SshAlgorithmList, SVT_SV, 0},
    {"SshAuthMethodList", SshAuthMethodList, SVT_SV, 0},
    {"SshUserList", SshUserList, MVT_UMV, 1},
    // Bridgeoidunit
    {"Bridge8021dInfoList", Bridge8021dInfoList, SVT_SV, 0},
    {"Bridge8021dPortList", Bridge8021dPortList, MVT_UMV, 1},
    // Rstpoidunit
    {"StpManagementList", StpManagementList, SVT_SV, 0},
    {"StpPortInformationList", StpPortInformationList, MVT_UMV, 1},
    // Vlanoidunit
    {"Priority8021pBasicList", Priority8021pBasicList, SVT_SV, 0},
    {"Vlan8021qBasicList", Vlan8021qBasicList, SVT_SV, 0},
    // Rmonoidunit
    {"RmonStateList", RmonStateList, SVT_SV, 0},
    // Snmpv3oidunit
    {"SnmpEngineList", SnmpEngineList, SVT_SV, 0},
    {"SnmpMpdList", SnmpMpdList, SVT_SV, 0},
    {"SnmpTargetObjectsList", SnmpTargetObjectsList, SVT_SV, 0},
    {"SnmpTargetAddrList", SnmpTargetAddrList, MVT_UMV, 1},
    {"SnmpTargetParamsList", SnmpTargetParamsList, MVT_UMV, 1},
    {"UsmStatsList", UsmStatsList, SVT_SV, 0},
    {"UsmUserList", UsmUserList, MVT_UMV, 2},
    {"VacmGroupList", VacmGroupList, MVT_UMV, 2},
    {"VacmAccessList", VacmAccessList, MVT_UMV, 4},
    {"VacmViewTreeList", VacmViewTreeList, MVT_UMV, 2},
    {"SnmpNotifyList", SnmpNotifyList, MVT_UMV, 1},
    {"SnmpNotifyProfileList", SnmpNotifyProfileList, MVT_UMV, 1},
    {"SnmpNotifyFilterList", SnmpNotifyFilterList, MVT_UMV, 2},
    {"SnmpCommunityList", SnmpCommunityList, MVT_UMV, 1},
    {"SnmpCommunityTargetList", SnmpCommunityTargetList, MVT_FMV, 1},
    // Qosoidunit
    {"QosMechanismList", QosMechanismList, SVT_SV, 0},
    {"BandwidthControlList", BandwidthControlList, MVT_UMV, 1},
    {"QosSchedulingList", QosSchedulingList, MVT_UMV, 1},
    {"UserPriorityList", UserPriorityList, MVT_UMV, 1},
    {"DefaultPriorityList", DefaultPriorityList, MVT_UMV, 1},
    // Portoidunit
    {"TrunkInformationList", TrunkInformationList, SVT_SV, 0},
    {"PortTrunkList", PortTrunkList, MVT_FMV, 1},
    {"LacpPortList", LacpPortList, MVT_UMV, 1},
    {"TrunkVlanList", TrunkVlanList, MVT_UMV, 1},
    {"PortMirrorList", PortMirrorList, SVT_SV, 0},
    {"PortInformationList", PortInformationList, MVT_FMV, 1},
    {"PortControlList", PortControlList, MVT_UMV, 1},
    // Trafficoidunit
    {"TrafficControlList", TrafficControlList, MVT_UMV, 1},
    {"TrafficSegmentList", TrafficSegmentList, MVT_UMV, 1},
    {"PortErrorList", PortErrorList, MVT_UMV, 1},
    {"PortSecurityList", PortSecurityList, MVT_FMV, 1},
    // Stormoidunit
    {"PacketStormControlList", PacketStormControlList, SVT_SV, 0},
    {"PacketStormTableList", PacketStormTableList, MVT_UMV, 1},
    // Loopdetectoidunit
    {"LoopDetectionList", LoopDetectionList, SVT_SV, 0},
    {"LoopDetectionPortList", LoopDetectionPortList, MVT_UMV, 1},
    // Igmpoidunit
    {"IgmpInformationList", IgmpInformationList, SVT_SV, 0},
    {"IgmpControlList", IgmpControlList, MVT_UMV, 1},
    {"IgmpQueryList", IgmpQueryList, MVT_FMV, 1},
    {"IgmpTableList", IgmpTableList, MVT_FMV, 2},
    {"IgmpAccessAuthList", IgmpAccessAuthList, MVT_UMV, 1},
    // Cosoidunit
    {"CosPriorityList", CosPriorityList, MVT_UMV, 1},
    {"CosPortPriList", CosPortPriList, MVT_UMV, 1},
    {"CosMacPriList", CosMacPriList, MVT_UMV, 1},
    {"CosTosPriList", CosTosPriList, MVT_UMV, 1},
    {"CosDscpPriList", CosDscpPriList, MVT_UMV, 1},
    // Dhcprelayoidunit
    {"DhcpRelayList", DhcpRelayList, SVT_SV, 0},
    {"DhcpOption82List", DhcpOption82List, SVT_SV, 0},
    {"DhcpOption60List", DhcpOption60List, SVT_SV, 0},
    {"DhcpOption60DefaultList", DhcpOption60DefaultList, MVT_UMV, 1},
    {"DhcpOption60TableList", DhcpOption60TableList, MVT_UMV, 2},
    {"DhcpOption61List", DhcpOption61List, SVT_SV, 0},
    {"DhcpOption61TableList", DhcpOption61TableList, MVT_UMV, 2},
};

}  // namespace

int definitionCount(const SnmpVarDef* defs) {
  int n = 0;
  while (defs && defs[n].oid) ++n;
  return n;
}

int CatalogueList::itemCount() const {
  return definitionCount(defs);
}

const std::vector<CatalogueList>& catalogueLists() {
  static const std::vector<CatalogueList> lists(std::begin(kLists), std::end(kLists));
  return lists;
}

const CatalogueList* findCatalogueList(QStringView name) {
  for (const CatalogueList& list : catalogueLists())
    if (name == QLatin1StringView(list.name)) return &list;
  for (const CatalogueList& list : formLists())
    if (name == QLatin1StringView(list.name)) return &list;
  return nullptr;
}
