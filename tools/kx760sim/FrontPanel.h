// The switch's front panel as the agent shows it: the LED status octet string (octet 0
// power, 1 console, then two octets per port p from octet 2p) and the two module slots.
// Some links go down and come back, and busy ports set the blink bit 0x80, so that a
// manager polling the object sees a living switch.
#pragma once

#include <string>

#include "tools/kx760sim/MibStore.h"

namespace kx760sim {

class FrontPanel {
 public:
  static const Oid kLedStatus;  // swL2DevInfoFrontPanelLedStatus.0
  static const Oid kModule1;    // swL2Module-1-Type.0
  static const Oid kModule2;    // swL2Module-2-Type.0

  // Takes the data file's LED value as the panel at rest and its module types.
  explicit FrontPanel(MibStore& store);

  void setModules(int slot1, int slot2);
  void tick();  // one step of life

 private:
  void publish();

  MibStore& store_;
  std::string rest_;  // the LED octets from the data file
  unsigned step_ = 0;
  int modules_[2] = {0, 0};
};

}  // namespace kx760sim
