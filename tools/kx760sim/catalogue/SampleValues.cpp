#include "tools/kx760sim/catalogue/SampleValues.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "mvsnmp/MvOptionList.h"

namespace kx760sim::catalogue {

namespace {

constexpr int kCreateAndGo = 4, kDestroy = 6, kActive = 1;

std::string hexOctets(const std::vector<int>& octets) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (int o : octets) {
    if (!out.empty()) out += ' ';
    out += digits[(o >> 4) & 0xF];
    out += digits[o & 0xF];
  }
  return out;
}

std::string dotted(const std::vector<int>& subIds) {
  std::string out;
  for (int s : subIds) out += (out.empty() ? "" : ".") + std::to_string(s);
  return out;
}

bool hasLabelWord(const SnmpVarDef& def, const char* word) {
  return QString::fromLatin1(def.label).contains(QLatin1String(word), Qt::CaseInsensitive);
}

// A text made of the label's words: "SNMP Target Address Tag List" -> "snmp-target-address-tag".
std::string labelText(const SnmpVarDef& def, int row) {
  std::string out;
  for (const char* c = def.label; *c && out.size() < 24; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c)))
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    else if (!out.empty() && out.back() != '-')
      out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return row > 0 ? out + "-" + std::to_string(row + 1) : out;
}

std::string objectIdFor(const SnmpVarDef& def) {
  if (hasLabelWord(def, "Domain")) return "1.3.6.1.6.1.1";                          // snmpUDPDomain
  if (hasLabelWord(def, "Authentication Protocol")) return "1.3.6.1.6.3.10.1.1.3";  // HMAC-SHA
  if (hasLabelWord(def, "Privacy Protocol")) return "1.3.6.1.6.3.10.1.2.4";         // AES
  return "0.0";
}

}  // namespace

bool isRowStatus(const SnmpVarDef& def) {
  const MvOptionList* o = def.options;
  return o && o->kind() == MvOptionList::Numeric &&
         o->labelOf(QString::number(kCreateAndGo)) == QLatin1String("createAndGo") &&
         o->labelOf(QString::number(kDestroy)) == QLatin1String("destroy");
}

SampleCell sampleCell(const SnmpVarDef& def, int row) {
  const int r = row;
  switch (def.syntax) {
    case Syntax::Integer:
      if (isRowStatus(def)) return {"integer", std::to_string(kActive)};
      if (def.options && def.options->count() > 0)
        return {"integer", std::to_string(def.options->item(r % def.options->count()).number)};
      return {"integer", std::to_string(10 * (r + 1))};
    case Syntax::BitStr:  // a port list: ports 1-4, then 5-8, ...
      return {"hex", hexOctets({r % 2 ? 0x0F : 0xF0, 0, 0, 0})};
    case Syntax::OctetStr:
      return {"hex", hexOctets({0xFF, 0xFF, 0, r})};
    case Syntax::ObjectId:
      return {"oid", objectIdFor(def)};
    case Syntax::IpAddress:
      return {"ipaddress",
              hasLabelWord(def, "Mask") ? "255.255.255.0" : "10.90.90." + std::to_string(10 + r)};
    case Syntax::Counter:
      return {"counter", std::to_string(1200 + 137 * r)};
    case Syntax::Guage:
      return {"gauge", std::to_string(30 + r)};
    case Syntax::TimeTicks:
      return {"timeticks", std::to_string(360000 * (r + 1))};
    case Syntax::Counter64:
      return {"counter64", std::to_string(5000000000ULL + 1000ULL * static_cast<unsigned>(r))};
    case Syntax::MacAddress:
      return {"hex", hexOctets({0x00, 0x1C, 0xF0, 0xA0, 0x00, r + 1})};
    case Syntax::DisplayStr:
      return {"string", labelText(def, r)};
    case Syntax::Ipv6Address:
      return {"hex",
              hexOctets({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0x1C, 0xF0, 0xFF, 0xFE, 0, 0, r + 1})};
    default:
      throw std::runtime_error(std::string("no sample value for the syntax of ") + def.label);
  }
}

SampleIndex sampleIndex(const SnmpVarDef& def, int row, bool implied) {
  const auto withLength = [implied](std::vector<int> subIds) {
    if (!implied) subIds.insert(subIds.begin(), static_cast<int>(subIds.size()));
    return dotted(subIds);
  };
  switch (def.syntax) {
    case Syntax::Integer: {
      int n = row + 1;
      if (def.options && def.options->count() > 0)
        n = def.options->item(row % def.options->count()).number;
      return {std::to_string(n), {"integer", std::to_string(n)}};
    }
    case Syntax::Counter:
      return {std::to_string(row + 1), {"counter", std::to_string(row + 1)}};
    case Syntax::IpAddress: {
      const std::vector<int> a{10, 90, 90, 10 + row};
      return {dotted(a), {"ipaddress", dotted(a)}};
    }
    case Syntax::MacAddress: {
      const std::vector<int> m{0x00, 0x1C, 0xF0, 0x10, 0x00, row + 1};
      return {dotted(m), {"hex", hexOctets(m)}};
    }
    case Syntax::DisplayStr: {
      const std::string text = row % 2 ? "beta" : "alpha";
      std::vector<int> chars(text.begin(), text.end());
      return {withLength(chars), {"string", text}};
    }
    case Syntax::OctetStr: {  // shaped like an SNMP engine ID
      const std::vector<int> o{0x80, 0x00, 0xBC, 0x55, 0x03, row + 1};
      return {withLength(o), {"hex", hexOctets(o)}};
    }
    case Syntax::ObjectId: {
      const std::vector<int> o =
          row % 2 ? std::vector<int>{1, 3, 6, 1, 4, 1} : std::vector<int>{1, 3, 6, 1, 2, 1};
      return {withLength(o), {"oid", dotted(o)}};
    }
    default:
      throw std::runtime_error(std::string("no sample index for the syntax of ") + def.label);
  }
}

std::string sampleFlags(const SnmpVarDef& def, bool statusColumn) {
  if (!(def.access & Access::WriteOnly)) return {};
  std::string flags = "rw";
  if (def.syntax == Syntax::Integer && def.options && def.options->count() > 0 && !statusColumn) {
    int lo = def.options->item(0).number, hi = lo;
    for (int i = 1; i < def.options->count(); ++i) {
      lo = std::min(lo, def.options->item(i).number);
      hi = std::max(hi, def.options->item(i).number);
    }
    flags += ",range=" + std::to_string(lo) + ".." + std::to_string(hi);
  } else if (def.syntax == Syntax::MacAddress) {
    flags += ",size=6..6";
  } else if (def.syntax == Syntax::Ipv6Address) {
    flags += ",size=16..16";
  } else if (def.syntax == Syntax::DisplayStr) {
    flags += ",size=0..255";
  }
  return flags;
}

}  // namespace kx760sim::catalogue
