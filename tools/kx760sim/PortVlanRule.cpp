#include "tools/kx760sim/PortVlanRule.h"

#include "tools/kx760sim/VlanMirror.h"

namespace kx760sim {

const Oid PortVlanRule::kPvid{1, 3, 6, 1, 2, 1, 17, 7, 1, 4, 5, 1, 1};

std::optional<std::size_t> PortVlanRule::firstBadPvid(const std::vector<SetTransaction::Varbind>& batch,
                                                      const std::function<bool(const Oid&)>& rowAfter) {
  for (std::size_t i = 0; i < batch.size(); ++i) {
    const SetTransaction::Varbind& vb = batch[i];
    if (vb.name.size() != kPvid.size() + 1 || !isPrefix(kPvid, vb.name)) continue;
    Oid status = VlanMirror::kStaticRowStatus;
    status.push_back(static_cast<Arc>(vb.value.number));
    if (!rowAfter(status)) return i;
  }
  return std::nullopt;
}

}  // namespace kx760sim
