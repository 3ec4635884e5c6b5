// Descriptor lists of "Configuration" > "SMTP Mangement".
#pragma once

#include "mvsnmp/MvSNMPVarList.h"

extern const SnmpVarDef SmtpInformationList[];
extern const SnmpVarDef SmtpReceiverList[];
