// The colour maps of the switch's LEDs, built once at start and shared by the front panel and
// the module panels. A state byte's low three bits pick the colour; the top bit (the speed LED:
// bit 2) makes the LED blink. A byte beyond the received value shows white.
#pragma once

#include "bind/MvSNMPLedColorMapList.h"

// Power and console LEDs.
extern const MvSNMPLedColorMapList SystemLedColours;
// Link and activity LEDs of the front ports and the module ports.
extern const MvSNMPLedColorMapList PortLedColours;
// The speed LED of the KM-6B module: 0-2 white, 3 green, 4 blue, 5 red; bit 2 blinks.
extern const MvSNMPLedColorMapList SpeedLedColours;
