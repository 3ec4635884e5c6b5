#include "panel/PanelKM6BFormUnit.h"

#include "panel/PanelLedColours.h"

QPointer<TPanelKM6BForm> PanelKM6BForm;

// The speed LED reads the port's second state byte through its own colours; link and activity
// both read the first.
const ModulePanelLayout TPanelKM6BForm::Design{
    PanelArt::Module::KM6B,
    "PanelKM6BForm",
    "moduleType-KM-6B",
    {128, 80},
    {56, 20, 34, 36},
    false,
    {{"LedPort1Speed", {36, 21}, &SpeedLedColours, {35, 37}},
     {"LedPort1Link", {36, 35}, &PortLedColours, {34, 36}},
     {"LedPort1Act", {36, 49}, &PortLedColours, {34, 36}}}};
