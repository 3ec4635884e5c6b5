#include "catalogue/Cpuacloidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL Control"; scalars.
constinit const SnmpVarDef CpuAclControlList[] = {
    {"1.3.6.1.4.1.48213.12.9.1.1", "CPU Interface Filter State",
     Syntax::Integer, Access::ReadWrite, &EnableDisable},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL Ethernet Table", tab "CPU ACL Ethernet
// Table"; table (kind 3, 1 key).
constinit const SnmpVarDef CpuAclEthernetMaskList[] = {
    {"1.3.6.1.4.1.48213.12.9.4.1.1.1", "CPU ACL Ethernet Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.2", "CPU ACL Ethernet Use VLAN",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.3", "CPU ACL Ethernet MAC Address Mask State",
     Syntax::Integer, Access::ReadWrite, &CpuAclEthernetMacAddressMaskStateOptions},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.4", "CPU ACL Ethernet Source MAC Address Mask",
     Syntax::MacAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.5", "CPU ACL Ethernet Destination MAC Address Mask",
     Syntax::MacAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.6", "CPU ACL Ethernet Use 8021p",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.7", "CPU ACL Ethernet Use Ethernet Type",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.9.4.1.1.8", "CPU ACL Ethernet Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL Ethernet Table", tab "CPU ACL Ethernet
// Rule Table"; table (kind 3, 2 keys).
constinit const SnmpVarDef CpuAclEthernetRuleList[] = {
    {"1.3.6.1.4.1.48213.12.9.5.1.1.1", "CPU ACL Ether Rule Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.2", "CPU ACL Ether Rule Access ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.3", "CPU ACL Ether Rule VLAN",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.4", "CPU ACL Ether Rule Source MAC Address",
     Syntax::MacAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.5", "CPU ACL Ether Rule Destination MAC Address",
     Syntax::MacAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.6", "CPU ACL Ether Rule 8021P",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.7", "CPU ACL Ether Rule Ether Type",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.8", "CPU ACL Ether Rule Permit",
     Syntax::Integer, Access::ReadWrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.9", "CPU ACL Ether Rule Ether Port",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.1.1.10", "CPU ACL Ether Rule Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL IP Table", tab "CPU ACL IP Table"; table
// (kind 3, 1 key).
constinit const SnmpVarDef CpuAclIpMaskList[] = {
    {"1.3.6.1.4.1.48213.12.9.4.2.1.1", "CPU ACL IP Profile ID", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.2", "CPU ACL IP Use VLAN",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.3", "CPU ACL IP IP Address Mask State",
     Syntax::Integer, Access::ReadWrite, &CpuAclIpIpAddressMaskStateOptions},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.4", "CPU ACL IP Source IP Address Mask",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.5", "CPU ACL IP Destination IP Address Mask",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.6", "CPU ACL IP Use DSCP",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.7", "CPU ACL IP Use Proto Type",
     Syntax::Integer, Access::ReadWrite, &CpuAclProtocolOptions},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.8", "CPU ACL IP ICMP Option",
     Syntax::Integer, Access::ReadWrite, &CpuAclIcmpOptions},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.9", "CPU ACL IP IGMP Option",
     Syntax::Integer, Access::ReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.10", "CPU ACL IP TCP Option",
     Syntax::Integer, Access::ReadWrite, &CpuAclDstSrcAddrOptions},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.11", "CPU ACL IP UDP Option",
     Syntax::Integer, Access::ReadWrite, &CpuAclDstSrcAddrOptions},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.12", "CPU ACL IP TCP or UDP Sourcr Port Mask",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.13", "CPU ACL IP TCP or UDP Destination Port Mask",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.14", "CPU ACL IP TCP Flag Bit",
     Syntax::Integer, Access::ReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.15", "CPU ACL IP TCP Flag Bit Mask",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.16", "CPU ACL IP Protocol ID Option",
     Syntax::Integer, Access::ReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.17", "CPU ACL IP Protocol ID Mask",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.2.1.18", "CPU ACL IP Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL IP Table", tab "CPU ACL IP Rule Table";
// table (kind 3, 2 keys).
constinit const SnmpVarDef CpuAclIpRuleList[] = {
    {"1.3.6.1.4.1.48213.12.9.5.2.1.1", "CPU ACL IP Rule Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.2", "CPU ACL IP Rule Access ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.3", "CPU ACL IP Rule VLAN",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.4", "CPU ACL IP Rule Source IP Address",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.5", "CPU ACL IP Rule Destination IP Address",
     Syntax::IpAddress, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.6", "CPU ACL IP Rule Dscp", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.7", "CPU ACL IP Rule Protocol",
     Syntax::Integer, Access::ReadOnly, &CpuAclProtocolOptions},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.8", "CPU ACL IP Rule Type", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.9", "CPU ACL IP Rule Code", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.10", "CPU ACL IP Rule Source Port",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.11", "CPU ACL IP Rule Destination Port",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.12", "CPU ACL IP Rule Flag Bits",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.13", "CPU ACL IP Rule Proto ID",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.14", "CPU ACL IP Rule User Mask",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.15", "CPU ACL IP Rule Permit",
     Syntax::Integer, Access::ReadWrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.16", "CPU ACL IP Rule Port",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.2.1.17", "CPU ACL IP Rule Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL Packet Control Table", tab "CPU ACL
// Packet Control Mask Table"; table (kind 3, 1 key).
constinit const SnmpVarDef CpuAclPacketMaskList[] = {
    {"1.3.6.1.4.1.48213.12.9.4.3.1.1", "CPU ACL Packet Content Mask Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.4.3.1.2", "CPU ACL Packet Content Mask Offset 0 to 15",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.3.1.3", "CPU ACL Packet Content Mask Offset 16 to 31",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.3.1.4", "CPU ACL Packet Content Mask Offset 32 to 47",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.3.1.5", "CPU ACL Packet Content Mask Offset 48 to 63",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.3.1.6", "CPU ACL Packet Content Mask Offset 64 to 79",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.3.1.7", "CPU ACL Packet Content MaskRow Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACL Packet Control Table", tab "CPU ACL
// Packet Control Rule Table"; table (kind 3, 2 keys).
constinit const SnmpVarDef CpuAclPacketRuleList[] = {
    {"1.3.6.1.4.1.48213.12.9.5.3.1.1", "CPU ACL Packet Content Rule Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.2", "CPU ACL Packet Content Rule Access ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.3", "CPU ACL Packet Content Rule Offset 0 to 15",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.4", "CPU ACL Packet Content Rule Offset 16 to 31",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.5", "CPU ACL Packet Content Rule Offset 32 to 47",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.6", "CPU ACL Packet Content Rule Offset 48 to 63",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.7", "CPU ACL Packet Content Rule Offset 64 to 79",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.8", "CPU ACL Packet Content Rule Permit",
     Syntax::Integer, Access::ReadWrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.9", "CPU ACL Packet Content Rule Port",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.3.1.10", "CPU ACL Packet Content Rule Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACl IPv6 Table", tab "CPU IPv6 Mask Table";
// table (kind 3, 1 key).
constinit const SnmpVarDef CpuAclIpv6MaskList[] = {
    {"1.3.6.1.4.1.48213.12.9.4.4.1.1", "CPU ACL IPv6 Mask Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.4.4.1.2", "CPU ACL IPv6 Mask Class",
     Syntax::Integer, Access::ReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.48213.12.9.4.4.1.3", "CPU ACL IPv6 Mask Flowlabel",
     Syntax::Integer, Access::ReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.48213.12.9.4.4.1.4", "CPU ACL IPv6 IP Address Mask State",
     Syntax::Integer, Access::ReadWrite, &CpuAclIpv6AddressMaskStateOptions},
    {"1.3.6.1.4.1.48213.12.9.4.4.1.5", "CPU ACL IPv6 Mask Source IPv6 Mask",
     Syntax::Ipv6Address, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.4.1.6", "CPU ACL IPv6 Mask Destination IPv6 Mask",
     Syntax::Ipv6Address, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.4.4.1.7", "CPU ACL IPv6 Mask Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "Configuration" > "CPU ACL Management " > "CPU ACl IPv6 Table", tab "CPU IPv6 Rule Table";
// table (kind 3, 2 keys).
constinit const SnmpVarDef CpuAclIpv6RuleList[] = {
    {"1.3.6.1.4.1.48213.12.9.5.4.1.1", "CPU ACL IPv6 Rule Profile ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.2", "CPU ACL IPv6 Rule Access ID",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.3", "CPU ACL IPv6 Rule Class",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.4", "CPU ACL IPv6 Rule Flowlabel",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.5", "CPU ACL IPv6 Rule Source IPv6 Address",
     Syntax::Ipv6Address, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.6", "CPU ACL IPv6 Rule Destination IPv6 Address",
     Syntax::Ipv6Address, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.7", "CPU ACL IPv6 Rule Permit",
     Syntax::Integer, Access::ReadWrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.8", "CPU ACL IPv6 Rule Port",
     Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.9.5.4.1.9", "CPU ACL IPv6 Rule Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};
