// The option lists of the catalogue: the six recurring sets, every explicit list (items with
// equal options share one), and the single-port list. All are process-wide and built during
// static initialisation of this one unit, before main(); the descriptor arrays hold only their
// addresses, which are constant, so no array depends on the order units are initialised in.
#pragma once

#include "mvsnmp/MvOptionList.h"

// Recurring sets.
extern const MvOptionList DisabledEnabled;
extern const MvOptionList EnabledDisabled;
extern const MvOptionList EnableDisable;
extern const MvOptionList TruthValueOptions;
extern const MvOptionList RowStatusOptions;
extern const MvOptionList StorageTypeOptions;

// Explicit lists, named after their first use.
extern const MvOptionList ModuleTypeOptions;
extern const MvOptionList ProtocolCapabilityOptions;
extern const MvOptionList StatusConsoleInUseOptions;
extern const MvOptionList StatusSaveConfigureOptions;
extern const MvOptionList StatusFileTransferOptions;
extern const MvOptionList MibCapabilityTypeOptions;
extern const MvOptionList GetIpFromOptions;
extern const MvOptionList OtherStartOptions;
extern const MvOptionList TrustHostDeleteAllStateOptions;
extern const MvOptionList SntpTimeSourceOptions;
extern const MvOptionList SingleIpRoleStateOptions;
extern const MvOptionList ActiveCreateDestroyOptions;
extern const MvOptionList SingleIpNbRoleStateOptions;
extern const MvOptionList CleanAllStatisticCounterOptions;
extern const MvOptionList MulticastFilterOptions;
extern const MvOptionList Enable2Disable3Options;
extern const MvOptionList FileTransferTypeOptions;
extern const MvOptionList FileLoadTypeOptions;
extern const MvOptionList FileTransferControlOptions;
extern const MvOptionList DataBitsOptions;
extern const MvOptionList StopBitsOptions;
extern const MvOptionList ParityOptions;
extern const MvOptionList BaudRateOptions;
extern const MvOptionList LogoutTimeOptions;
extern const MvOptionList SmtpSendTestStatusOptions;
extern const MvOptionList CpuAclEthernetMacAddressMaskStateOptions;
extern const MvOptionList DenyPermitOptions;
extern const MvOptionList CpuAclIpIpAddressMaskStateOptions;
extern const MvOptionList CpuAclProtocolOptions;
extern const MvOptionList CpuAclIcmpOptions;
extern const MvOptionList CpuAclDstSrcAddrOptions;
extern const MvOptionList CpuAclIpv6AddressMaskStateOptions;
extern const MvOptionList AllPortStateOptions;
extern const MvOptionList BlockedTypeOptions;
extern const MvOptionList TrapVersionOptions;
extern const MvOptionList SystemLogServerFacilityOptions;
extern const MvOptionList SystemLogServerSeverityOptions;
extern const MvOptionList OtherDisabledEnabledOptions;
extern const MvOptionList AggPortRxStateOptions;
extern const MvOptionList AggPortMuxStateOptions;
extern const MvOptionList ChurnStateOptions;
extern const MvOptionList CablePortTypeOptions;
extern const MvOptionList CableLinkStatusOptions;
extern const MvOptionList CablePairStatusOptions;
extern const MvOptionList CableDiagActionOptions;
extern const MvOptionList AgentSaveCfgOptions;
extern const MvOptionList AgentSystemResetOptions;
extern const MvOptionList UserAuthenticationProtocolOptions;
extern const MvOptionList DeviceAuthenticationModeOptions;
extern const MvOptionList PaeStateOptions;
extern const MvOptionList BackendAuthStateOptions;
extern const MvOptionList ControlledDirectionsOptions;
extern const MvOptionList ControlledPortStatusOptions;
extern const MvOptionList ControlledPortControlOptions;
extern const MvOptionList AuthSessionAuthenticMethodOptions;
extern const MvOptionList AuthSessionTerminateCauseOptions;
extern const MvOptionList SupplicantPaeStateOptions;
extern const MvOptionList RadiusServerIndexOptions;
extern const MvOptionList RadiusAccountingServiceIndexOptions;
extern const MvOptionList RadiusAccountingServiceMethodOptions;
extern const MvOptionList RadiusAccountingServiceModeOptions;
extern const MvOptionList SshSessionKeyRekeyingOptions;
extern const MvOptionList SshUserAuthenticationModeOptions;
extern const MvOptionList BridgeTypeOptions;
extern const MvOptionList StpPortStatusOptions;
extern const MvOptionList StpPortRoleOptions;
extern const MvOptionList StpPortLinkStateOptions;
extern const MvOptionList StpPortAdminPointToPointOptions;
extern const MvOptionList SecurityLevelOptions;
extern const MvOptionList ContextMatchOptions;
extern const MvOptionList IncludedExcludedOptions;
extern const MvOptionList NotifyTypeOptions;
extern const MvOptionList QosMechanismOptions;
extern const MvOptionList TrunkAlgorithmOptions;
extern const MvOptionList PortTrunkTypeOptions;
extern const MvOptionList TrunkLacpPortStateOptions;
extern const MvOptionList PortInformationLinkStatusOptions;
extern const MvOptionList NwayStatusOptions;
extern const MvOptionList NwayStateOptions;
extern const MvOptionList MdixStateOptions;
extern const MvOptionList Disabled1Enabled2Options;
extern const MvOptionList PortErrorPortStatusOptions;
extern const MvOptionList PortErrorPortReasonOptions;
extern const MvOptionList PortSecurityModeOptions;
extern const MvOptionList StormTrapControlOptions;
extern const MvOptionList StormActionOptions;
extern const MvOptionList YesNoOptions;
extern const MvOptionList PortLoopStatusOptions;
extern const MvOptionList IgmpQuerierStateOptions;
extern const MvOptionList OtherDisableEnableOptions;
extern const MvOptionList Disable2Enable3Options;
extern const MvOptionList CoSPriorityEtherPriOptions;
extern const MvOptionList CoSPriorityIpPriOptions;
extern const MvOptionList CoSPriorityNoneOptions;
extern const MvOptionList DhcpRelayOption82PolicyOptions;
extern const MvOptionList RelayDropOptions;
extern const MvOptionList DhcpRelayOption60MatchTypeOptions;
extern const MvOptionList DhcpRelayOption61ClientTypeOptions;

// Single ports as port-list bitmaps ("80000000000000" is "Port 1", ... "Port 26"), kind 2.
extern const MvOptionList SinglePortOptions;

// The sources the lists are built from, for code that needs the raw pairs.
extern const OptionSource DisabledEnabledSource[];
extern const OptionSource EnabledDisabledSource[];
extern const OptionSource EnableDisableSource[];
extern const OptionSource TruthValueOptionsSource[];
extern const OptionSource RowStatusOptionsSource[];
extern const OptionSource StorageTypeOptionsSource[];
extern const TextOptionSource SinglePortOptionsSource[];
