#include "catalogue/Configoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "Basic Information"; scalars.
constinit const SnmpVarDef BasicInformationList[] = {
    {"1.3.6.1.4.1.48213.12.1.1.1", "Protocol Capability",
     Syntax::Integer, Access::ReadOnly, &ProtocolCapabilityOptions},
    {"1.3.6.1.4.1.48213.12.1.1.3", "Status Console In Use",
     Syntax::Integer, Access::ReadOnly, &StatusConsoleInUseOptions},
    {"1.3.6.1.4.1.48213.12.1.1.4", "Status Save Configure",
     Syntax::Integer, Access::ReadOnly, &StatusSaveConfigureOptions},
    {"1.3.6.1.4.1.48213.12.1.1.5", "Status File Transfer",
     Syntax::Integer, Access::ReadOnly, &StatusFileTransferOptions},
    {},
};

// Menu "Configuration" > "MIB Capabilities"; table (kind 2, 1 key).
constinit const SnmpVarDef MibCapabilitiesList[] = {
    {"1.3.6.1.4.1.48213.12.1.1.2.1.1", "Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.1.1.2.1.2", "Description", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.1.1.2.1.3", "Version", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.1.1.2.1.4", "Type",
     Syntax::Integer, Access::ReadOnly, &MibCapabilityTypeOptions},
    {},
};

// Menu "Configuration" > "CPU Utilization"; scalars.
constinit const SnmpVarDef CpuUtilizationList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.3.1", "CPU Utilization In 5sec",
     Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.3.2", "CPU Utilization In 1min",
     Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.3.3", "CPU Utilization In 5min",
     Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Configuration" > "Port Utilization"; table (kind 2, 1 key).
constinit const SnmpVarDef PortUtilizationList[] = {
    {"1.3.6.1.4.1.48213.12.1.1.8.1.1", "Port Utilization Port Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.1.1.8.1.2", "Port Utilization TX", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.1.1.8.1.3", "Port Utilization RX", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.1.1.8.1.4", "Port Utilization Util", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Configuration" > "IP Configuration"; scalars.
constinit const SnmpVarDef IpConfigurationList[] = {
    {"1.3.6.1.4.1.48213.12.1.3.3", "Get IP From",
     Syntax::Integer, Access::ReadWrite, &GetIpFromOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.2", "System IP", Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.3", "Subnet Mask", Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.4", "Gateway", Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.5", "Management VLAN ID", Syntax::Integer, Access::ReadWrite},
    {},
};

// Menu "Configuration" > "FDB Clear All State"; scalars.
constinit const SnmpVarDef FdbClearAllList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.11.1", "FDB Clear All State",
     Syntax::Integer, Access::ReadWrite, &OtherStartOptions},
    {},
};

// Menu "Configuration" > "ARP Clear All State"; scalars.
constinit const SnmpVarDef ArpClearAllList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.12.1", "ARP Clear All State",
     Syntax::Integer, Access::ReadWrite, &OtherStartOptions},
    {},
};

// Menu "Configuration" > "Device Control"; scalars.
constinit const SnmpVarDef DeviceControlList[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.6", "STP State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.7", "IGMP Snooping",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.12", "Clean All  Statistic Counter",
     Syntax::Integer, Access::ReadWrite, &CleanAllStatisticCounterOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.13", "SNMP Enable Authen Traps",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.17", "IP Auto Config",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.18", "Multicast Filter",
     Syntax::Integer, Access::ReadWrite, &MulticastFilterOptions},
    {"1.3.6.1.4.1.48213.11.63.2.2.15.2", "Port Security Trap Log State",
     Syntax::Integer, Access::ReadWrite, &Enable2Disable3Options},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.19", "MAC Notify State",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.20", "MAC Notify History Size(1-500)",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.21", "MAC Notify Interval(1-2147483647)",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.22", "VLAN Trunk State",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {},
};

// Menu "Configuration" > "Upload/Download File Configuration"; table (kind 2, 1 key).
constinit const SnmpVarDef FileTransferList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.1.1.1", "File Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.2", "Description", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.3", "File Address", Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.4", "Transfer Type",
     Syntax::Integer, Access::ReadWrite, &FileTransferTypeOptions},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.5", "PathFile Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.6", "Locate ID", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.7", "Load Type",
     Syntax::Integer, Access::ReadWrite, &FileLoadTypeOptions},
    {"1.3.6.1.4.1.48213.12.1.2.1.1.8", "Control",
     Syntax::Integer, Access::ReadWrite, &FileTransferControlOptions},
    {},
};

// Menu "Configuration" > "Console Mode Control"; scalars.
constinit const SnmpVarDef ConsoleModeList[] = {
    {"1.3.6.1.4.1.48213.12.1.5.1", "Data Bits",
     Syntax::Integer, Access::ReadWrite, &DataBitsOptions},
    {"1.3.6.1.4.1.48213.12.1.5.2", "Stop Bits",
     Syntax::Integer, Access::ReadWrite, &StopBitsOptions},
    {"1.3.6.1.4.1.48213.12.1.5.3", "Parity", Syntax::Integer, Access::ReadWrite, &ParityOptions},
    {"1.3.6.1.4.1.48213.12.1.5.4", "Baud Rate",
     Syntax::Integer, Access::ReadWrite, &BaudRateOptions},
    {"1.3.6.1.4.1.48213.12.1.5.5", "Logout Time",
     Syntax::Integer, Access::ReadWrite, &LogoutTimeOptions},
    {},
};

// Menu "Configuration" > "Trap Receiver"; table (kind 3, 1 key).
constinit const SnmpVarDef TrapReceiverList[] = {
    {"1.3.6.1.4.1.48213.12.1.4.1.1.1", "IP Address", Syntax::IpAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.1.4.1.1.2", "Community String", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.1.4.1.1.3", "Trap Version",
     Syntax::Integer, Access::ReadWrite, &TrapVersionOptions},
    {"1.3.6.1.4.1.48213.12.1.4.1.1.4", "Status",
     Syntax::Integer, Access::ReadWrite, &ActiveCreateDestroyOptions},
    {},
};

// Menu "Configuration" > "Cable Diagnostics Information"; table (kind 2, 1 key).
constinit const SnmpVarDef CableDiagnosticsList[] = {
    {"1.3.6.1.4.1.48213.12.58.1.1.1.1", "Port Index", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.2", "Port Type",
     Syntax::Integer, Access::ReadOnly, &CablePortTypeOptions},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.3", "Link Status",
     Syntax::Integer, Access::ReadOnly, &CableLinkStatusOptions},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.4", "Pair1 Status",
     Syntax::Integer, Access::ReadOnly, &CablePairStatusOptions},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.5", "Pair2 Status",
     Syntax::Integer, Access::ReadOnly, &CablePairStatusOptions},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.6", "Pair3 Status",
     Syntax::Integer, Access::ReadOnly, &CablePairStatusOptions},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.7", "Pair4 Status",
     Syntax::Integer, Access::ReadOnly, &CablePairStatusOptions},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.8", "Pair1 Length", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.9", "Pair2 Length", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.10", "Pair3 Length", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.11", "Pair4 Length", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.58.1.1.1.12", "Diag Action",
     Syntax::Integer, Access::ReadWrite, &CableDiagActionOptions},
    {},
};

// Menu "Configuration" > "Save Changes"; scalars.
constinit const SnmpVarDef SaveConfigList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.6", "agentSaveCfg",
     Syntax::Integer, Access::ReadWrite, &AgentSaveCfgOptions},
    {},
};

// Menu "Configuration" > "Reboot"; scalars.
constinit const SnmpVarDef SystemResetList[] = {
    {"1.3.6.1.4.1.48213.12.1.2.3", "agentSystemReset",
     Syntax::Integer, Access::ReadWrite, &AgentSystemResetOptions},
    {},
};
