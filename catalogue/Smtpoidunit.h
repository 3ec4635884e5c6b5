// Descriptor lists of "Configuration" > "SMTP Mangement".
#pragma once

#include "MvSNMPVarList.h"

extern const SnmpVarDef SmtpInformationList[];
extern const SnmpVarDef SmtpReceiverList[];
