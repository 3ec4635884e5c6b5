#include "tools/kx760ctl/CtlRawRequest.h"

#include <vector>

#include "tools/kx760ctl/CtlCommand.h"
#include "mvsnmp/MvValueConversion.h"

// The SNMP type tags are the layer's syntax codes.
quint32 ctlSyntaxOfValue(const MvValue& v, CtlRawRequest::OctetForm form) {
  if (v.type == MvValueType::OctetString && form == CtlRawRequest::OctetForm::TextWhenPrintable &&
      !v.octets.isEmpty()) {
    bool printable = true;
    for (char c : v.octets) printable = printable && c >= 0x20 && c <= 0x7E;
    if (printable) return Syntax::DisplayStr;
  }
  return v.isException() ? Syntax::Null : static_cast<quint32>(v.type);
}

void ctlLoadTarget(MvSNMPRequest& request, const MvDeviceParams& device) {
  const MvDeviceParams saved = DeviceTarget;
  DeviceTarget = device;
  request.loadDeviceTarget();
  DeviceTarget = saved;
}

QString ctlOidArgument(const QString& text) {
  const std::optional<MvOid> oid = parseOid(text);
  if (!oid || oid->empty()) throw CtlUsageError(QStringLiteral("not an OID: \"%1\"").arg(text));
  return oidText(*oid);
}

CtlRawRequest::CtlRawRequest(const QStringList& oids, quint8 itemType, quint32 access,
                             OctetForm form)
    : form_(form) {
  // The definitions point into these texts only while appendDefs copies them.
  std::vector<QByteArray> texts;
  for (const QString& oid : oids) texts.push_back(ctlOidArgument(oid).toLatin1());
  std::vector<SnmpVarDef> defs;
  for (const QByteArray& t : texts) defs.push_back({t.constData(), t.constData(), Syntax::Null, access});
  defs.push_back({});
  varList.setItemType(itemType);
  varList.appendDefs(defs.data());
}

std::unique_ptr<CtlRawRequest> CtlRawRequest::forGet(const QStringList& oids, OctetForm form) {
  return std::unique_ptr<CtlRawRequest>(new CtlRawRequest(oids, MVT_SV, Access::ReadOnly, form));
}

std::unique_ptr<CtlRawRequest> CtlRawRequest::forWalk(const QStringList& oids, OctetForm form) {
  // Item 0 is the row index: not accessible, so it travels in no PDU; it takes the whole index
  // of the row being read, and columns that end early continue from that row.
  QStringList items{oids.value(0)};
  items += oids;
  std::unique_ptr<CtlRawRequest> r(new CtlRawRequest(items, MVT_FMV, Access::ReadOnly, form));
  r->varList.item(0).access = Access::NotAccess;
  // Before the first row the index is "0": a column that ends in the first step has no object
  // at all, so restarting it below its own OID finds none either.
  r->varList.item(0).value = QStringLiteral("0");
  r->varList.setKeyCount(1);
  return r;
}

std::unique_ptr<CtlRawRequest> CtlRawRequest::forSet(const QStringList& oids) {
  return std::unique_ptr<CtlRawRequest>(
      new CtlRawRequest(oids, MVT_SV, Access::ReadWrite, OctetForm::Hex));
}

CtlVarBind CtlRawRequest::varBind(int i) const {
  const SnmpVarItem& item = varList.item(i);
  if (const auto it = missing_.find(i); it != missing_.end())
    return {item.currentOid.isEmpty() ? item.oid : item.currentOid, it->second, it->second};
  const char* keyword = syntaxKeyword(item.syntax);
  return {item.currentOid.isEmpty() ? item.oid : item.currentOid,
          QString::fromLatin1(keyword ? keyword : "null"), item.value};
}

void CtlRawRequest::printTo(int i, CtlOutput& out) const {
  const MvOid& oid = currentArcs(i);
  if (oid.empty() || missing_.count(i)) {
    out.add(varBind(i));
    return;
  }
  const char* keyword = syntaxKeyword(varList.item(i).syntax);
  out.add(oid, keyword ? keyword : "null", varList.item(i).value);
}

void CtlRawRequest::storeValue(int i, const MvValue& value) {
  missing_.erase(i);
  // In a get answer, what the agent says of an object it does not have (a walk never shows an
  // exception: endOfMibView ends its column).
  if (value.type == MvValueType::NoSuchObject) missing_[i] = QStringLiteral("noSuchObject");
  if (value.type == MvValueType::NoSuchInstance) missing_[i] = QStringLiteral("noSuchInstance");
  varList.item(i).syntax = ctlSyntaxOfValue(value, form_);
  MvSNMPRequest::storeValue(i, value);
}

void CtlRawRequest::markNoSuchName(int i) {
  missing_[i] = QStringLiteral("noSuchName");
  varList.item(i).syntax = Syntax::Null;
  varList.item(i).value = QString::fromLatin1(NullValueText);
}

QString CtlRawRequest::decodeIndexValue(int i, const QString& suffix) {
  varList.item(i).value = suffix;
  return {};
}

QString CtlRawRequest::encodeIndexValue(int i) {
  return varList.item(i).value;
}
