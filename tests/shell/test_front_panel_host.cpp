// The front panel in the main window: hosted on the first showing at the top of the client area,
// and a main window that stays usable while the LED polls fail.
#include <QMenu>
#include <QThread>
#include <QToolButton>

#include "shell/About.h"
#include "panel/KX760PanelFormUnit.h"
#include "tests/shell/MainFormFixture.h"
#include "panel/ModulePanelForm.h"
#include "bind/MvSNMPLedShape.h"
#include "bind/MvSNMPRequest2Leds.h"

namespace {

using kxtest::waitUntil;
using shelltest::MainFormTest;

constexpr char kLedStatusOid[] = "1.3.6.1.4.1.48213.11.63.2.2.1.1.5";

bool allLedsBlack(const TKX760PanelForm& panel) {
  for (const auto& led : panel.LedBinding()->Leds())
    if (led.colour != 0 || led.blinking || led.shape->brushColor() != QColor(Qt::black)) return false;
  return true;
}

class FrontPanelHostTest : public MainFormTest {};

TEST_F(FrontPanelHostTest, FirstShowingHostsThePanelAndSizesTheClientArea) {
  auto form = open();
  EXPECT_EQ(form->FrontPanel(), nullptr);  // nothing before the first activation
  form->show();
  TKX760PanelForm* panel = form->FrontPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->parentWidget(), form->ClientArea());
  EXPECT_EQ(panel->geometry(), QRect(0, 0, 905, 104));
  EXPECT_EQ(form->ClientArea()->size(), QSize(908, 127));
  EXPECT_EQ(form->StatusBar()->geometry(), QRect(0, 107, 908, 20));
  EXPECT_TRUE(panel->isVisible());
  // A second activation hosts nothing more.
  form->FormActivate();
  int panels = 0;
  for (QWidget* w : form->findChildren<QWidget*>()) panels += dynamic_cast<TKX760PanelForm*>(w) != nullptr;
  EXPECT_EQ(panels, 1);
  EXPECT_EQ(form->ClientArea()->size(), QSize(908, 127));
  // The module the agent reports sits in slot 1 with port 17; slot 2 is empty.
  ASSERT_TRUE(waitUntil([&] { return panel->Activated() && panel->ModulesRead() && panel->LedBinding() && panel->LedBinding()->PollTimer()->isActive() && !panel->LedBinding()->Busy(); }));
  ASSERT_NE(panel->ModulePanel(1), nullptr);
  EXPECT_EQ(panel->ModulePanel(1)->SpeedButton1()->property("tag").toInt(), 17);
  EXPECT_EQ(panel->ModulePanel(2), nullptr);
  EXPECT_FALSE(panel->SlotPanel(2)->isVisible());
  EXPECT_FALSE(allLedsBlack(*panel));
  EXPECT_EQ(form->StatusPanel()->text(), "");
}

TEST_F(FrontPanelHostTest, WindowStaysUsableWhileTheLedsFail) {
  struct Case {
    const char* name;
    std::vector<std::string> agentOptions;
    bool stopAgent;  // stopped once the LEDs have been lit
  } const cases[] = {
      {"LED object silent", {"--fault", std::string("silent:") + kLedStatusOid}, false},
      {"agent stopped", {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kxtest::SimAgent agent;
    std::vector<std::string> options = {"--led-period", "0", "--modules", "KM-6B,none"};
    options.insert(options.end(), c.agentOptions.begin(), c.agentOptions.end());
    agent.start(options);
    auto window = openOn(agent.port());
    TMainForm& form = *window;
    form.show();
    TKX760PanelForm* panel = form.FrontPanel();
    ASSERT_NE(panel, nullptr);
    if (c.stopAgent) {
      ASSERT_TRUE(waitUntil([&] { return panel->LedBinding() && !panel->LedBinding()->Busy() && !allLedsBlack(*panel); }));
      agent.stop();
      panel->LedBinding()->Poll();
    }
    ASSERT_TRUE(waitUntil([&] { return panel->LedBinding() && panel->LedBinding()->Busy(); }));

    // While the poll is outstanding the window answers: a menu opens, an About box opens.
    const int loopLevel = QThread::currentThread()->loopLevel();
    QMenu* menu = form.TopMenu("Configuration1");
    menu->popup(form.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(waitUntil([&] { return menu->isVisible(); }));
    EXPECT_TRUE(panel->LedBinding()->Busy());
    menu->close();
    form.MenuAction("About2")->trigger();
    QPointer<TAboutForm> about = AboutForm;
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(QThread::currentThread()->loopLevel(), loopLevel);  // nothing waits inside a poll

    // The poll gives up: every LED is black and the time-out is in the status panel.
    EXPECT_TRUE(waitUntil([&] { return !form.StatusPanel()->text().isEmpty(); }, 30000));
    EXPECT_EQ(form.StatusPanel()->text(), "(SNMPClass) SNMP request timed out!");
    EXPECT_TRUE(allLedsBlack(*panel));
    about->close();
  }
}

// As the program runs: the window shown as soon as it exists, so the front panel's set-up and
// the window's own reads of the device state wait for the agent in each other's loops. Over
// SNMPv2c and SNMPv3 the front panel's LEDs and those of the module light from the agent.
TEST_F(FrontPanelHostTest, ShownAtOnceTheLedsAndTheModuleLedsLight) {
  const QStringList v3 = {"/I127.0.0.1", "/v3", "/nsha256aes", "/l3", "/a5", "/Aauthpass123",
                          "/p4", "/Pprivpass123"};
  for (const QStringList& parameters : {kV1Parameters, v3}) {
    SCOPED_TRACE(parameters.join(' ').toStdString());
    TMainForm::Options options;
    options.agentPort = static_cast<quint16>(agent_->port());
    options.confirmExit = false;
    TMainForm form(parameters, options);
    ASSERT_FALSE(form.Ended());
    form.show();
    TKX760PanelForm* panel = form.FrontPanel();
    ASSERT_NE(panel, nullptr);
    // The module types are read asynchronously: their answer may come after the device state's.
    ASSERT_TRUE(waitUntil([&] { return form.DeviceStateRead() && panel->Activated() && panel->ModulesRead(); }));
    TModulePanelForm* module = panel->ModulePanel(1);
    ASSERT_NE(module, nullptr);
    ASSERT_EQ(module->LedBinding()->Leds().size(), 3u);  // KM-6B: speed, link, activity
    auto lit = [](const MvSNMPRequest2Leds* leds) {
      for (const auto& led : leds->Leds())
        if (led.colour != 0) return true;
      return false;
    };
    // Within two poll periods of the set-up.
    EXPECT_TRUE(waitUntil([&] { return lit(panel->LedBinding()) && lit(module->LedBinding()); }, 6000));
    EXPECT_EQ(form.StatusPanel()->text(), "");
  }
}

}  // namespace
