#include "tools/kx760sim/Oid.h"

#include <algorithm>
#include <charconv>

namespace kx760sim {

std::optional<Oid> parseOid(std::string_view text) {
  if (!text.empty() && text.front() == '.') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  Oid result;
  while (true) {
    const auto dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    if (part.empty()) return std::nullopt;
    Arc arc = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), arc);
    // An arc is 32 bits on the wire, whatever the width of the host's long.
    if (ec != std::errc() || end != part.data() + part.size() || arc > 0xFFFFFFFFul)
      return std::nullopt;
    result.push_back(arc);
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  return result;
}

std::string formatOid(const Oid& oid) {
  std::string text;
  for (size_t i = 0; i < oid.size(); ++i) {
    if (i) text += '.';
    text += std::to_string(oid[i]);
  }
  return text;
}

bool isPrefix(const Oid& prefix, const Oid& oid) {
  return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid concat(const Oid& head, const Oid& tail) {
  Oid result = head;
  result.insert(result.end(), tail.begin(), tail.end());
  return result;
}

}  // namespace kx760sim
