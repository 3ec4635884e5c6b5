#include "catalogue/Radiusoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Security Management" > "RADIUS Management" > "Basic Configuration"; scalars.
constinit const SnmpVarDef RadiusBasicList[] = {
    {"1.3.6.1.4.1.48213.12.3.2.1", "Dead Time Minutes", Syntax::Guage, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.3.2.2", "Seconds of Time out", Syntax::Guage, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.3.2.3", "Retransmit Times", Syntax::Guage, Access::ReadWrite},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "RADIUS Server Table"; table (kind 2, 1 key).
constinit const SnmpVarDef RadiusServerList[] = {
    {"1.3.6.1.4.1.48213.12.3.2.4.1.1", "Index",
     Syntax::Integer, Access::NotAccess, &RadiusServerIndexOptions},
    {"1.3.6.1.4.1.48213.12.3.2.4.1.2", "IP Address", Syntax::IpAddress, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.2.4.1.4", "Auth Port Number", Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.2.4.1.5", "Accounting Port Number", Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.2.4.1.7", "Timeout", Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.2.4.1.8", "Retransmit", Syntax::Guage, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "Authentication Information"; scalars.
constinit const SnmpVarDef RadiusAuthInfoList[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Client Invalid Server Addresses",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Client Identifier", Syntax::DisplayStr, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "Authentication Table"; table (kind 2, 1 key).
constinit const SnmpVarDef RadiusAuthServerList[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "RADIUS Auth Server Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "RADIUS Auth Server Address",
     Syntax::IpAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "RADIUS Auth Client Server Port Number",
     Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "RADIUS Auth Client Round Trip Time",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "RADIUS Auth Client Access Requests",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "RADIUS Auth Client Access Retransmissions",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "RADIUS Auth Client Access Accepts",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "RADIUS Auth Client Access Rejects",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "RADIUS Auth Client Access Challenges",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "RADIUS Auth Client Malformed Access Responses",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "RADIUS Auth Client Bad Authenticators",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "RADIUS Auth Client Pending Requests",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "RADIUS Auth Client Timeouts",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "RADIUS Auth Client Unknown Types",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "RADIUS Auth Client Packets Dropped",
     Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "Accounting Control" > "Basic Configuration";
// scalars.
constinit const SnmpVarDef RadiusAcctControlList[] = {
    {"1.3.6.1.4.1.48213.12.3.4.1", "RADIUS Accounting Update Interval",
     Syntax::Guage, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.3.4.2", "RADIUS Accounting Suppress Null User Name",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "Accounting Control" > "Service Table"; table
// (kind 2, 1 key).
constinit const SnmpVarDef RadiusAcctServiceList[] = {
    {"1.3.6.1.4.1.48213.12.3.4.3.1.1", "RADIUS Accounting Service Index",
     Syntax::Integer, Access::NotAccess, &RadiusAccountingServiceIndexOptions},
    {"1.3.6.1.4.1.48213.12.3.4.3.1.2", "RADIUS Accounting Service Method",
     Syntax::Integer, Access::ReadWrite, &RadiusAccountingServiceMethodOptions},
    {"1.3.6.1.4.1.48213.12.3.4.3.1.3", "RADIUS Accounting Service Mode",
     Syntax::Integer, Access::ReadWrite, &RadiusAccountingServiceModeOptions},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "Accounting Information" > "Basic
// Information"; scalars.
constinit const SnmpVarDef RadiusAcctInfoList[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Accounting Client Invalid Server Addresses",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Accounting Client Identifier",
     Syntax::DisplayStr, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "Accounting Information" > "Server Table";
// table (kind 2, 1 key).
constinit const SnmpVarDef RadiusAcctServerList[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "RADIUS Accounting Server Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "RADIUS Accounting Server Address",
     Syntax::IpAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "RADIUS Accounting Client Server Port Number",
     Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "RADIUS Accounting Client Round Trip Time",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "RADIUS Accounting Client Requests",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "RADIUS Accounting Client Retransmissions",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "RADIUS Accounting Client Responses",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "RADIUS Accounting Client Malformed Responses",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "RADIUS Accounting Client Bad Authenticators",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "RADIUS Accounting Client Pending Requests",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "RADIUS Accounting Client Timeouts",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "RADIUS Accounting Client Unknown Types",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "RADIUS Accounting Client Packets Dropped",
     Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "MAC Authentication Base Stats Info", tab "MAC
// Auth State Table"; table (kind 2, 2 keys).
constinit const SnmpVarDef MacAuthStateList[] = {
    {"1.3.6.1.4.1.48213.12.3.6.1.1.1", "PAE MAC Address", Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.1.1.2", "PAE Port Number", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.1.1.3", "Auth PAE State",
     Syntax::Integer, Access::ReadOnly, &PaeStateOptions},
    {"1.3.6.1.4.1.48213.12.3.6.1.1.4", "Auth Backend Auth State",
     Syntax::Integer, Access::ReadOnly, &BackendAuthStateOptions},
    {"1.3.6.1.4.1.48213.12.3.6.1.1.5", "Auth Auth Controlled Port Status",
     Syntax::Integer, Access::ReadOnly, &ControlledPortStatusOptions},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "MAC Authentication Base Stats Info", tab "MAC
// Auth Stats Table"; table (kind 2, 2 keys).
constinit const SnmpVarDef MacAuthStatsList[] = {
    {"1.3.6.1.4.1.48213.12.3.6.2.1.1", "Auth Stats PAE MAC Address",
     Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.2", "Auth Stats PAE Port Number",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.3", "Auth Eapol Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.4", "Auth Eapol Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.5", "Auth Eapol Start Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.6", "Auth Eapol Logoff Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.7", "Auth Eapol Response ID Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.8", "Auth Eapol Response Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.9", "Auth Eapol Request ID Frames TX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.10", "Auth Eapol Request Frames TX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.11", "Auth Invalid Eapol Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.12", "Auth Eappol Length Error Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.13", "Auth Last Eapol Frame Version",
     Syntax::Guage, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.2.1.14", "Auth Last Eapol Frame Source",
     Syntax::MacAddress, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "MAC Authentication Base Stats Info", tab "MAC
// Auth Diag Table"; table (kind 2, 2 keys).
constinit const SnmpVarDef MacAuthDiagList[] = {
    {"1.3.6.1.4.1.48213.12.3.6.3.1.1", "Auth Diag PAE MAC Address",
     Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.2", "Auth Diag PAE Port Number",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.3", "Auth Enters Connecting", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.4", "Auth Eap Logoffs While Connecting",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.5", "Auth Enters Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.6", "Auth Auth Success While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.7", "Auth Auth Timeouts While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.8", "Auth Auth Fail While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.9", "Auth Auth Reauths While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.10", "Auth Auth Eap Starts While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.11", "Auth Auth Eap Logoff While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.12", "Auth Auth Reauths While Authenticated",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.13", "Auth Auth Eap Starts While Authenticated",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.14", "Auth Auth Eap Logoff While Authenticated",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.15", "Auth Backend Responses",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.16", "Auth Backend Access Challenges",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.17", "Auth Backend Other Requests To Supplicant",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.18", "Auth Backend Non Nak Responses From Supplicant",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.19", "Auth Backend Auth Successes",
     Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.3.1.20", "Auth Backend Auth Fails",
     Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "RADIUS Management" > "MAC Authentication Base Stats Info", tab "MAC
// Auth Session Stats Table"; table (kind 2, 2 keys).
constinit const SnmpVarDef MacAuthSessionList[] = {
    {"1.3.6.1.4.1.48213.12.3.6.4.1.1", "Auth Session Stats PAE MAC Address",
     Syntax::MacAddress, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.2", "Auth Session Stats PAE Port Number",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.3", "Auth Session Octets RX",
     Syntax::Counter64, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.4", "Auth Session Octets TX",
     Syntax::Counter64, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.5", "Auth Session Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.6", "Auth Session Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.7", "Auth Session ID", Syntax::DisplayStr, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.8", "Auth Session Authentic Method",
     Syntax::Integer, Access::ReadOnly, &AuthSessionAuthenticMethodOptions},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.9", "Auth Session Time", Syntax::TimeTicks, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.10", "Auth Session Terminate Cause",
     Syntax::Integer, Access::ReadOnly, &AuthSessionTerminateCauseOptions},
    {"1.3.6.1.4.1.48213.12.3.6.4.1.11", "Auth Session User Name",
     Syntax::DisplayStr, Access::ReadOnly},
    {},
};
