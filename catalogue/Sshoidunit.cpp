#include "catalogue/Sshoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Security Management" > "SSH" > "SSH Management"; scalars.
constinit const SnmpVarDef SshManagementList[] = {
    {"1.3.6.1.4.1.48213.12.6.1.1", "SSH Version", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.12.6.1.2", "SSH Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.1.3", "SSH Max Auth Fail Attempts",
     Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.6.1.4", "SSH Session Key Rekeying",
     Syntax::Integer, Access::ReadWrite, &SshSessionKeyRekeyingOptions},
    {"1.3.6.1.4.1.48213.12.6.1.5", "SSH Max Session", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.6.1.6", "SSH Connection Timeout", Syntax::Integer, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.6.1.7", "SSH Listened Port", Syntax::Integer, Access::ReadOnly},
    {},
};

// Menu "Security Management" > "SSH" > "Algorithm Control"; scalars.
constinit const SnmpVarDef SshAlgorithmList[] = {
    {"1.3.6.1.4.1.48213.12.6.3.1.1", "Encryption Algorithm 3DES Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.2", "Encryption Algorithm Blowfish Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.3", "Encryption Algorithm AES128 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.4", "Encryption Algorithm AES192 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.5", "Encryption Algorithm AES256 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.6", "Encryption Algorithm Arcfour Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.7", "Encryption Algorithm CAST28 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.8", "Encryption Algorithm Twofish128 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.9", "Encryption Algorithm Twofish192 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.1.10", "Encryption Algorithm Twofish256 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.3.1", "Data Integrity Algorithm SHA1 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.3.2", "Data Integrity Algorithm MD5 Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.5.1", "Public Key Algorithm RSA Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.5.2", "Public Key Algorithm DSA Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};

// Menu "Security Management" > "SSH" > "Authentication Method"; scalars.
constinit const SnmpVarDef SshAuthMethodList[] = {
    {"1.3.6.1.4.1.48213.12.6.3.2.1", "Password Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.2.2", "Public Key Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.48213.12.6.3.2.3", "Host Key Admin",
     Syntax::Integer, Access::ReadWrite, &DisabledEnabled},
    {},
};

// Menu "Security Management" > "SSH" > "SSH User Management"; table (kind 3, 1 key).
constinit const SnmpVarDef SshUserList[] = {
    {"1.3.6.1.4.1.48213.12.6.4.1.1.1", "SSH User Name", Syntax::DisplayStr, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.6.4.1.1.2", "SSH User Authentication Mode",
     Syntax::Integer, Access::ReadWrite, &SshUserAuthenticationModeOptions},
    {"1.3.6.1.4.1.48213.12.6.4.1.1.3", "SSH User Host Name", Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.6.4.1.1.4", "SSH User HostIP Address",
     Syntax::IpAddress, Access::ReadWrite},
    {},
};
