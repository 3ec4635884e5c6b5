#include "panel/PanelKM6AFormUnit.h"

#include "panel/PanelLedColours.h"

QPointer<TPanelKM6AForm> PanelKM6AForm;

const ModulePanelLayout TPanelKM6AForm::Design{
    PanelArt::Module::KM6A,
    "PanelKM6AForm",
    "moduleType-KM-6A",
    {129, 80},
    {58, 32, 30, 27},
    false,
    {{"LedPort1Act", {36, 48}, &PortLedColours, {35, 37}}}};
