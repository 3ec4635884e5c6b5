#include "catalogue/Paeoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Security Management" > "802.1X" > "Configuration"; scalars.
constinit const SnmpVarDef SystemAuthControlList[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {},
};

// Menu "Security Management" > "802.1X" > "Configure PAE System Control"; table (kind 2, 1 key).
constinit const SnmpVarDef PaeSystemList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", Syntax::Guage, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", Syntax::OctetStr, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {},
};

// Menu "Security Management" > "802.1X" > "Configure Authenticator"; table (kind 2, 1 key).
constinit const SnmpVarDef PaeAuthenticatorList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", Syntax::Integer, Access::ReadOnly, &PaeStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State",
     Syntax::Integer, Access::ReadOnly, &BackendAuthStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions",
     Syntax::Integer, Access::ReadWrite, &ControlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operative Controlled Directions",
     Syntax::Integer, Access::ReadOnly, &ControlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Controlled Port Status",
     Syntax::Integer, Access::ReadOnly, &ControlledPortStatusOptions},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Controlled Port Control",
     Syntax::Integer, Access::ReadWrite, &ControlledPortControlOptions},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supplier Timeout", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {"1.0.8802.1.1.1.1.2.1.1.14", "Key TX Enabled",
     Syntax::Integer, Access::ReadWrite, &TruthValueOptions},
    {},
};

// Menu "Security Management" > "802.1X" > "Authentication Stats Info"; table (kind 2, 1 key).
constinit const SnmpVarDef PaeAuthStatsList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "Eapol Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "Eapol Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "Eapol Start Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "Eapol LogoffF rames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAP Response ID Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "Eapol Response Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "Eapol Request ID Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "Eapol Request Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid Eapol Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAP Length Error Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last Eapol Frame Version", Syntax::Guage, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last Eapol Frame Source", Syntax::MacAddress, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "802.1X" > "Authentication Diagnostics Table"; table (kind 2, 1
// key).
constinit const SnmpVarDef PaeAuthDiagList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth EAP Starts While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth EAP Logoff While Authenticating",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth EAP Starts While Authenticated",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth EAP Logoff While Authenticated",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other RequestsToSupplicant",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "802.1X" > "Authentication Session Stats Table"; table (kind 2, 1
// key).
constinit const SnmpVarDef PaeAuthSessionList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets RX", Syntax::Counter64, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets TX", Syntax::Counter64, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames RX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Auth Session ID", Syntax::DisplayStr, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method",
     Syntax::Integer, Access::ReadOnly, &AuthSessionAuthenticMethodOptions},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", Syntax::TimeTicks, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause",
     Syntax::Integer, Access::ReadOnly, &AuthSessionTerminateCauseOptions},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", Syntax::DisplayStr, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "802.1X" > "Supp Config Table"; table (kind 2, 1 key).
constinit const SnmpVarDef PaeSuppConfigList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.3.1.1.1", "Supplicant PAE State",
     Syntax::Integer, Access::ReadOnly, &SupplicantPaeStateOptions},
    {"1.0.8802.1.1.1.1.3.1.1.2", "Supplicant Held Period", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.3.1.1.3", "Supplicant Auth Period", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.3.1.1.4", "Supplicant Start Period", Syntax::Guage, Access::ReadWrite},
    {"1.0.8802.1.1.1.1.3.1.1.5", "Supplicant Max Start", Syntax::Guage, Access::ReadWrite},
    {},
};

// Menu "Security Management" > "802.1X" > "Supp Stats Table"; table (kind 2, 1 key).
constinit const SnmpVarDef PaeSuppStatsList[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Syntax::Integer, Access::NotAccess},
    {"1.0.8802.1.1.1.1.3.2.1.2", "Supplicant Eapol Frames TX", Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.3", "Supplicant Eapol Start Frames TX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.4", "Supplicant Eapol Logoff Frames TX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.5", "Supplicant Eapol Response ID Frames TX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.6", "Supplicant Eapol Response Frames TX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.7", "Supplicant Eapol Request ID Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.8", "Supplicant Eapol Request Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.9", "Supplicant Invalid Eapol Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.10", "Supplicant Eap Length Error Frames RX",
     Syntax::Counter, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.11", "Supplicant Last Eapol Frame Version",
     Syntax::Guage, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.12", "Supplicant Last Eapol Frame Source",
     Syntax::MacAddress, Access::ReadOnly},
    {"1.0.8802.1.1.1.1.3.2.1.1", "Supplicant Eapol Frames RX", Syntax::Counter, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "802.1X" > "Foward EAPOL PDU"; scalars.
constinit const SnmpVarDef EapolForwardList[] = {
    {"1.3.6.1.4.1.48213.12.3.10.1", "Foward EAPOL PDU",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {},
};

// Menu "Security Management" > "802.1X" > "Foward EAPOL PDU On Port"; table (kind 3, 1 key).
constinit const SnmpVarDef EapolForwardPortList[] = {
    {"", "Port Number", Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.3.10.3.1.1", "Foward EAPOL PDU On Port",
     Syntax::Integer, Access::ReadWrite, &EnabledDisabled},
    {},
};
