#include "catalogue/Snmpv3oidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "SNMP V3" > "SNMP Engine"; scalars.
constinit const SnmpVarDef SnmpEngineList[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", Syntax::OctetStr, Access::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "SNMP V3" > "Message Processing and Dispatching"; scalars.
constinit const SnmpVarDef SnmpMpdList[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "SNMP V3" > "SNMP Target MIB", tab "Target Objects"; scalars.
constinit const SnmpVarDef SnmpTargetObjectsList[] = {
    {"1.3.6.1.6.3.12.1.1", "SNMP Target Spin Lock", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.6.3.12.1.4", "SNMP Unavailable Contexts", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.12.1.5", "SNMP Unknown Contexts", Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "SNMP V3" > "SNMP Target MIB", tab "TargetAddr Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SnmpTargetAddrList[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "SNMP Target Address Name",
     Syntax::DisplayStr, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.12.1.2.1.2", "SNMP Target Address TDomain", Syntax::ObjectId, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "SNMP Target Address TAddress", Syntax::BitStr, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "SNMP Target Address Timeout", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "SNMP Target Address Retry Count",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "SNMP Target Address Tag List",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "SNMP Target Address Params", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "SNMP Target Address Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.12.1.2.1.9", "SNMP Target Address Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "SNMP Target MIB", tab "Target Params Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SnmpTargetParamsList[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "SNMP Target Params Name",
     Syntax::DisplayStr, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.12.1.3.1.2", "SNMP Target Params MP Model", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "SNMP Target Params Security Model",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "SNMP Target Params Security Name",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "SNMP Target Params Security Level",
     Syntax::Integer, Access::ReadWrite, &SecurityLevelOptions},
    {"1.3.6.1.6.3.12.1.3.1.6", "SNMP Target Params Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.12.1.3.1.7", "SNMP Target Params Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "User-based Security Model", tab "Statistics"; scalars.
constinit const SnmpVarDef UsmStatsList[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "SNMP V3" > "User-based Security Model", tab "User Table"; table (kind 3, 2 keys).
constinit const SnmpVarDef UsmUserList[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", Syntax::OctetStr, Access::NotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", Syntax::ObjectId, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", Syntax::ObjectId, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", Syntax::ObjectId, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "View-base Access Control Model", tab "Security Group Table"; table (kind 3, 2
// keys).
constinit const SnmpVarDef VacmGroupList[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "View-base Access Control Model", tab "Access Table"; table (kind 3, 4 keys).
constinit const SnmpVarDef VacmAccessList[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level",
     Syntax::Integer, Access::NotAccess, &SecurityLevelOptions},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match",
     Syntax::Integer, Access::ReadWrite, &ContextMatchOptions},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "View-base Access Control Model", tab "View MIB Tree Table"; table (kind 3, 2
// keys).
constinit const SnmpVarDef VacmViewTreeList[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family View Name",
     Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree",
     Syntax::ObjectId, Access::NotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type",
     Syntax::Integer, Access::ReadWrite, &IncludedExcludedOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM View Tree Family Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "Notifications", tab "Notify Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SnmpNotifyList[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", Syntax::DisplayStr, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", Syntax::Integer, Access::ReadWrite, &NotifyTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "Notifications", tab "Notify Filter Profile Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SnmpNotifyProfileList[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name",
     Syntax::DisplayStr, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "Notifications", tab "Notify Filter Entry Table"; table (kind 3, 2 keys).
constinit const SnmpVarDef SnmpNotifyFilterList[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree",
     Syntax::ObjectId, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type",
     Syntax::Integer, Access::ReadWrite, &IncludedExcludedOptions},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "Community", tab "SNMP Community Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SnmpCommunityList[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", Syntax::DisplayStr, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", Syntax::OctetStr, Access::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type",
     Syntax::Integer, Access::ReadWrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};

// Menu "SNMP V3" > "Community", tab "Target Address Table"; table (kind 2, 1 key).
constinit const SnmpVarDef SnmpCommunityTargetList[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name",
     Syntax::DisplayStr, Access::NotAccess | Access::Implied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", Syntax::Integer, Access::ReadWrite},
    {},
};
