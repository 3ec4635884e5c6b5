#include "tools/kx760sim/RequestLog.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cerrno>
#include <cstring>

namespace kx760sim {

namespace {

std::string jsonText(const unsigned char* data, std::size_t length) {
  std::string out = "\"";
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char c = data[i];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + '"';
}

std::string hex(const unsigned char* data, std::size_t length) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < length; ++i) {
    out += digits[data[i] >> 4];
    out += digits[data[i] & 15];
  }
  return out;
}

std::string dotted(const oid* name, std::size_t length) {
  std::string out;
  for (std::size_t i = 0; i < length; ++i) out += (i ? "." : "") + std::to_string(name[i]);
  return out;
}

const char* pduName(int command) {
  switch (command) {
    case SNMP_MSG_GET: return "get";
    case SNMP_MSG_GETNEXT: return "getnext";
    case SNMP_MSG_GETBULK: return "getbulk";
    case SNMP_MSG_SET: return "set";
    default: return "other";
  }
}

// Type keyword and JSON value of a varbind.
std::pair<const char*, std::string> typedValue(const netsnmp_variable_list& vb) {
  switch (vb.type) {
    case ASN_INTEGER: return {"integer", std::to_string(*vb.val.integer)};
    case ASN_GAUGE: return {"gauge", std::to_string(static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul)};
    case ASN_COUNTER: return {"counter", std::to_string(static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul)};
    case ASN_TIMETICKS: return {"timeticks", std::to_string(static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul)};
    case ASN_COUNTER64: {
      const unsigned long long v = (static_cast<unsigned long long>(vb.val.counter64->high) << 32) |
                                   (vb.val.counter64->low & 0xFFFFFFFFul);
      return {"counter64", std::to_string(v)};
    }
    case ASN_OCTET_STR: return {"octets", '"' + hex(vb.val.string, vb.val_len) + '"'};
    case ASN_IPADDRESS: {
      std::string ip;
      for (std::size_t i = 0; i < vb.val_len; ++i) ip += (i ? "." : "") + std::to_string(vb.val.string[i]);
      return {"ipaddress", '"' + ip + '"'};
    }
    case ASN_OBJECT_ID: return {"oid", '"' + dotted(vb.val.objid, vb.val_len / sizeof(oid)) + '"'};
    case ASN_NULL: return {"null", "null"};
    default: return {"other", '"' + hex(vb.val.string, vb.val.string ? vb.val_len : 0) + '"'};
  }
}

}  // namespace

bool RequestLog::open(const std::string& path, std::string& error) {
  file_.reset(std::fopen(path.c_str(), "w"));
  if (!file_) error = "cannot write the log " + path + ": " + std::strerror(errno);
  return file_ != nullptr;
}

std::string RequestLog::line(const snmp_pdu& pdu) {
  std::string out = std::string("{\"pdu\":\"") + pduName(pdu.command) + '"';
  if (pdu.version == SNMP_VERSION_3)
    out += ",\"user\":" + jsonText(reinterpret_cast<const unsigned char*>(pdu.securityName ? pdu.securityName : ""),
                                   pdu.securityName ? pdu.securityNameLen : 0);
  else
    out += ",\"community\":" + jsonText(pdu.community, pdu.community ? pdu.community_len : 0);
  if (pdu.command == SNMP_MSG_GETBULK)
    out += ",\"nonRepeaters\":" + std::to_string(pdu.errstat) + ",\"maxRepetitions\":" + std::to_string(pdu.errindex);
  out += ",\"varbinds\":[";
  bool first = true;
  for (const netsnmp_variable_list* vb = pdu.variables; vb; vb = vb->next_variable) {
    const auto [type, value] = typedValue(*vb);
    out += std::string(first ? "" : ",") + "{\"oid\":\"" + dotted(vb->name, vb->name_length) + "\",\"type\":\"" +
           type + "\",\"value\":" + value + '}';
    first = false;
  }
  return out + "]}";
}

void RequestLog::write(const snmp_pdu& pdu) {
  if (!file_) return;
  const std::string text = line(pdu) + '\n';
  std::fwrite(text.data(), 1, text.size(), file_.get());
  std::fflush(file_.get());
}

}  // namespace kx760sim
