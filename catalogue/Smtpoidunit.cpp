#include "catalogue/Smtpoidunit.h"

#include "catalogue/CatalogueOptions.h"

// Menu "Configuration" > "SMTP Mangement" > "SMTP Information"; scalars.
constinit const SnmpVarDef SmtpInformationList[] = {
    {"1.3.6.1.4.1.48213.12.29.2.1", "SMTP Send Test Status",
     Syntax::Integer, Access::ReadOnly, &SmtpSendTestStatusOptions},
    {},
};

// Menu "Configuration" > "SMTP Mangement" > "SMTP Mail Receiver Table"; table (kind 3, 1 key).
constinit const SnmpVarDef SmtpReceiverList[] = {
    {"1.3.6.1.4.1.48213.12.29.3.1.1.1", "SMTP Mail Receiver Address Index",
     Syntax::Integer, Access::NotAccess},
    {"1.3.6.1.4.1.48213.12.29.3.1.1.2", "SMTP Mail Receiver Address",
     Syntax::DisplayStr, Access::ReadWrite},
    {"1.3.6.1.4.1.48213.12.29.3.1.1.3", "SMTP Mail Receiver Address State",
     Syntax::Integer, Access::ReadWrite, &RowStatusOptions},
    {},
};
