#include "panel/Panel1KM5BFormUnit.h"

#include "panel/PanelLedColours.h"

QPointer<TPanel1KM5BForm> Panel1KM5BForm;

// The agent's module-type values name no KM-5B (0 none, 1 KM-6B, 2 KM-5A, 3 KM-6A, 4 COMBA),
// so the front panel finds this model only if a value ever reads "moduleType-KM-5B".
const ModulePanelLayout TPanel1KM5BForm::Design{
    PanelArt::Module::KM5B,
    "Panel1KM5BForm",
    "moduleType-KM-5B",
    {130, 80},
    {44, 32, 54, 25},
    true,
    {{"LedPort1Act", {31, 49}, &PortLedColours, {35, 37}}}};
