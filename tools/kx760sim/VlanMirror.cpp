#include "tools/kx760sim/VlanMirror.h"

#include <map>

namespace kx760sim {

namespace {

const Oid kQVlan{1, 3, 6, 1, 2, 1, 17, 7, 1, 4};
const Oid kCurrentEntry = concat(kQVlan, {2, 1});
const Oid kNumDeletes = concat(kQVlan, {1, 0});
const Oid kNumVlans{1, 3, 6, 1, 2, 1, 17, 7, 1, 1, 4, 0};
// The maker's VLAN table: its column 7 lists the ports a VLAN sends tagged.
const Oid kTaggedPorts{1, 3, 6, 1, 4, 1, 48213, 11, 63, 2, 2, 19, 1, 1, 7};

constexpr std::int64_t kActive = 1;
constexpr std::int64_t kPermanent = 2;

Oid at(const Oid& entry, Arc column, const Oid& index) {
  return concat(concat(entry, {column}), index);
}

std::string octetsAt(const MibStore& store, const Oid& oid) {
  const auto* e = store.find(oid);
  return e ? e->value.octets : std::string();
}

}  // namespace

const Oid VlanMirror::kStaticEntry = concat(kQVlan, {3, 1});
const Oid VlanMirror::kStaticRowStatus = concat(kStaticEntry, {5});

void VlanMirror::sync(MibStore& store, std::size_t deleted, unsigned long now) {
  struct Current {
    Arc timeMark;
    MibStore::Entry fdbId, status, created;
  };
  std::map<Arc, Current> before;
  const Oid currentStatus = concat(kCurrentEntry, {6});
  for (auto* e = store.next(currentStatus, false); e && isPrefix(currentStatus, e->first);
       e = store.next(e->first, false)) {
    const Oid index(e->first.begin() + currentStatus.size(), e->first.end());
    if (index.size() != 2) continue;
    Current c{index[0], {}, e->second, {}};
    if (const auto* f = store.find(at(kCurrentEntry, 3, index))) c.fdbId = *f;
    if (const auto* t = store.find(at(kCurrentEntry, 7, index))) c.created = *t;
    before.emplace(index[1], c);
  }

  const bool taggedKept = store.hasObjectsUnder(kTaggedPorts);
  store.eraseSubtree(kCurrentEntry);
  if (taggedKept) store.eraseSubtree(kTaggedPorts);

  std::int64_t active = 0;
  for (auto* e = store.next(kStaticRowStatus, false); e && isPrefix(kStaticRowStatus, e->first);
       e = store.next(e->first, false)) {
    const Oid vlanIndex(e->first.begin() + kStaticRowStatus.size(), e->first.end());
    if (vlanIndex.size() != 1 || e->second.value.number != kActive) continue;
    const Arc vlan = vlanIndex[0];
    const std::string egress = octetsAt(store, at(kStaticEntry, 2, vlanIndex));
    const std::string untagged = octetsAt(store, at(kStaticEntry, 4, vlanIndex));

    Current c{
        0, {Value::integer(0), {}}, {Value::integer(kPermanent), {}}, {Value::integer(0), {}}};
    c.fdbId.value.type = ValueType::Gauge;
    c.fdbId.value.number = static_cast<std::int64_t>(vlan);
    c.created.value.type = ValueType::TimeTicks;
    c.created.value.number = static_cast<std::int64_t>(now);
    if (auto it = before.find(vlan); it != before.end()) c = it->second;
    const Oid index{c.timeMark, vlan};
    store.put(at(kCurrentEntry, 3, index), c.fdbId);
    store.put(at(kCurrentEntry, 4, index), {Value::octetString(egress), {}});
    store.put(at(kCurrentEntry, 5, index), {Value::octetString(untagged), {}});
    store.put(at(kCurrentEntry, 6, index), c.status);
    store.put(at(kCurrentEntry, 7, index), c.created);
    if (taggedKept) {
      std::string tagged = egress;
      for (std::size_t i = 0; i < tagged.size(); ++i)
        tagged[i] = static_cast<char>(tagged[i] & ~(i < untagged.size() ? untagged[i] : 0));
      store.put(concat(kTaggedPorts, {vlan}), {Value::octetString(tagged), {}});
    }
    ++active;
  }

  if (auto* n = store.find(kNumVlans)) n->value.number = active;
  if (auto* d = store.find(kNumDeletes))
    d->value.number = (d->value.number + static_cast<std::int64_t>(deleted)) & 0xFFFFFFFF;
}

}  // namespace kx760sim
