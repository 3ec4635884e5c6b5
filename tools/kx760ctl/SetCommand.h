// kx760ctl set OID TYPE VALUE [OID TYPE VALUE...]: one set PDU with every triple. TYPE is a
// Net-SNMP style letter (i u g c C t a o s x d b n) or one of the layer's syntax keywords
// ("integer", "displaystr", "macaddress" ...); the value is checked before anything is sent.
#pragma once

#include <QString>
#include <memory>

#include "tools/kx760ctl/CtlCommand.h"
#include "tools/kx760ctl/CtlRawRequest.h"

class SetCommand : public CtlCommand {
 public:
  void run(const QStringList& args, CtlOutput& out) override;
};

// A set argument turned into the item's syntax and its value in the layer's text form.
struct CtlSetValue {
  quint32 syntax = 0;
  QString text;
};
// Throws CtlUsageError for an unknown type or a value that does not fit it.
CtlSetValue ctlSetValue(const QString& type, const QString& value);

// The set request of `args` (OID TYPE VALUE triples), checked, not yet sent; CtlUsageError otherwise.
std::unique_ptr<CtlRawRequest> ctlSetRequest(const QStringList& args);
// After a successful set: what went out, one varbind each.
void ctlReportSet(const CtlRawRequest& request, CtlOutput& out);
