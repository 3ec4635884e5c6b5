// Uplink module detection: each module-type value in either slot embeds the matching module
// panel (or none) with port 17 or 18, and each module panel shows its own slot's LEDs.
#include <QToolButton>

#include "panel/ModulePanelForm.h"
#include "panel/Panel1KM5AFormUnit.h"
#include "panel/Panel1KM5BFormUnit.h"
#include "panel/PanelCommon.h"
#include "tests/panel/PanelFixture.h"
#include "panel/PanelKM6AFormUnit.h"
#include "panel/PanelKM6BFormUnit.h"
#include "panel/PanelLedColours.h"

using namespace paneltest;

namespace {

struct SlotExpect {
  const char* form;  // object name of the module panel, nullptr for an empty slot
  std::vector<int> octets;
};

struct Case {
  const char* modules;  // --modules of the agent
  const char* text1;    // module-type texts as read
  const char* text2;
  SlotExpect slot[2];
};

TEST(ModuleDetection, EachValueInEitherSlotEmbedsItsPanel) {
  const Case cases[] = {
      {"none,COMBA", "none", "moduleType-COMBA", {{nullptr, {}}, {nullptr, {}}}},
      {"KM-6B,none", "moduleType-KM-6B", "none", {{"PanelKM6BForm", {35, 34, 34}}, {nullptr, {}}}},
      {"none,KM-6B", "none", "moduleType-KM-6B", {{nullptr, {}}, {"PanelKM6BForm", {37, 36, 36}}}},
      {"KM-5A,KM-6A",
       "moduleType-KM-5A",
       "moduleType-KM-6A",
       {{"Panel1KM5AForm", {35}}, {"PanelKM6AForm", {37}}}},
      {"KM-6A,KM-5A",
       "moduleType-KM-6A",
       "moduleType-KM-5A",
       {{"PanelKM6AForm", {35}}, {"Panel1KM5AForm", {37}}}},
      {"COMBA,KM-5A",
       "moduleType-COMBA",
       "moduleType-KM-5A",
       {{nullptr, {}}, {"Panel1KM5AForm", {37}}}},
      // The same model twice: two panels, each with its own slot's LEDs.
      {"KM-5A,KM-5A",
       "moduleType-KM-5A",
       "moduleType-KM-5A",
       {{"Panel1KM5AForm", {35}}, {"Panel1KM5AForm", {37}}}},
      {"KM-6B,KM-6B",
       "moduleType-KM-6B",
       "moduleType-KM-6B",
       {{"PanelKM6BForm", {35, 34, 34}}, {"PanelKM6BForm", {37, 36, 36}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.modules);
    auto agent = formstest::startAgent({"--modules", c.modules});
    HostWindow window;
    window.readModuleTypes();
    TKX760PanelForm* panel = window.showPanel();
    EXPECT_EQ(panel->ModuleText(1)->text(), c.text1);
    EXPECT_EQ(panel->ModuleText(2)->text(), c.text2);

    for (int slot = 1; slot <= 2; ++slot) {
      SCOPED_TRACE(slot);
      const SlotExpect& want = c.slot[slot - 1];
      QFrame* slotPanel = panel->SlotPanel(slot);
      TModulePanelForm* module = panel->ModulePanel(slot);
      EXPECT_EQ(slotPanel->isVisible(), want.form != nullptr);
      if (!want.form) {
        EXPECT_FALSE(module);
        continue;
      }
      ASSERT_TRUE(module);
      EXPECT_EQ(module->objectName(), want.form);
      EXPECT_EQ(module->Slot(), slot);
      EXPECT_TRUE(module->isVisible());
      EXPECT_EQ(module->geometry(), slotPanel->rect());
      EXPECT_EQ(PanelCommon::tagOf(module->SpeedButton1()), 16 + slot);
      EXPECT_EQ(octetsOf(module->LedBinding()), want.octets);
      EXPECT_EQ(module->LedBinding()->PollTimer()->interval(), 3000);
      EXPECT_EQ(module->LedBinding()->Request().timeout, 100);
      EXPECT_TRUE(module->LedBinding()->Asynchronous());
      const auto& leds = module->LedBinding()->Leds();
      for (size_t i = 0; i < leds.size(); ++i) {
        // The KM-6B's first LED is its speed LED, with colours of its own.
        const bool speed = want.octets.size() == 3 && i == 0;
        EXPECT_EQ(leds[i].map, speed ? &SpeedLedColours : &PortLedColours) << i;
      }
    }

    // Each model's program-wide variable names the panel created last: slot 2's when both
    // slots hold that model.
    auto latest = [&](const char* form) -> QObject* {
      if (!qstrcmp(form, "Panel1KM5AForm")) return Panel1KM5AForm.data();
      if (!qstrcmp(form, "PanelKM6AForm")) return PanelKM6AForm.data();
      if (!qstrcmp(form, "PanelKM6BForm")) return PanelKM6BForm.data();
      return Panel1KM5BForm.data();
    };
    for (int slot = 2; slot >= 1; --slot) {
      const char* form = c.slot[slot - 1].form;
      if (!form) continue;
      const bool lastOfModel = slot == 2 || !c.slot[1].form || qstrcmp(c.slot[1].form, form) != 0;
      if (lastOfModel) {
        EXPECT_EQ(latest(form), panel->ModulePanel(slot)) << form;
      }
    }
  }
}

TEST(ModuleDetection, ModulePanelsShowLedsOnlyForTheModelsWithSlots) {
  auto agent = formstest::startAgent({"--modules", "KM-6A,none"});
  HostWindow window;
  window.readModuleTypes();
  for (const char* model : {"KX-760", "KY-760", "KX-720"}) {
    SCOPED_TRACE(model);
    PanelHost host = window.host();
    host.modelName = QString::fromLatin1(model);
    auto module = CreateModulePanel(QStringLiteral("moduleType-KM-6A"), host, 1);
    ASSERT_TRUE(module);
    EXPECT_EQ(octetsOf(module->LedBinding()),
              qstrcmp(model, "KX-720") ? std::vector<int>{35} : std::vector<int>{});
    // The reading that chose the panel decides, not the host's copy of the module types (here
    // "moduleType-KM-6A"): that copy may not have been read yet when the front panel is set up.
    auto other = CreateModulePanel(QStringLiteral("moduleType-KM-5A"), host, 1);
    ASSERT_TRUE(other);
    EXPECT_EQ(octetsOf(other->LedBinding()),
              qstrcmp(model, "KX-720") ? std::vector<int>{35} : std::vector<int>{});
  }
  // The KM-5B is found by its label alone.
  auto km5b = CreateModulePanel(QStringLiteral("moduleType-KM-5B"), window.host(), 2);
  ASSERT_TRUE(km5b);
  EXPECT_EQ(km5b->objectName(), "Panel1KM5BForm");
  EXPECT_EQ(Panel1KM5BForm.data(), km5b.get());
  EXPECT_FALSE(CreateModulePanel(QStringLiteral("moduleType-COMBA"), window.host(), 1));
}

// The main window's own reading of the module types may come after the front panel's set-up
// (both wait for the device): every module shown lights its LEDs from the agent's value anyway.
TEST(ModuleDetection, ModuleLedsLightWhateverTheHostHasRead) {
  for (const char* modules : {"KM-6B,KM-5A", "KM-6A,KM-6B", "KM-5A,KM-6A"}) {
    SCOPED_TRACE(modules);
    auto agent = formstest::startAgent({"--modules", modules});
    const QByteArray value = readLedValue();
    HostWindow window;  // its module texts not read
    TKX760PanelForm* panel = window.showPanel();
    for (int slot : {1, 2}) {
      SCOPED_TRACE(slot);
      TModulePanelForm* module = panel->ModulePanel(slot);
      ASSERT_NE(module, nullptr);
      const MvSNMPRequest2Leds* leds = module->LedBinding();
      ASSERT_EQ(leds->Leds().size(), module->Layout().leds.size());
      EXPECT_TRUE(waitUntil([&] {
        for (const auto& led : leds->Leds()) {
          const LedState expected = led.map == &SpeedLedColours ? expectedSpeed(value, led.byteIndex)
                                                                : expectedLink(value, led.byteIndex);
          if (LedState{led.colour, led.blinking} != expected) return false;
        }
        return true;
      }));
      // Port 17 or 18 is linked in the agent's data: the link LED is lit, not black.
      bool lit = false;
      for (const auto& led : leds->Leds()) lit = lit || led.colour != kBlack;
      EXPECT_TRUE(lit);
    }
  }
}

}  // namespace
