#include "tools/kx760sim/FrontPanel.h"

namespace kx760sim {

namespace {

const Oid kDevInfo{1, 3, 6, 1, 4, 1, 48213, 11, 63, 2, 2, 1, 1};

constexpr unsigned char kBlink = 0x80;
constexpr unsigned char kLinkDown = 0x01;  // white
constexpr unsigned char kLinkUp = 0x02;    // green
constexpr unsigned char kSpeedGigabit = 0x03;
constexpr int kFrontPorts = 16;
constexpr int kFlappingPorts[] = {3, 12};

Oid devInfo(Arc object) {
  return concat(kDevInfo, {object, 0});
}

}  // namespace

const Oid FrontPanel::kLedStatus = devInfo(5);
const Oid FrontPanel::kModule1 = devInfo(6);
const Oid FrontPanel::kModule2 = devInfo(7);

FrontPanel::FrontPanel(MibStore& store) : store_(store) {
  if (const auto* led = store_.find(kLedStatus)) rest_ = led->value.octets;
  if (const auto* m = store_.find(kModule1)) modules_[0] = static_cast<int>(m->value.number);
  if (const auto* m = store_.find(kModule2)) modules_[1] = static_cast<int>(m->value.number);
  publish();
}

void FrontPanel::setModules(int slot1, int slot2) {
  modules_[0] = slot1;
  modules_[1] = slot2;
  for (const auto& [oid, value] : {std::pair(kModule1, slot1), std::pair(kModule2, slot2)}) {
    MibStore::Entry entry{Value::integer(value), {}};
    if (const auto* old = store_.find(oid)) entry.access = old->access;
    store_.put(oid, entry);
  }
  publish();
}

void FrontPanel::tick() {
  ++step_;
  publish();
}

void FrontPanel::publish() {
  if (rest_.empty()) return;  // the data file has no LED object; nothing to animate
  std::string led = rest_;
  auto octet = [&](std::size_t i) -> unsigned char* {
    return i < led.size() ? reinterpret_cast<unsigned char*>(&led[i]) : nullptr;
  };
  // A busy port's LED blinks on one step in three, ports out of phase with each other.
  auto busy = [&](int port) { return (step_ + static_cast<unsigned>(port)) % 3 == 0; };

  for (int port = 1; port <= kFrontPorts; ++port) {
    unsigned char* link = octet(2 * port);
    if (!link || (*link & 0x07) < kLinkUp) continue;  // a port without link stays dark
    bool down = false;
    for (int p : kFlappingPorts) down |= p == port && (step_ / 2) % 2 == 1;
    if (down)
      *link = kLinkDown;
    else if (busy(port))
      *link |= kBlink;
  }
  for (int slot = 0; slot < 2; ++slot) {
    const int port = kFrontPorts + 1 + slot;
    unsigned char *link = octet(2 * port), *speed = octet(2 * port + 1);
    const bool present = modules_[slot] != 0;
    if (link) *link = present ? static_cast<unsigned char>(kLinkUp | (busy(port) ? kBlink : 0)) : 0;
    if (speed) *speed = present ? kSpeedGigabit : 0;
  }
  if (auto* entry = store_.find(kLedStatus)) entry->value.octets = led;
}

}  // namespace kx760sim
