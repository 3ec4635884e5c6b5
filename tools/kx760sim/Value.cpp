#include "tools/kx760sim/Value.h"

#include <arpa/inet.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cctype>
#include <charconv>

namespace kx760sim {

namespace {

template <typename T>
bool parseNumber(std::string_view text, T& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parseHex(std::string_view text, std::string& out) {
  std::string digits;
  for (char c : text) {
    if (c == ' ' || c == ':' || c == '-') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    digits += c;
  }
  if (digits.size() % 2) return false;
  out.clear();
  for (size_t i = 0; i < digits.size(); i += 2)
    out += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  return true;
}

bool parseRange(std::string_view text, std::int64_t& lo, std::int64_t& hi) {
  const auto dots = text.find("..");
  return dots != std::string_view::npos && parseNumber(text.substr(0, dots), lo) &&
         parseNumber(text.substr(dots + 2), hi) && lo <= hi;
}

}  // namespace

std::optional<ValueType> parseTypeName(std::string_view name) {
  if (name == "integer") return ValueType::Integer;
  if (name == "gauge") return ValueType::Gauge;
  if (name == "counter") return ValueType::Counter;
  if (name == "counter64") return ValueType::Counter64;
  if (name == "timeticks") return ValueType::TimeTicks;
  if (name == "string" || name == "hex") return ValueType::OctetString;
  if (name == "ipaddress") return ValueType::IpAddress;
  if (name == "oid") return ValueType::ObjectId;
  return std::nullopt;
}

std::string_view typeName(ValueType type) {
  switch (type) {
    case ValueType::Integer:
      return "integer";
    case ValueType::Gauge:
      return "gauge";
    case ValueType::Counter:
      return "counter";
    case ValueType::Counter64:
      return "counter64";
    case ValueType::TimeTicks:
      return "timeticks";
    case ValueType::OctetString:
      return "string";
    case ValueType::IpAddress:
      return "ipaddress";
    case ValueType::ObjectId:
      return "oid";
  }
  return "?";
}

std::optional<Value> parseValue(std::string_view name, std::string_view text, std::string& error) {
  const auto type = parseTypeName(name);
  if (!type) {
    error = "unknown type '" + std::string(name) + "'";
    return std::nullopt;
  }
  Value v;
  v.type = *type;
  bool ok = true;
  switch (*type) {
    case ValueType::Integer:
      ok = parseNumber(text, v.number) && v.number >= INT32_MIN && v.number <= INT32_MAX;
      break;
    case ValueType::Gauge:
    case ValueType::Counter:
    case ValueType::TimeTicks:
      ok = parseNumber(text, v.number) && v.number >= 0 && v.number <= UINT32_MAX;
      break;
    case ValueType::Counter64:
      ok = parseNumber(text, v.number64);
      break;
    case ValueType::OctetString:
      if (name == "hex")
        ok = parseHex(text, v.octets);
      else
        v.octets = std::string(text);
      break;
    case ValueType::IpAddress: {
      in_addr addr{};
      ok = inet_pton(AF_INET, std::string(text).c_str(), &addr) == 1;
      if (ok) v.octets.assign(reinterpret_cast<const char*>(&addr), 4);
      break;
    }
    case ValueType::ObjectId: {
      auto parsed = parseOid(text);
      ok = parsed.has_value();
      if (ok) v.objectId = std::move(*parsed);
      break;
    }
  }
  if (!ok) {
    error = "bad " + std::string(name) + " value '" + std::string(text) + "'";
    return std::nullopt;
  }
  return v;
}

unsigned char asnType(ValueType type) {
  switch (type) {
    case ValueType::Integer:
      return ASN_INTEGER;
    case ValueType::Gauge:
      return ASN_GAUGE;
    case ValueType::Counter:
      return ASN_COUNTER;
    case ValueType::Counter64:
      return ASN_COUNTER64;
    case ValueType::TimeTicks:
      return ASN_TIMETICKS;
    case ValueType::OctetString:
      return ASN_OCTET_STR;
    case ValueType::IpAddress:
      return ASN_IPADDRESS;
    case ValueType::ObjectId:
      return ASN_OBJECT_ID;
  }
  return ASN_NULL;
}

std::optional<ValueType> fromAsnType(unsigned char asn) {
  switch (asn) {
    case ASN_INTEGER:
      return ValueType::Integer;
    case ASN_GAUGE:
      return ValueType::Gauge;
    case ASN_COUNTER:
      return ValueType::Counter;
    case ASN_COUNTER64:
      return ValueType::Counter64;
    case ASN_TIMETICKS:
      return ValueType::TimeTicks;
    case ASN_OCTET_STR:
      return ValueType::OctetString;
    case ASN_IPADDRESS:
      return ValueType::IpAddress;
    case ASN_OBJECT_ID:
      return ValueType::ObjectId;
    default:
      return std::nullopt;
  }
}

std::optional<Access> parseAccess(std::string_view flags, std::string& error) {
  Access access;
  while (!flags.empty()) {
    const auto comma = flags.find(',');
    std::string_view flag = flags.substr(0, comma);
    flags = comma == std::string_view::npos ? std::string_view{} : flags.substr(comma + 1);
    std::int64_t lo = 0, hi = 0;
    if (flag == "rw") {
      access.writable = true;
    } else if (flag == "ro") {
      access.writable = false;
    } else if (flag.starts_with("range=") && parseRange(flag.substr(6), lo, hi)) {
      access.range = std::pair(lo, hi);
    } else if (flag.starts_with("size=") && parseRange(flag.substr(5), lo, hi) && lo >= 0) {
      access.size = std::pair(static_cast<size_t>(lo), static_cast<size_t>(hi));
    } else {
      error = "bad flag '" + std::string(flag) + "'";
      return std::nullopt;
    }
  }
  return access;
}

}  // namespace kx760sim
