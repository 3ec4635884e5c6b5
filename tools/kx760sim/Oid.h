// Object identifiers as the simulator keeps them: plain vectors of arcs, ordered
// exactly as SNMP orders them (lexicographically, a prefix before its extensions).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx760sim {

using Arc = unsigned long;  // the width of Net-SNMP's `oid`, so keys pass to the agent unconverted
using Oid = std::vector<Arc>;

// Parses dotted decimal ("1.3.6.1" or ".1.3.6.1"); nullopt on anything else.
std::optional<Oid> parseOid(std::string_view text);
std::string formatOid(const Oid& oid);
bool isPrefix(const Oid& prefix, const Oid& oid);
Oid concat(const Oid& head, const Oid& tail);

}  // namespace kx760sim
