#include "panel/Panel1KM5AFormUnit.h"

#include "panel/PanelLedColours.h"

QPointer<TPanel1KM5AForm> Panel1KM5AForm;

const ModulePanelLayout TPanel1KM5AForm::Design{
    PanelArt::Module::KM5A,
    "Panel1KM5AForm",
    "moduleType-KM-5A",
    {128, 78},
    {44, 32, 54, 25},
    false,
    {{"LedPort1Act", {31, 49}, &PortLedColours, {35, 37}}}};
