#include "tools/kx760sim/ForwardingTable.h"

namespace kx760sim {

const Oid ForwardingTable::kEntry{1, 3, 6, 1, 2, 1, 17, 4, 3, 1};

void ForwardingTable::fill(MibStore& store, int count) {
  constexpr std::int64_t kLearned = 3;
  constexpr int kFrontPorts = 16;
  store.eraseSubtree(kEntry);
  for (int i = 0; i < count; ++i) {
    const unsigned n = static_cast<unsigned>(i) + 1;
    // A locally administered OUI keeps the addresses clear of real vendors.
    const unsigned char mac[6] = {0x02,
                                  0x1C,
                                  0xF0,
                                  static_cast<unsigned char>(n >> 16),
                                  static_cast<unsigned char>(n >> 8),
                                  static_cast<unsigned char>(n)};
    const Oid index(mac, mac + 6);
    store.put(concat(concat(kEntry, {1}), index),
              {Value::octetString(std::string(reinterpret_cast<const char*>(mac), 6)), {}});
    store.put(concat(concat(kEntry, {2}), index), {Value::integer(i % kFrontPorts + 1), {}});
    store.put(concat(concat(kEntry, {3}), index), {Value::integer(kLearned), {}});
  }
}

}  // namespace kx760sim
