// An MvSNMPRequest on objects whose types are not known beforehand: every answer's value is shown
// by the syntax of its own type, a walk stays inside the subtrees it was given, and a table walk
// carries the row index as one opaque index column so that columns that end early follow the
// current row, as on a table page.
#pragma once

#include <QStringList>
#include <map>
#include <memory>

#include "tools/kx760ctl/CtlOutput.h"
#include "mvsnmp/MvSNMPRequest.h"

class CtlRawRequest : public MvSNMPRequest {
 public:
  // How octet strings are shown: always in the hexadecimal form, or as text when every octet is
  // printable (the plain output, for reading by a person).
  enum class OctetForm { Hex, TextWhenPrintable };

  // A single-value list ("MVT_SV") of the OIDs as given.
  static std::unique_ptr<CtlRawRequest> forGet(const QStringList& oids, OctetForm form);
  // A table list walked with get-next, one column per OID.
  static std::unique_ptr<CtlRawRequest> forWalk(const QStringList& oids, OctetForm form);
  // A single-value list for a set: the items' syntaxes and values are filled by the caller.
  static std::unique_ptr<CtlRawRequest> forSet(const QStringList& oids);

  // The objects of the list (after the row-index column of a walk), as printed.
  int firstObject() const { return varList.keyCount(); }
  // As printed. An object the agent does not have shows what the agent said, as type and value:
  // "noSuchObject", "noSuchInstance" (SNMPv2c/v3) or "noSuchName" (SNMPv1).
  CtlVarBind varBind(int i) const;
  // Marks item i as missing with SNMPv1's noSuchName.
  void markNoSuchName(int i);
  // Whether some item is an object the agent does not have.
  bool anyMissing() const { return !missing_.empty(); }

  // Item i to the output as varBind(i) gives it, written from the walk's own numbers.
  void printTo(int i, CtlOutput& out) const;

  void storeValue(int i, const MvValue& value) override;
  QString decodeIndexValue(int i, const QString& suffix) override;
  QString encodeIndexValue(int i) override;

 private:
  CtlRawRequest(const QStringList& oids, quint8 itemType, quint32 access, OctetForm form);
  OctetForm form_;
  std::map<int, QString> missing_;  // item -> what the agent said
};

// The syntax a value is shown with, in every command alike: its own SNMP type; octet strings as
// "displaystr" text only in the form for a person and when every octet is printable.
quint32 ctlSyntaxOfValue(const MvValue& v, CtlRawRequest::OctetForm form);
// The form of octet strings for this output: hexadecimal in JSON, text where it can be for a person.
inline CtlRawRequest::OctetForm ctlOctetForm(bool json) {
  return json ? CtlRawRequest::OctetForm::Hex : CtlRawRequest::OctetForm::TextWhenPrintable;
}

// Dotted decimal text of an OID argument (one leading dot allowed); CtlUsageError otherwise.
QString ctlOidArgument(const QString& text);

// Gives a request the parameters of another device than DeviceTarget (kx760ctl --hosts talks to
// many at once), with exactly what the request would copy from DeviceTarget.
void ctlLoadTarget(MvSNMPRequest& request, const MvDeviceParams& device);
