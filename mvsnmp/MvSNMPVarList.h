// Managed-object descriptors (SnmpVarDef, static arrays compiled into the catalogue) and the
// run-time variable list (MvSNMPVarList) that a request reads and writes, one SnmpVarItem per
// object.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

class MvOptionList;

// Value syntax codes: the ASN.1 tags of the SNMP types where one exists, plus codes of our own.
namespace Syntax {
constexpr quint32 Boolean = 1;       // "boolean": truth value carried as INTEGER
constexpr quint32 Integer = 2;       // "integer"
constexpr quint32 BitStr = 3;        // "bitstr": BITS carried as OCTET STRING (port lists)
constexpr quint32 OctetStr = 4;      // "octetstr": shown in hexadecimal
constexpr quint32 Null = 5;          // "null"
constexpr quint32 ObjectId = 6;      // "objectid"
constexpr quint32 IpAddress = 64;    // "ipaddress"
constexpr quint32 Counter = 65;      // "counter": Counter32
constexpr quint32 Guage = 66;        // "guage": Gauge32
constexpr quint32 TimeTicks = 67;    // "timeticks"
constexpr quint32 Opaque = 68;       // "opaque": shown in hexadecimal
constexpr quint32 NsapAddr = 69;     // "nsapaddr": handled like an IP address
constexpr quint32 Counter64 = 70;    // "counter64"
constexpr quint32 UInteger = 71;     // "uinteger": UInteger32
constexpr quint32 Double = 72;       // "double": IEEE-754 double in an OCTET STRING
constexpr quint32 MacAddress = 73;   // "macaddress": 6 octets
constexpr quint32 DateTime = 74;     // "datetime": DateAndTime, 11 octets
constexpr quint32 BcDateTime = 75;   // "bcdatetime": day-count double in an OCTET STRING
constexpr quint32 DisplayStr = 76;   // "displaystr": OCTET STRING shown as text
constexpr quint32 Ipv6Address = 77;  // "ipv6address": 16 octets
// Answers only: the Opaque extension values (a float, double or 64-bit integer wrapped in an
// Opaque), shown as their numbers; never written, never index columns.
constexpr quint32 OpaqueCounter64 = 118;  // "opaquecounter64"
constexpr quint32 OpaqueFloat = 120;      // "opaquefloat"
constexpr quint32 OpaqueDouble = 121;     // "opaquedouble"
constexpr quint32 OpaqueInt64 = 122;      // "opaqueint64"
constexpr quint32 OpaqueUInt64 = 123;     // "opaqueuint64"
// Partial data: applied by the binding layer to a part of an octet-string value, never a varbind.
constexpr quint32 Bool8 = 193;
constexpr quint32 Int8 = 194;
constexpr quint32 UInt8 = 195;
constexpr quint32 Bool16 = 196;
constexpr quint32 Int16 = 197;
constexpr quint32 UInt16 = 198;
}  // namespace Syntax

// Access and role bits of an item.
namespace Access {
constexpr quint32 NotAccess = 1;  // "notaccess": index column, value taken from the row index
constexpr quint32 ReadOnly = 2;   // "readonly": travels in get and get-next
constexpr quint32 WriteOnly = 4;  // "writeonly": travels in set
constexpr quint32 ReadWrite = 6;  // "readwrite"
constexpr quint32 Derived = 8;    // "derived": produced by the program, shown
constexpr quint32 Hidden = 16;    // "hidden": never shown
constexpr quint32 Invalid = 32;   // "invalid": travels in no PDU
constexpr quint32 Implied = 64;   // last index column encoded without a length prefix
}  // namespace Access

// List kinds (MvSNMPVarList::itemType).
constexpr quint8 SVT_SV = 0;   // group of scalars: ".0" appended to every OID
constexpr quint8 MVT_SV = 1;   // one row addressed explicitly: OIDs used as they stand
constexpr quint8 MVT_FMV = 2;  // table walked with get-next
constexpr quint8 MVT_UMV = 3;  // table walked with get-next

// The two special texts that can stand in an item's value: no value, and a table column that has
// no value in the current row.
inline constexpr char NullValueText[] = "(NULL)";
inline constexpr char NotDoneValueText[] = "(NOTDONE)";

// The layer's keyword of a syntax code ("integer", "guage", ...), nullptr for an unknown code.
const char* syntaxKeyword(quint32 syntax);
// The keyword of a list kind ("SVT_SV", ...), nullptr for an unknown kind.
const char* itemTypeKeyword(quint8 itemType);

// One static definition. Arrays of them end with a record whose oid is nullptr; only the first
// five fields are usually given, the others default to none.
struct SnmpVarDef {
  const char* oid = nullptr;  // dotted, no leading dot, no ".0" instance
  const char* label = nullptr;
  quint32 syntax = 0;
  quint32 access = 0;
  const MvOptionList* options = nullptr;  // process-wide, never owned
  const char* readExpr = nullptr;
  const char* writeExpr = nullptr;
  const char* reserved = nullptr;
  const char* initialValue = nullptr;
  const char* initialOid = nullptr;
};

// An item of a variable list: an owned copy of its definition plus its run-time state.
struct SnmpVarItem {
  QString oid;
  QString label;
  quint32 syntax = 0;
  quint32 access = 0;
  const MvOptionList* options = nullptr;  // shared with the definition
  std::optional<QString> readExpr;        // absent when the definition has none
  std::optional<QString> writeExpr;
  std::optional<QString> reserved;
  QString value;       // display text; "(NULL)" and "(NOTDONE)" can stand here after a read
  QString currentOid;  // the OID the agent last returned for this item
};

class MvSNMPVarList {
 public:
  MvSNMPVarList() = default;
  MvSNMPVarList(const SnmpVarDef* defs, quint8 itemType, int keyCount);

  // Appends one item per definition up to the terminator (nullptr appends nothing).
  void appendDefs(const SnmpVarDef* defs);
  // Every item's oid becomes oid + "." + suffix (addresses one row of an MVT_SV list).
  void appendOidSuffix(const QString& suffix);

  int keyCount() const { return keyCount_; }
  void setKeyCount(int n) { keyCount_ = n; }
  quint8 itemType() const { return itemType_; }
  void setItemType(quint8 t) { itemType_ = t; }
  bool isTableList() const { return itemType_ == MVT_FMV || itemType_ == MVT_UMV; }

  int count() const { return static_cast<int>(items_.size()); }
  // Position i must be valid (std::out_of_range otherwise).
  SnmpVarItem& item(int i) { return items_.at(static_cast<size_t>(i)); }
  const SnmpVarItem& item(int i) const { return items_.at(static_cast<size_t>(i)); }

  bool isImpliedIndex(int i) const;  // bit 64
  bool isReadable(int i) const;      // travels in get and get-next
  bool isSettable(int i) const;      // writable, or an index column of a table list
  bool isShown(int i) const;         // shown as a field or visible column
  bool isCarried(int i) const;       // kept in a zero-width column
  int shownCount() const;
  int carriedCount() const;

 private:
  // Items are held by value: copying a list copies every text (deep copy), while the option-list
  // pointers stay shared.
  std::vector<SnmpVarItem> items_;
  int keyCount_ = 0;
  quint8 itemType_ = SVT_SV;
};
