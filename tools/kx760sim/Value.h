// A typed SNMP value as the simulator stores it, and the access rules of an object
// (writable or not, the range or size a write must respect).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/kx760sim/Oid.h"

namespace kx760sim {

enum class ValueType {
  Integer,
  Gauge,
  Counter,
  Counter64,
  TimeTicks,
  OctetString,
  IpAddress,
  ObjectId
};

struct Value {
  ValueType type = ValueType::Integer;
  std::int64_t number = 0;     // Integer, Gauge, Counter, TimeTicks
  std::uint64_t number64 = 0;  // Counter64
  std::string octets;          // OctetString; IpAddress as its 4 octets
  Oid objectId;                // ObjectId

  static Value integer(std::int64_t v) {
    Value x;
    x.type = ValueType::Integer;
    x.number = v;
    return x;
  }
  static Value octetString(std::string bytes) {
    Value x;
    x.type = ValueType::OctetString;
    x.octets = std::move(bytes);
    return x;
  }

  bool operator==(const Value& other) const = default;
};

// Data-file type names: integer gauge counter counter64 timeticks string hex ipaddress oid.
// `string` and `hex` both make an OctetString; they differ only in how the value is written.
std::optional<ValueType> parseTypeName(std::string_view name);
std::string_view typeName(ValueType type);

// Parses `text` as a value of the data-file type `typeName`; on failure returns nullopt
// and sets `error`.
std::optional<Value> parseValue(std::string_view typeName, std::string_view text,
                                std::string& error);

unsigned char asnType(ValueType type);
std::optional<ValueType> fromAsnType(unsigned char asn);

struct Access {
  bool writable = false;
  std::optional<std::pair<std::int64_t, std::int64_t>> range;  // integers: allowed values
  std::optional<std::pair<std::size_t, std::size_t>> size;     // octet strings: allowed lengths
};

// Parses a flags field such as "rw,range=2..3" or "rw,size=0..32".
std::optional<Access> parseAccess(std::string_view flags, std::string& error);

}  // namespace kx760sim
