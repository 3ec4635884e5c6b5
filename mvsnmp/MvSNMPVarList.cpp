#include "mvsnmp/MvSNMPVarList.h"

namespace {

struct Keyword {
  quint32 code;
  const char* keyword;
};

constexpr Keyword SyntaxKeywords[] = {
    {Syntax::Boolean, "boolean"},
    {Syntax::Integer, "integer"},
    {Syntax::BitStr, "bitstr"},
    {Syntax::OctetStr, "octetstr"},
    {Syntax::Null, "null"},
    {Syntax::ObjectId, "objectid"},
    {Syntax::IpAddress, "ipaddress"},
    {Syntax::Counter, "counter"},
    {Syntax::Guage, "guage"},
    {Syntax::TimeTicks, "timeticks"},
    {Syntax::Opaque, "opaque"},
    {Syntax::NsapAddr, "nsapaddr"},
    {Syntax::Counter64, "counter64"},
    {Syntax::UInteger, "uinteger"},
    {Syntax::Double, "double"},
    {Syntax::MacAddress, "macaddress"},
    {Syntax::DateTime, "datetime"},
    {Syntax::BcDateTime, "bcdatetime"},
    {Syntax::DisplayStr, "displaystr"},
    {Syntax::Ipv6Address, "ipv6address"},
    {Syntax::OpaqueCounter64, "opaquecounter64"},
    {Syntax::OpaqueFloat, "opaquefloat"},
    {Syntax::OpaqueDouble, "opaquedouble"},
    {Syntax::OpaqueInt64, "opaqueint64"},
    {Syntax::OpaqueUInt64, "opaqueuint64"},
    {Syntax::Bool8, "bool8"},
    {Syntax::Int8, "int8"},
    {Syntax::UInt8, "uint8"},
    {Syntax::Bool16, "bool16"},
    {Syntax::Int16, "int16"},
    {Syntax::UInt16, "uint16"},
};

constexpr Keyword ItemTypeKeywords[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}};

template <size_t N>
const char* keywordOf(const Keyword (&table)[N], quint32 code) {
  for (const Keyword& k : table)
    if (k.code == code) return k.keyword;
  return nullptr;
}

std::optional<QString> optionalText(const char* text) {
  if (text == nullptr) return std::nullopt;
  return QString::fromUtf8(text);
}

}  // namespace

const char* syntaxKeyword(quint32 syntax) {
  return keywordOf(SyntaxKeywords, syntax);
}
const char* itemTypeKeyword(quint8 itemType) {
  return keywordOf(ItemTypeKeywords, itemType);
}

MvSNMPVarList::MvSNMPVarList(const SnmpVarDef* defs, quint8 itemType, int keyCount)
    : keyCount_(keyCount), itemType_(itemType) {
  appendDefs(defs);
}

void MvSNMPVarList::appendDefs(const SnmpVarDef* defs) {
  if (defs == nullptr) return;
  size_t n = 0;
  while (defs[n].oid != nullptr) ++n;
  items_.reserve(items_.size() + n);
  for (size_t k = 0; k < n; ++k) {
    const SnmpVarDef& d = defs[k];
    SnmpVarItem item;
    item.oid = QString::fromUtf8(d.oid);
    item.label = QString::fromUtf8(d.label);
    item.syntax = d.syntax;
    item.access = d.access;
    item.options = d.options;
    item.readExpr = optionalText(d.readExpr);
    item.writeExpr = optionalText(d.writeExpr);
    item.reserved = optionalText(d.reserved);
    item.value = QString::fromUtf8(d.initialValue);  // nullptr gives empty text
    item.currentOid = QString::fromUtf8(d.initialOid);
    items_.push_back(std::move(item));
  }
}

void MvSNMPVarList::appendOidSuffix(const QString& suffix) {
  for (SnmpVarItem& item : items_) item.oid += u'.' + suffix;
}

bool MvSNMPVarList::isImpliedIndex(int i) const {
  return (item(i).access & Access::Implied) != 0;
}

bool MvSNMPVarList::isReadable(int i) const {
  const quint32 a = item(i).access;
  return (a & Access::Invalid) == 0 && (a & Access::ReadOnly) != 0;
}

bool MvSNMPVarList::isSettable(int i) const {
  const quint32 a = item(i).access;
  if ((a & Access::Invalid) != 0) return false;
  return (a & Access::WriteOnly) != 0 || (isTableList() && i < keyCount_);
}

bool MvSNMPVarList::isShown(int i) const {
  const quint32 a = item(i).access;
  return (a & (Access::Invalid | Access::Hidden)) == 0 &&
         (a & (Access::NotAccess | Access::ReadOnly | Access::Derived)) != 0;
}

bool MvSNMPVarList::isCarried(int i) const {
  const quint32 a = item(i).access;
  return a == Access::WriteOnly || (a & (Access::Invalid | Access::Hidden)) != 0;
}

int MvSNMPVarList::shownCount() const {
  int n = 0;
  for (int i = 0; i < count(); ++i) n += isShown(i) ? 1 : 0;
  return n;
}

int MvSNMPVarList::carriedCount() const {
  int n = 0;
  for (int i = 0; i < count(); ++i) n += isCarried(i) ? 1 : 0;
  return n;
}
