// The front panel over SNMPv3: for every authentication and privacy protocol the program offers,
// the LEDs of the panel and of its module take the agent's values within two poll periods, stay
// lit while pages read the device with their own time-outs, and come back after the device was
// away, as over SNMPv2c.
#include <QElapsedTimer>
#include <QtTest/QTest>

#include "catalogue/Mainoidunit.h"
#include "panel/ModulePanelForm.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "tests/panel/PanelFixture.h"
#include "panel/PanelLedColours.h"

using namespace paneltest;

namespace {

struct V3User {
  const char* name;
  qint32 auth;  // the program's protocol codes
  qint32 priv;
};

void targetV3(const kxtest::SimAgent& agent, const V3User& user) {
  kxtest::targetAgent(agent);
  DeviceTarget.version = 3;
  DeviceTarget.securityModel = 3;
  DeviceTarget.securityLevel = 3;
  DeviceTarget.securityName = user.name;
  DeviceTarget.authProtocol = user.auth;
  DeviceTarget.authPassword = "authpass123";
  DeviceTarget.privProtocol = user.priv;
  DeviceTarget.privPassword = "privpass123";
}

bool ledsShow(const TKX760PanelForm& panel, const QByteArray& value) {
  for (const MvSNMPRequest2Leds* leds : ledBindings(panel)) {
    if (!leds || leds->Leds().empty()) return false;
    for (const auto& led : leds->Leds()) {
      const LedState expected = led.map == &SpeedLedColours ? expectedSpeed(value, led.byteIndex)
                                                            : expectedLink(value, led.byteIndex);
      if (LedState{led.colour, led.blinking} != expected) return false;
    }
  }
  return true;
}

bool allLedsBlack(const TKX760PanelForm& panel) {
  for (const MvSNMPRequest2Leds* leds : ledBindings(panel))
    for (const auto& led : leds->Leds())
      if (led.colour != kBlack || led.blinking) return false;
  return true;
}

bool pollsIdle(const TKX760PanelForm& panel) {
  for (const MvSNMPRequest2Leds* leds : ledBindings(panel))
    if (leds->Busy()) return false;
  return true;
}

// A page's read: a blocking get of the module types with the device target's own time-out.
void readAsAPage(QWidget* owner) {
  MvSNMPRequest2Edits page(owner);
  page.Request().varList = MvSNMPVarList(ModuleTypeList, SVT_SV, 0);
  page.SetAsynchronous(false);
  page.Refresh();
}

constexpr int kTwoPollPeriodsMs = 2 * TKX760PanelForm::PollPeriod * 10;

}  // namespace

TEST(FrontPanelV3, LedsLightWithinTwoPollPeriodsForEveryProtocol) {
  const V3User users[] = {
      {"md5aes", 2, 4},       {"shaaes", 3, 4},       {"sha224aes", 4, 4},
      {"sha256aes", 5, 4},    {"sha384aes", 6, 4},    {"sha512aes", 7, 4},
      {"md5des", 2, 2},       {"sha256aes192", 5, 20}, {"sha256aes256", 5, 21},
  };
  for (const V3User& user : users) {
    SCOPED_TRACE(user.name);
    auto agent = formstest::startAgent({"--led-period", "0", "--modules", "KM-6B,KM-5A"});
    ASSERT_TRUE(agent);
    targetV3(*agent, user);
    const QByteArray value = readLedValue();
    ASSERT_EQ(value.size(), 38);

    HostWindow window;
    window.readModuleTypes();
    QElapsedTimer shown;
    shown.start();
    TKX760PanelForm* panel = window.showPanel();
    ASSERT_NE(panel->ModulePanel(1), nullptr);
    ASSERT_NE(panel->ModulePanel(2), nullptr);
    // Two poll periods from the panel's showing, measured generously: the first poll goes out
    // as the set-up ends.
    EXPECT_TRUE(waitUntil([&] { return ledsShow(*panel, value); }, kTwoPollPeriodsMs));
    EXPECT_LE(shown.elapsed(), kTwoPollPeriodsMs + 1000);
    EXPECT_FALSE(allLedsBlack(*panel));

    // Polls out while pages read with a time-out of their own: neither side cuts the other off.
    for (int round = 0; round < 3; ++round) {
      for (MvSNMPRequest2Leds* leds : ledBindings(*panel)) leds->Poll();
      readAsAPage(&window);
      ASSERT_TRUE(waitUntil([&] { return pollsIdle(*panel); }));
      EXPECT_TRUE(ledsShow(*panel, value)) << "round " << round;
    }
    EXPECT_EQ(window.statusPanel->text(), "");
    EXPECT_TRUE(MvSNMPRequest2Controls::SimpleText(window.statusBar).startsWith("Get: Ok"))
        << MvSNMPRequest2Controls::SimpleText(window.statusBar).toStdString();
  }
}

// As over SNMPv2c: a device that stops answering turns the LEDs black with the time-out in the
// first status panel; once it answers again (a new engine, since it restarted), the next poll
// lights them and takes the message away.
TEST(FrontPanelV3, LedsComeBackAfterTheDeviceWasAway) {
  for (const V3User& user : {V3User{"md5des", 2, 2}, V3User{"sha512aes256", 7, 21}}) {
    SCOPED_TRACE(user.name);
    auto agent = formstest::startAgent({"--led-period", "0", "--modules", "KM-6B,none"});
    targetV3(*agent, user);
    const QByteArray value = readLedValue();
    HostWindow window;
    window.readModuleTypes();
    TKX760PanelForm* panel = window.showPanel();
    ASSERT_TRUE(waitUntil([&] { return ledsShow(*panel, value); }, kTwoPollPeriodsMs));

    agent->stop();
    // Nothing answers now: one short try per poll (the LED time-out is 5 s).
    for (MvSNMPRequest2Leds* leds : ledBindings(*panel)) {
      leds->Request().retries = 0;
      leds->Request().timeout = 50;
    }
    panel->LedBinding()->Poll();
    ASSERT_TRUE(waitUntil([&] { return allLedsBlack(*panel); }, 30000));
    EXPECT_TRUE(waitUntil([&] { return !window.statusPanel->text().isEmpty(); }, 30000));
    EXPECT_EQ(window.statusPanel->text(), "(SNMPClass) SNMP request timed out!");

    agent->start({"--led-period", "0", "--modules", "KM-6B,none"});
    DeviceTarget.agentPort = static_cast<quint16>(agent->port());
    for (MvSNMPRequest2Leds* leds : ledBindings(*panel)) {
      leds->Request().loadDeviceTarget();
      leds->Request().retries = 0;
    }
    EXPECT_TRUE(waitUntil([&] { return ledsShow(*panel, value); }, 30000));
    EXPECT_TRUE(waitUntil([&] { return window.statusPanel->text().isEmpty(); }, 30000));
  }
}
