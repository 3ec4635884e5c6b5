#include "catalogue/CatalogueOptions.h"

// ---- recurring sets
const OptionSource DisabledEnabledSource[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const OptionSource EnabledDisabledSource[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const OptionSource EnableDisableSource[] = {
    {1, "enable"}, {2, "disable"}, {0, nullptr}};
const OptionSource TruthValueOptionsSource[] = {
    {1, "true"}, {2, "false"}, {0, nullptr}};
const OptionSource RowStatusOptionsSource[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr}};
const OptionSource StorageTypeOptionsSource[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"},
    {0, nullptr}};

// ---- explicit lists
namespace {

// ModuleTypeList "swL2Module-1-Type", ModuleTypeList "swL2Module-2-Type".
const OptionSource ModuleTypeOptionsSource[] = {
    {0, "none"}, {1, "moduleType-KM-6B"}, {2, "moduleType-KM-5A"}, {3, "moduleType-KM-6A"},
    {4, "moduleType-COMBA"}, {0, nullptr}};
// BasicInformationList "Protocol Capability".
const OptionSource ProtocolCapabilityOptionsSource[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr}};
// BasicInformationList "Status Console In Use".
const OptionSource StatusConsoleInUseOptionsSource[] = {
    {1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
// BasicInformationList "Status Save Configure".
const OptionSource StatusSaveConfigureOptionsSource[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "changed-not-save"}, {5, "failed"},
    {0, nullptr}};
// BasicInformationList "Status File Transfer".
const OptionSource StatusFileTransferOptionsSource[] = {
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"},
    {6, "disk-full"}, {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"},
    {0, nullptr}};
// MibCapabilitiesList "Type".
const OptionSource MibCapabilityTypeOptionsSource[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}};
// IpConfigurationList "Get IP From".
const OptionSource GetIpFromOptionsSource[] = {
    {2, "Manual"}, {3, "BOOTP"}, {4, "DHCP"}, {0, nullptr}};
// FdbClearAllList "FDB Clear All State", ArpClearAllList "ARP Clear All State".
const OptionSource OtherStartOptionsSource[] = {
    {1, "other"}, {2, "start"}, {0, nullptr}};
// TrustHostDeleteAllList "Trust Host Delete All State".
const OptionSource TrustHostDeleteAllStateOptionsSource[] = {
    {1, "none"}, {2, "start"}, {0, nullptr}};
// SntpList "SNTP Time Source".
const OptionSource SntpTimeSourceOptionsSource[] = {
    {0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};
// SingleIpControlList "Single IP Role State".
const OptionSource SingleIpRoleStateOptionsSource[] = {
    {1, "cs"}, {2, "cas"}, {3, "ms"}, {0, nullptr}};
// SingleIpMsList "Single IP MS Row Status", IpMacBindingTableList "Status", TrapReceiverList
// "Status" and 1 more.
const OptionSource ActiveCreateDestroyOptionsSource[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
// SingleIpNeighborList "Single IP NB Role State".
const OptionSource SingleIpNbRoleStateOptionsSource[] = {
    {1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};
// DeviceControlList "Clean All  Statistic Counter".
const OptionSource CleanAllStatisticCounterOptionsSource[] = {
    {1, "normal"}, {2, "active"}, {0, nullptr}};
// DeviceControlList "Multicast Filter".
const OptionSource MulticastFilterOptionsSource[] = {
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {0, nullptr}};
// DeviceControlList "Port Security Trap Log State", IpMacBindingControlList "IP MAC Binding Trap
// Log State", IpMacBindingPortList "Port State" and 1 more.
const OptionSource Enable2Disable3OptionsSource[] = {
    {2, "enable"}, {3, "disable"}, {0, nullptr}};
// FileTransferList "Transfer Type".
const OptionSource FileTransferTypeOptionsSource[] = {
    {2, "network-load"}, {3, "out-of-band-load"}, {0, nullptr}};
// FileTransferList "Load Type".
const OptionSource FileLoadTypeOptionsSource[] = {
    {2, "upload"}, {3, "download"}, {0, nullptr}};
// FileTransferList "Control".
const OptionSource FileTransferControlOptionsSource[] = {
    {2, "inactive"}, {3, "start"}, {0, nullptr}};
// ConsoleModeList "Data Bits".
const OptionSource DataBitsOptionsSource[] = {
    {2, "bits-7"}, {3, "bits-8"}, {0, nullptr}};
// ConsoleModeList "Stop Bits".
const OptionSource StopBitsOptionsSource[] = {
    {2, "stopbits-1"}, {3, "stopbits-2"}, {0, nullptr}};
// ConsoleModeList "Parity".
const OptionSource ParityOptionsSource[] = {
    {1, "none"}, {2, "odd"}, {3, "even"}, {0, nullptr}};
// ConsoleModeList "Baud Rate".
const OptionSource BaudRateOptionsSource[] = {
    {2, "baudRate-2400"}, {3, "baudRate-9600"}, {4, "baudRate-19200"}, {5, "baudRate-38400"},
    {6, "baudRate-57200"}, {7, "baudRate-115200"}, {0, nullptr}};
// ConsoleModeList "Logout Time".
const OptionSource LogoutTimeOptionsSource[] = {
    {1, "never"}, {2, "two-minutes"}, {3, "five-minutes"}, {4, "ten-minutes"},
    {5, "fifteen-minutes"}, {0, nullptr}};
// SmtpInformationList "SMTP Send Test Status".
const OptionSource SmtpSendTestStatusOptionsSource[] = {
    {1, "success"}, {2, "failed"}, {3, "in-processing"}, {0, nullptr}};
// CpuAclEthernetMaskList "CPU ACL Ethernet MAC Address Mask State".
const OptionSource CpuAclEthernetMacAddressMaskStateOptionsSource[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
// CpuAclEthernetRuleList "CPU ACL Ether Rule Permit", CpuAclIpRuleList "CPU ACL IP Rule Permit",
// CpuAclPacketRuleList "CPU ACL Packet Content Rule Permit" and 1 more.
const OptionSource DenyPermitOptionsSource[] = {
    {1, "deny"}, {2, "permit"}, {0, nullptr}};
// CpuAclIpMaskList "CPU ACL IP IP Address Mask State".
const OptionSource CpuAclIpIpAddressMaskStateOptionsSource[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
// CpuAclIpMaskList "CPU ACL IP Use Proto Type", CpuAclIpRuleList "CPU ACL IP Rule Protocol".
const OptionSource CpuAclProtocolOptionsSource[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr}};
// CpuAclIpMaskList "CPU ACL IP ICMP Option".
const OptionSource CpuAclIcmpOptionsSource[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
// CpuAclIpMaskList "CPU ACL IP TCP Option", CpuAclIpMaskList "CPU ACL IP UDP Option".
const OptionSource CpuAclDstSrcAddrOptionsSource[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
// CpuAclIpv6MaskList "CPU ACL IPv6 IP Address Mask State".
const OptionSource CpuAclIpv6AddressMaskStateOptionsSource[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"},
    {0, nullptr}};
// IpMacBindingControlList "All Port State".
const OptionSource AllPortStateOptionsSource[] = {
    {1, "other"}, {2, "enable"}, {3, "disable"}, {0, nullptr}};
// IpMacBindingBlockedList "Blocked Type".
const OptionSource BlockedTypeOptionsSource[] = {
    {1, "other"}, {2, "blockByAddrBind"}, {3, "delete"}, {0, nullptr}};
// TrapReceiverList "Trap Version".
const OptionSource TrapVersionOptionsSource[] = {
    {1, "Agent Version"}, {2, "v1"}, {3, "v2"}, {0, nullptr}};
// SyslogEntryList "System Log Server Facility".
const OptionSource SystemLogServerFacilityOptionsSource[] = {
    {0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"}, {4, "local4"}, {5, "local5"},
    {6, "local6"}, {7, "local7"}, {0, nullptr}};
// SyslogEntryList "System Log Server Severity".
const OptionSource SystemLogServerSeverityOptionsSource[] = {
    {1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}};
// SyslogEntryList "System Log Server State", IgmpControlList "Query State".
const OptionSource OtherDisabledEnabledOptionsSource[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
// AggPortDebugList "Dot3 Aggregator Port Debug RX State".
const OptionSource AggPortRxStateOptionsSource[] = {
    {1, "currentx"}, {2, "expired"}, {3, "defaulted"}, {4, "initialize"}, {5, "lacpDisabled"},
    {6, "portDisabled"}, {0, nullptr}};
// AggPortDebugList "Dot3 Aggregator Port Debug Mux State".
const OptionSource AggPortMuxStateOptionsSource[] = {
    {1, "detached"}, {2, "waiting"}, {3, "attached"}, {4, "collecting"}, {5, "distributing"},
    {6, "collecting-distributing"}, {0, nullptr}};
// AggPortDebugList "Dot3 Aggregator Port Debug Actor Churn State", AggPortDebugList "Dot3
// Aggregator Port Debug Partner Churn State".
const OptionSource ChurnStateOptionsSource[] = {
    {1, "noChurn"}, {2, "churn"}, {3, "churnMonitor"}, {0, nullptr}};
// CableDiagnosticsList "Port Type".
const OptionSource CablePortTypeOptionsSource[] = {
    {0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}, {0, nullptr}};
// CableDiagnosticsList "Link Status".
const OptionSource CableLinkStatusOptionsSource[] = {
    {0, "link-down"}, {1, "link-up"}, {2, "other"}, {0, nullptr}};
// CableDiagnosticsList "Pair1 Status", CableDiagnosticsList "Pair2 Status", CableDiagnosticsList
// "Pair3 Status" and 1 more.
const OptionSource CablePairStatusOptionsSource[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"},
    {6, "count"}, {7, "no-cable"}, {8, "other"}, {0, nullptr}};
// CableDiagnosticsList "Diag Action".
const OptionSource CableDiagActionOptionsSource[] = {
    {1, "action"}, {2, "processing"}, {3, "other"}, {0, nullptr}};
// SaveConfigList "agentSaveCfg".
const OptionSource AgentSaveCfgOptionsSource[] = {
    {1, "other"}, {3, "cfg"}, {4, "log"}, {5, "all"}, {0, nullptr}};
// SystemResetList "agentSystemReset".
const OptionSource AgentSystemResetOptionsSource[] = {
    {1, "other"}, {2, "cold-start"}, {3, "warm-start"}, {4, "no-reset"}, {0, nullptr}};
// AuthModeList "User Authentication Protocol".
const OptionSource UserAuthenticationProtocolOptionsSource[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}};
// AuthModeList "Device Authentication Mode".
const OptionSource DeviceAuthenticationModeOptionsSource[] = {
    {1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr}};
// PaeAuthenticatorList "PAE State", MacAuthStateList "Auth PAE State".
const OptionSource PaeStateOptionsSource[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"},
    {0, nullptr}};
// PaeAuthenticatorList "Backend Auth State", MacAuthStateList "Auth Backend Auth State".
const OptionSource BackendAuthStateOptionsSource[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {0, nullptr}};
// PaeAuthenticatorList "Admin Controlled Directions", PaeAuthenticatorList "Operative Controlled
// Directions".
const OptionSource ControlledDirectionsOptionsSource[] = {
    {0, "both"}, {1, "in"}, {0, nullptr}};
// PaeAuthenticatorList "Controlled Port Status", MacAuthStateList "Auth Auth Controlled Port
// Status".
const OptionSource ControlledPortStatusOptionsSource[] = {
    {1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
// PaeAuthenticatorList "Controlled Port Control".
const OptionSource ControlledPortControlOptionsSource[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
// PaeAuthSessionList "Auth Session Authentic Method", MacAuthSessionList "Auth Session Authentic
// Method".
const OptionSource AuthSessionAuthenticMethodOptionsSource[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
// PaeAuthSessionList "Auth Session Terminate Cause", MacAuthSessionList "Auth Session Terminate
// Cause".
const OptionSource AuthSessionTerminateCauseOptionsSource[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"},
    {999, "notTerminatedYet"}, {0, nullptr}};
// PaeSuppConfigList "Supplicant PAE State".
const OptionSource SupplicantPaeStateOptionsSource[] = {
    {1, "disconnected"}, {2, "logoff"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "acquired"}, {7, "held"}, {0, nullptr}};
// RadiusServerList "Index".
const OptionSource RadiusServerIndexOptionsSource[] = {
    {1, "swRadiusServerIndex-first"}, {2, "swRadiusServerIndex-second"},
    {3, "swRadiusServerIndex-third"}, {0, nullptr}};
// RadiusAcctServiceList "RADIUS Accounting Service Index".
const OptionSource RadiusAccountingServiceIndexOptionsSource[] = {
    {1, "acctServiceIndex-network"}, {2, "acctServiceIndex-exec"}, {3, "acctServiceIndex-system"},
    {0, nullptr}};
// RadiusAcctServiceList "RADIUS Accounting Service Method".
const OptionSource RadiusAccountingServiceMethodOptionsSource[] = {
    {1, "swRadiusAcctServiceMethodNone"}, {2, "swRadiusAcctServiceMethodRADIUS"}, {0, nullptr}};
// RadiusAcctServiceList "RADIUS Accounting Service Mode".
const OptionSource RadiusAccountingServiceModeOptionsSource[] = {
    {1, "RadiusAcctServiceModeNone"}, {2, "RadiusAcctServiceModeStartStop"},
    {3, "RadiusAcctServiceModeStopOnly"}, {0, nullptr}};
// SshManagementList "SSH Session Key Rekeying".
const OptionSource SshSessionKeyRekeyingOptionsSource[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}};
// SshUserList "SSH User Authentication Mode".
const OptionSource SshUserAuthenticationModeOptionsSource[] = {
    {1, "hostbased"}, {2, "password"}, {3, "publickey"}, {0, nullptr}};
// Bridge8021dInfoList "Bridge Type".
const OptionSource BridgeTypeOptionsSource[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr}};
// StpPortInformationList "STP Port Status".
const OptionSource StpPortStatusOptionsSource[] = {
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {0, nullptr}};
// StpPortInformationList "STP Port Role".
const OptionSource StpPortRoleOptionsSource[] = {
    {1, "disabled"}, {2, "alternate"}, {3, "backup"}, {4, "root"}, {5, "designated"}, {6, "nonStp"},
    {7, "loopback"}, {0, nullptr}};
// StpPortInformationList "STP Port Link State".
const OptionSource StpPortLinkStateOptionsSource[] = {
    {1, "link-down"}, {2, "half-10Mbps-none"}, {3, "half-10Mbps-backp"}, {4, "full-10Mbps-none"},
    {5, "full-10Mbps-8023x"}, {6, "half-100Mbps-none"}, {7, "half-100Mbps-backp"},
    {8, "full-100Mbps-none"}, {9, "full-100Mbps-8023x"}, {10, "half-1000Mbps-none"},
    {11, "full-1000Mbps-backp"}, {12, "full-1000Mbps-none"}, {13, "full-1000Mbps-8023x"},
    {0, nullptr}};
// StpPortInformationList "STP Port Admin Point To Point".
const OptionSource StpPortAdminPointToPointOptionsSource[] = {
    {0, "forceTrue"}, {1, "forceFalse"}, {2, "auto"}, {0, nullptr}};
// SnmpTargetParamsList "SNMP Target Params Security Level", VacmAccessList "Access Security Level".
const OptionSource SecurityLevelOptionsSource[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
// VacmAccessList "Access Context Match".
const OptionSource ContextMatchOptionsSource[] = {
    {1, "exact"}, {2, "prefix"}, {0, nullptr}};
// VacmViewTreeList "VACM View Tree Family Type", SnmpNotifyFilterList "Notify Filter Type".
const OptionSource IncludedExcludedOptionsSource[] = {
    {1, "included"}, {2, "excluded"}, {0, nullptr}};
// SnmpNotifyList "Type".
const OptionSource NotifyTypeOptionsSource[] = {
    {1, "trap"}, {2, "inform"}, {0, nullptr}};
// QosMechanismList "Mechanism Control".
const OptionSource QosMechanismOptionsSource[] = {
    {1, "strict"}, {2, "weightfair"}, {3, "none"}, {0, nullptr}};
// TrunkInformationList "Algorithm".
const OptionSource TrunkAlgorithmOptionsSource[] = {
    {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"}, {0, nullptr}};
// PortTrunkList "Type".
const OptionSource PortTrunkTypeOptionsSource[] = {
    {1, "static"}, {2, "lacp"}, {0, nullptr}};
// LacpPortList "Trunk LACP Port State".
const OptionSource TrunkLacpPortStateOptionsSource[] = {
    {1, "active"}, {2, "passive"}, {0, nullptr}};
// PortInformationList "Link Status".
const OptionSource PortInformationLinkStatusOptionsSource[] = {
    {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
// PortInformationList "Nway Status".
const OptionSource NwayStatusOptionsSource[] = {
    {1, "auto"}, {2, "full-10Mbps-8023x"}, {3, "full-10Mbps-none"}, {4, "half-10Mbps-backp"},
    {5, "half-10Mbps-none"}, {6, "full-100Mbps-8023x"}, {7, "full-100Mbps-none"},
    {8, "half-100Mbps-backp"}, {9, "half-100Mbps-none"}, {10, "full-1Gigabps-8023x"},
    {11, "full-1Gigabps-none"}, {12, "half-1Gigabps-backp"}, {13, "half-1Gigabps-none"},
    {0, nullptr}};
// PortControlList "Nway State".
const OptionSource NwayStateOptionsSource[] = {
    {1, "nway-auto"}, {2, "nway-disabled-10Mbps-Half"}, {3, "nway-disabled-10Mbps-Full"},
    {4, "nway-disabled-100Mbps-Half"}, {5, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Full"}, {0, nullptr}};
// PortControlList "MDIX State".
const OptionSource MdixStateOptionsSource[] = {
    {1, "auto"}, {2, "normal"}, {3, "cross"}, {0, nullptr}};
// PortErrorList "Port Error Port State", PacketStormTableList "Broadcast Status",
// PacketStormTableList "Multicast Status" and 1 more.
const OptionSource Disabled1Enabled2OptionsSource[] = {
    {1, "disabled"}, {2, "enabled"}, {0, nullptr}};
// PortErrorList "Port Error Port Status".
const OptionSource PortErrorPortStatusOptionsSource[] = {
    {1, "other"}, {2, "err-disabled"}, {0, nullptr}};
// PortErrorList "Port Error Port Reason".
const OptionSource PortErrorPortReasonOptionsSource[] = {
    {1, "stp-lbd"}, {2, "storm-control"}, {0, nullptr}};
// PortSecurityList "Security Mode".
const OptionSource PortSecurityModeOptionsSource[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr}};
// PacketStormControlList "Trap Control".
const OptionSource StormTrapControlOptionsSource[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {0, nullptr}};
// PacketStormTableList "Action Status".
const OptionSource StormActionOptionsSource[] = {
    {1, "shutdown"}, {2, "drop"}, {0, nullptr}};
// PacketStormTableList "Shutdown Forever".
const OptionSource YesNoOptionsSource[] = {
    {1, "yes"}, {2, "no"}, {0, nullptr}};
// LoopDetectionPortList "Port Loop Status".
const OptionSource PortLoopStatusOptionsSource[] = {
    {1, "normal"}, {2, "loop"}, {3, "error"}, {0, nullptr}};
// IgmpControlList "Current State".
const OptionSource IgmpQuerierStateOptionsSource[] = {
    {1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}};
// IgmpControlList "Ctrl State", IgmpControlList "Fast Leave".
const OptionSource OtherDisableEnableOptionsSource[] = {
    {1, "other"}, {2, "disable"}, {3, "enable"}, {0, nullptr}};
// IgmpAccessAuthList "IGMP Access Authentication State", CosPriorityList "CoS Priority Port PRI".
const OptionSource Disable2Enable3OptionsSource[] = {
    {2, "disable"}, {3, "enable"}, {0, nullptr}};
// CosPriorityList "CoS Priority Ether PRI".
const OptionSource CoSPriorityEtherPriOptionsSource[] = {
    {1, "disable"}, {2, "ether8021p"}, {3, "macBase"}, {0, nullptr}};
// CosPriorityList "CoS Priority IP PRI".
const OptionSource CoSPriorityIpPriOptionsSource[] = {
    {1, "disable"}, {2, "tos"}, {3, "dscp"}, {0, nullptr}};
// CosPriorityList "CoS Priority None".
const OptionSource CoSPriorityNoneOptionsSource[] = {
    {1, "valid"}, {2, "invalid"}, {0, nullptr}};
// DhcpOption82List "DHCP Relay Option 82 Policy".
const OptionSource DhcpRelayOption82PolicyOptionsSource[] = {
    {1, "replace"}, {2, "drop"}, {3, "keep"}, {0, nullptr}};
// DhcpOption60List "DHCP Relay Option 60 Default Mode", DhcpOption61List "DHCP Relay Option 61
// Default Mode", DhcpOption61TableList "DHCP Relay Option 61 Mode".
const OptionSource RelayDropOptionsSource[] = {
    {1, "relay"}, {2, "drop"}, {0, nullptr}};
// DhcpOption60TableList "DHCP Relay Option 60 Match Type".
const OptionSource DhcpRelayOption60MatchTypeOptionsSource[] = {
    {1, "exact"}, {2, "partial"}, {0, nullptr}};
// DhcpOption61TableList "DHCP Relay Option 61 Client Type".
const OptionSource DhcpRelayOption61ClientTypeOptionsSource[] = {
    {1, "mac"}, {2, "string"}, {0, nullptr}};

}  // namespace

// ---- single ports: 7 octets, port 1 in the most significant bit of the first octet
const TextOptionSource SinglePortOptionsSource[] = {
    {"80000000000000", "Port 1"},
    {"40000000000000", "Port 2"},
    {"20000000000000", "Port 3"},
    {"10000000000000", "Port 4"},
    {"08000000000000", "Port 5"},
    {"04000000000000", "Port 6"},
    {"02000000000000", "Port 7"},
    {"01000000000000", "Port 8"},
    {"00800000000000", "Port 9"},
    {"00400000000000", "Port 10"},
    {"00200000000000", "Port 11"},
    {"00100000000000", "Port 12"},
    {"00080000000000", "Port 13"},
    {"00040000000000", "Port 14"},
    {"00020000000000", "Port 15"},
    {"00010000000000", "Port 16"},
    {"00008000000000", "Port 17"},
    {"00004000000000", "Port 18"},
    {"00002000000000", "Port 19"},
    {"00001000000000", "Port 20"},
    {"00000800000000", "Port 21"},
    {"00000400000000", "Port 22"},
    {"00000200000000", "Port 23"},
    {"00000100000000", "Port 24"},
    {"00000080000000", "Port 25"},
    {"00000040000000", "Port 26"},
    {nullptr, nullptr}};

// ---- the lists, in one unit so that their order of construction is the order below
const MvOptionList DisabledEnabled(DisabledEnabledSource);
const MvOptionList EnabledDisabled(EnabledDisabledSource);
const MvOptionList EnableDisable(EnableDisableSource);
const MvOptionList TruthValueOptions(TruthValueOptionsSource);
const MvOptionList RowStatusOptions(RowStatusOptionsSource);
const MvOptionList StorageTypeOptions(StorageTypeOptionsSource);
const MvOptionList ModuleTypeOptions(ModuleTypeOptionsSource);
const MvOptionList ProtocolCapabilityOptions(ProtocolCapabilityOptionsSource);
const MvOptionList StatusConsoleInUseOptions(StatusConsoleInUseOptionsSource);
const MvOptionList StatusSaveConfigureOptions(StatusSaveConfigureOptionsSource);
const MvOptionList StatusFileTransferOptions(StatusFileTransferOptionsSource);
const MvOptionList MibCapabilityTypeOptions(MibCapabilityTypeOptionsSource);
const MvOptionList GetIpFromOptions(GetIpFromOptionsSource);
const MvOptionList OtherStartOptions(OtherStartOptionsSource);
const MvOptionList TrustHostDeleteAllStateOptions(TrustHostDeleteAllStateOptionsSource);
const MvOptionList SntpTimeSourceOptions(SntpTimeSourceOptionsSource);
const MvOptionList SingleIpRoleStateOptions(SingleIpRoleStateOptionsSource);
const MvOptionList ActiveCreateDestroyOptions(ActiveCreateDestroyOptionsSource);
const MvOptionList SingleIpNbRoleStateOptions(SingleIpNbRoleStateOptionsSource);
const MvOptionList CleanAllStatisticCounterOptions(CleanAllStatisticCounterOptionsSource);
const MvOptionList MulticastFilterOptions(MulticastFilterOptionsSource);
const MvOptionList Enable2Disable3Options(Enable2Disable3OptionsSource);
const MvOptionList FileTransferTypeOptions(FileTransferTypeOptionsSource);
const MvOptionList FileLoadTypeOptions(FileLoadTypeOptionsSource);
const MvOptionList FileTransferControlOptions(FileTransferControlOptionsSource);
const MvOptionList DataBitsOptions(DataBitsOptionsSource);
const MvOptionList StopBitsOptions(StopBitsOptionsSource);
const MvOptionList ParityOptions(ParityOptionsSource);
const MvOptionList BaudRateOptions(BaudRateOptionsSource);
const MvOptionList LogoutTimeOptions(LogoutTimeOptionsSource);
const MvOptionList SmtpSendTestStatusOptions(SmtpSendTestStatusOptionsSource);
const MvOptionList CpuAclEthernetMacAddressMaskStateOptions(
    CpuAclEthernetMacAddressMaskStateOptionsSource);
const MvOptionList DenyPermitOptions(DenyPermitOptionsSource);
const MvOptionList CpuAclIpIpAddressMaskStateOptions(CpuAclIpIpAddressMaskStateOptionsSource);
const MvOptionList CpuAclProtocolOptions(CpuAclProtocolOptionsSource);
const MvOptionList CpuAclIcmpOptions(CpuAclIcmpOptionsSource);
const MvOptionList CpuAclDstSrcAddrOptions(CpuAclDstSrcAddrOptionsSource);
const MvOptionList CpuAclIpv6AddressMaskStateOptions(CpuAclIpv6AddressMaskStateOptionsSource);
const MvOptionList AllPortStateOptions(AllPortStateOptionsSource);
const MvOptionList BlockedTypeOptions(BlockedTypeOptionsSource);
const MvOptionList TrapVersionOptions(TrapVersionOptionsSource);
const MvOptionList SystemLogServerFacilityOptions(SystemLogServerFacilityOptionsSource);
const MvOptionList SystemLogServerSeverityOptions(SystemLogServerSeverityOptionsSource);
const MvOptionList OtherDisabledEnabledOptions(OtherDisabledEnabledOptionsSource);
const MvOptionList AggPortRxStateOptions(AggPortRxStateOptionsSource);
const MvOptionList AggPortMuxStateOptions(AggPortMuxStateOptionsSource);
const MvOptionList ChurnStateOptions(ChurnStateOptionsSource);
const MvOptionList CablePortTypeOptions(CablePortTypeOptionsSource);
const MvOptionList CableLinkStatusOptions(CableLinkStatusOptionsSource);
const MvOptionList CablePairStatusOptions(CablePairStatusOptionsSource);
const MvOptionList CableDiagActionOptions(CableDiagActionOptionsSource);
const MvOptionList AgentSaveCfgOptions(AgentSaveCfgOptionsSource);
const MvOptionList AgentSystemResetOptions(AgentSystemResetOptionsSource);
const MvOptionList UserAuthenticationProtocolOptions(UserAuthenticationProtocolOptionsSource);
const MvOptionList DeviceAuthenticationModeOptions(DeviceAuthenticationModeOptionsSource);
const MvOptionList PaeStateOptions(PaeStateOptionsSource);
const MvOptionList BackendAuthStateOptions(BackendAuthStateOptionsSource);
const MvOptionList ControlledDirectionsOptions(ControlledDirectionsOptionsSource);
const MvOptionList ControlledPortStatusOptions(ControlledPortStatusOptionsSource);
const MvOptionList ControlledPortControlOptions(ControlledPortControlOptionsSource);
const MvOptionList AuthSessionAuthenticMethodOptions(AuthSessionAuthenticMethodOptionsSource);
const MvOptionList AuthSessionTerminateCauseOptions(AuthSessionTerminateCauseOptionsSource);
const MvOptionList SupplicantPaeStateOptions(SupplicantPaeStateOptionsSource);
const MvOptionList RadiusServerIndexOptions(RadiusServerIndexOptionsSource);
const MvOptionList RadiusAccountingServiceIndexOptions(RadiusAccountingServiceIndexOptionsSource);
const MvOptionList RadiusAccountingServiceMethodOptions(RadiusAccountingServiceMethodOptionsSource);
const MvOptionList RadiusAccountingServiceModeOptions(RadiusAccountingServiceModeOptionsSource);
const MvOptionList SshSessionKeyRekeyingOptions(SshSessionKeyRekeyingOptionsSource);
const MvOptionList SshUserAuthenticationModeOptions(SshUserAuthenticationModeOptionsSource);
const MvOptionList BridgeTypeOptions(BridgeTypeOptionsSource);
const MvOptionList StpPortStatusOptions(StpPortStatusOptionsSource);
const MvOptionList StpPortRoleOptions(StpPortRoleOptionsSource);
const MvOptionList StpPortLinkStateOptions(StpPortLinkStateOptionsSource);
const MvOptionList StpPortAdminPointToPointOptions(StpPortAdminPointToPointOptionsSource);
const MvOptionList SecurityLevelOptions(SecurityLevelOptionsSource);
const MvOptionList ContextMatchOptions(ContextMatchOptionsSource);
const MvOptionList IncludedExcludedOptions(IncludedExcludedOptionsSource);
const MvOptionList NotifyTypeOptions(NotifyTypeOptionsSource);
const MvOptionList QosMechanismOptions(QosMechanismOptionsSource);
const MvOptionList TrunkAlgorithmOptions(TrunkAlgorithmOptionsSource);
const MvOptionList PortTrunkTypeOptions(PortTrunkTypeOptionsSource);
const MvOptionList TrunkLacpPortStateOptions(TrunkLacpPortStateOptionsSource);
const MvOptionList PortInformationLinkStatusOptions(PortInformationLinkStatusOptionsSource);
const MvOptionList NwayStatusOptions(NwayStatusOptionsSource);
const MvOptionList NwayStateOptions(NwayStateOptionsSource);
const MvOptionList MdixStateOptions(MdixStateOptionsSource);
const MvOptionList Disabled1Enabled2Options(Disabled1Enabled2OptionsSource);
const MvOptionList PortErrorPortStatusOptions(PortErrorPortStatusOptionsSource);
const MvOptionList PortErrorPortReasonOptions(PortErrorPortReasonOptionsSource);
const MvOptionList PortSecurityModeOptions(PortSecurityModeOptionsSource);
const MvOptionList StormTrapControlOptions(StormTrapControlOptionsSource);
const MvOptionList StormActionOptions(StormActionOptionsSource);
const MvOptionList YesNoOptions(YesNoOptionsSource);
const MvOptionList PortLoopStatusOptions(PortLoopStatusOptionsSource);
const MvOptionList IgmpQuerierStateOptions(IgmpQuerierStateOptionsSource);
const MvOptionList OtherDisableEnableOptions(OtherDisableEnableOptionsSource);
const MvOptionList Disable2Enable3Options(Disable2Enable3OptionsSource);
const MvOptionList CoSPriorityEtherPriOptions(CoSPriorityEtherPriOptionsSource);
const MvOptionList CoSPriorityIpPriOptions(CoSPriorityIpPriOptionsSource);
const MvOptionList CoSPriorityNoneOptions(CoSPriorityNoneOptionsSource);
const MvOptionList DhcpRelayOption82PolicyOptions(DhcpRelayOption82PolicyOptionsSource);
const MvOptionList RelayDropOptions(RelayDropOptionsSource);
const MvOptionList DhcpRelayOption60MatchTypeOptions(DhcpRelayOption60MatchTypeOptionsSource);
const MvOptionList DhcpRelayOption61ClientTypeOptions(DhcpRelayOption61ClientTypeOptionsSource);
const MvOptionList SinglePortOptions(SinglePortOptionsSource, MvOptionList::Text);
