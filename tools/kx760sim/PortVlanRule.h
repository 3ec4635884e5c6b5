// The switch's rule for dot1qPortVlanTable: a port's PVID must name a VLAN that the static VLAN
// table holds once the PDU is carried out (a VLAN created in the same PDU counts, one destroyed
// in it does not); a PVID of any other VLAN is refused with inconsistentValue.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "tools/kx760sim/SetTransaction.h"

namespace kx760sim {

class PortVlanRule {
 public:
  static const Oid kPvid;  // the dot1qPvid column

  // The position in `batch` of the first PVID naming a VLAN without a static row, if any.
  // `rowAfter(statusOid)`: whether that object exists once the PDU's changes are made.
  static std::optional<std::size_t> firstBadPvid(const std::vector<SetTransaction::Varbind>& batch,
                                                 const std::function<bool(const Oid&)>& rowAfter);
};

}  // namespace kx760sim
