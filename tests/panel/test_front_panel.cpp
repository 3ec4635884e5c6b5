// The front panel against the simulator: every LED coloured from its state byte (steady,
// blinking, beyond a short value), the places of its buttons and LEDs, port selection by click,
// the port settings page opened by a double-click, and polls that fail without holding up the
// window.
#include <QComboBox>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <optional>

#include "configform/EditsPanel.h"
#include "widgets/UserNotice.h"
#include "configform/Guiconfigform.h"
#include "panel/ModulePanelForm.h"
#include "mvsnmp/MvOptionList.h"
#include "bind/MvSNMPRequest2Edits.h"
#include "tests/support/NetSnmpTool.h"
#include "panel/PanelCommon.h"
#include "tests/panel/PanelFixture.h"
#include "panel/PanelLedColours.h"
#include "catalogue/Portoidunit.h"

using namespace paneltest;

namespace {

QColor colour(qint32 c) {
  return MvSNMPLedColorMapList::ToQColor(c);
}

LedState expectedFor(const MvSNMPRequest2Leds::Led& led, const QByteArray& value) {
  return led.map == &SpeedLedColours ? expectedSpeed(value, led.byteIndex)
                                     : expectedLink(value, led.byteIndex);
}

// Every LED of the panel and its modules holds the state its byte gives; `painted`: and its
// shape shows that colour (a blinking LED does so once its blinking has ended).
bool ledsMatch(const TKX760PanelForm& panel, const QByteArray& value, bool painted) {
  for (const MvSNMPRequest2Leds* leds : ledBindings(panel)) {
    if (!leds || leds->Leds().empty()) return false;
    for (const auto& led : leds->Leds()) {
      const LedState expected = expectedFor(led, value);
      if (LedState{led.colour, led.blinking} != expected) return false;
      if (painted && led.shape->brushColor() != colour(expected.colour)) return false;
    }
  }
  return true;
}

void expectLedsMatch(const TKX760PanelForm& panel, const QByteArray& value) {
  for (const MvSNMPRequest2Leds* leds : ledBindings(panel)) {
    ASSERT_TRUE(leds);
    for (const auto& led : leds->Leds()) {
      const LedState expected = expectedFor(led, value);
      EXPECT_EQ(led.colour, expected.colour) << "octet " << led.byteIndex;
      EXPECT_EQ(led.blinking, expected.blinking) << "octet " << led.byteIndex;
    }
  }
}

bool allLedsBlack(const TKX760PanelForm& panel) {
  for (const MvSNMPRequest2Leds* leds : ledBindings(panel))
    for (const auto& led : leds->Leds())
      if (led.colour != kBlack || led.blinking || led.shape->brushColor() != colour(kBlack))
        return false;
  return true;
}

// Later polls give up after one try, so that a test waits less for a silent agent.
void fewerRetries(const TKX760PanelForm& panel) {
  for (MvSNMPRequest2Leds* leds : ledBindings(panel)) leds->Request().retries = 0;
}

QByteArray octets(std::initializer_list<int> bytes) {
  QByteArray a;
  for (int b : bytes) a.append(static_cast<char>(b));
  return a;
}

TEST(FrontPanelLeds, EveryLedShowsItsStateByteAfterThePoll) {
  struct Case {
    const char* name;
    std::optional<QByteArray> value;  // nullopt: the simulator's own data
    const char* modules;
    std::function<void(const QByteArray&)> covers;  // what the case is about, on the served value
  };
  const Case cases[] = {
      {"built-in value, KM-6B and KM-5A", std::nullopt, "KM-6B,KM-5A",
       [](const QByteArray& v) { EXPECT_EQ(v.size(), 38); }},
      // Power green, console red blinking, port 1 0x82 (green, blinking), port 2 0x02 (steady
      // green), port 4 0x05 (red), port 5 0x06 (no entry: black).
      {"edge bytes, KM-6A and KM-6B",
       octets({0x02, 0x85, 0x82, 0,    0x02, 0,    0x01, 0,    0x05, 0,    0x06, 0,    0x04,
               0,    0x03, 0,    0x01, 0,    0x02, 0,    0x01, 0,    0x02, 0,    0x02, 0,
               0x01, 0,    0x01, 0,    0x04, 0,    0x02, 0,    0,    0,    0,    0}),
       "KM-6A,KM-6B",
       [](const QByteArray& v) {
         ASSERT_GE(v.size(), 11);
         EXPECT_EQ(quint8(v[2]), 0x82);
         EXPECT_EQ(quint8(v[4]), 0x02);
         EXPECT_EQ(quint8(v[8]), 0x05);
         EXPECT_EQ(quint8(v[10]), 0x06);
       }},
      // Ten octets: ports 1-4 from the value, ports 5-16 and the module white.
      {"short value, KM-5A", octets({0x02, 0x01, 0x02, 0, 0x05, 0, 0x01, 0, 0x82, 0}), "KM-5A,none",
       [](const QByteArray& v) { EXPECT_EQ(v.size(), 10); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    auto agent = c.value ? startAgentWithLeds(dir, *c.value, c.modules)
                         : formstest::startAgent({"--modules", c.modules});
    ASSERT_TRUE(agent);
    const QByteArray value = readLedValue();
    c.covers(value);

    HostWindow window;
    window.readModuleTypes();
    TKX760PanelForm* panel = window.showPanel();
    ASSERT_TRUE(panel->LedBinding());
    EXPECT_TRUE(waitUntil([&] { return ledsMatch(*panel, value, true); }));
    expectLedsMatch(*panel, value);

    if (value.size() == 10) {
      // Everything past octet 9 is white and steady: ports 5-16 and the module's LED.
      int beyond = 0;
      for (const MvSNMPRequest2Leds* leds : ledBindings(*panel))
        for (const auto& led : leds->Leds())
          if (led.byteIndex >= 10) {
            ++beyond;
            EXPECT_EQ(led.colour, kWhite);
            EXPECT_FALSE(led.blinking);
          }
      EXPECT_EQ(beyond, 12 + 1);
    }
  }
}

TEST(FrontPanel, ComponentsStandWhereTheFrontPlateHasThem) {
  auto agent = formstest::startAgent();
  HostWindow window;
  window.readModuleTypes();
  TKX760PanelForm* panel = window.showPanel();
  EXPECT_EQ(panel->size(), QSize(905, 104));

  // Odd ports above, even below; two blocks of four columns.
  const std::pair<int, QPoint> buttons[] = {{1, {202, 18}},  {2, {202, 53}}, {7, {298, 18}},
                                            {8, {298, 53}},  {9, {338, 18}}, {10, {338, 53}},
                                            {15, {434, 18}}, {16, {434, 53}}};
  for (const auto& [port, place] : buttons) {
    QToolButton* button = panel->PortButton(port);
    ASSERT_TRUE(button) << port;
    EXPECT_EQ(button->geometry(), QRect(place, QSize(29, 30))) << port;
    EXPECT_EQ(PanelCommon::tagOf(button), port);
    EXPECT_TRUE(button->isCheckable());
  }

  // The LEDs: power and console, then the link LEDs of ports 1-16, at these panel places.
  const MvSNMPRequest2Leds* leds = panel->LedBinding();
  ASSERT_TRUE(leds);
  EXPECT_EQ(octetsOf(leds),
            (std::vector<int>{0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32}));
  auto place = [&](int i) {
    const MvSNMPLedShape* shape = leds->Leds().at(static_cast<size_t>(i)).shape;
    return QRect(shape->mapTo(panel, QPoint(0, 0)), shape->size());
  };
  EXPECT_EQ(place(0), QRect(189, 65, 5, 5));  // power
  EXPECT_EQ(place(1), QRect(189, 78, 5, 5));  // console
  const std::pair<int, int> linkLeft[] = {{1, 204}, {2, 220}, {8, 316}, {9, 344}, {16, 456}};
  for (const auto& [port, left] : linkLeft)
    EXPECT_EQ(place(port + 1), QRect(left, 5, 6, 6)) << port;
  EXPECT_EQ(leds->Leds()[0].map, &SystemLedColours);
  EXPECT_EQ(leds->Leds()[2].map, &PortLedColours);
  EXPECT_EQ(leds->PollTimer()->interval(), 3000);
  EXPECT_EQ(leds->Request().timeout, 500);
  EXPECT_TRUE(leds->Asynchronous());
}

TEST(FrontPanel, ClickingPortsKeepsOnePressedAndSelectsIt) {
  auto agent = formstest::startAgent({"--modules", "KM-6B,none"});
  HostWindow window;
  window.readModuleTypes();
  TKX760PanelForm* panel = window.showPanel();
  auto pressed = [&] {
    std::vector<int> ports;
    for (int p = 1; p <= 16; ++p)
      if (panel->PortButton(p)->isChecked()) ports.push_back(p);
    return ports;
  };

  QTest::mouseClick(panel->PortButton(5), Qt::LeftButton);
  QTest::mouseClick(panel->PortButton(9), Qt::LeftButton);
  EXPECT_EQ(pressed(), std::vector<int>{9});
  EXPECT_EQ(SelectedPort, 9);
  // Clicking the pressed button leaves it pressed.
  QTest::mouseClick(panel->PortButton(9), Qt::LeftButton);
  EXPECT_EQ(pressed(), std::vector<int>{9});

  auto* picture = panel->findChild<QLabel*>(QStringLiteral("Image1"));
  ASSERT_TRUE(picture);
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(60, 50));
  EXPECT_TRUE(pressed().empty());
  EXPECT_EQ(SelectedPort, 9);

  // The module's button is pressed on its own: a front port stays pressed beside it.
  QTest::mouseClick(panel->PortButton(3), Qt::LeftButton);
  TModulePanelForm* module = panel->ModulePanel(1);
  ASSERT_TRUE(module);
  QTest::mouseClick(module->SpeedButton1(), Qt::LeftButton);
  EXPECT_EQ(SelectedPort, 17);
  EXPECT_TRUE(module->SpeedButton1()->isChecked());
  EXPECT_EQ(pressed(), std::vector<int>{3});
}

// The row a port settings page shows and the agent's values of that row.
struct SeenPage {
  QString caption;
  std::vector<QString> oids;
  std::vector<QString> values;  // as the binding holds them
  std::vector<QString> shown;   // as the page shows them
  quint8 kind = 0;
  int keyCount = -1;
};

// The form's edits panel (the forms' classes carry no meta-object of their own).
TEditsPanel* editsPanelOf(QWidget& form) {
  for (QObject* child : form.findChildren<QObject*>())
    if (auto* edits = dynamic_cast<TEditsPanel*>(child)) return edits;
  return nullptr;
}

// A user's double-click as a widget receives it: a click, a second press, the double-click,
// the release.
void doubleClick(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton);
  QTest::mousePress(w, Qt::LeftButton);
  QTest::mouseDClick(w, Qt::LeftButton);
  QTest::mouseRelease(w, Qt::LeftButton);
}

QString shownText(QWidget* w) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
  return {};
}

TEST(FrontPanel, DoubleClickOpensThePortControlPageOfThatPort) {
  auto agent = formstest::startAgent({"--modules", "KM-6B,KM-5A"});
  // A description of each port, so that a page of another port cannot pass for it.
  for (int port : {12, 18}) {
    const std::string oid = "1.3.6.1.4.1.48213.11.63.2.2.2.2.1.5." + std::to_string(port);
    const auto r = kxtest::runNetSnmpTool({"snmpset", "-v2c", "-c", "private", agent->address(),
                                           oid, "s", "uplink " + std::to_string(port)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }
  HostWindow window;
  window.readModuleTypes();
  TKX760PanelForm* panel = window.showPanel();

  std::optional<SeenPage> seen;
  const UserNotice::ModalRunner previous = UserNotice::setModalRunner([&](QDialog& dialog) {
    auto& form = dynamic_cast<TConfigForm&>(dialog);
    SeenPage page;
    page.caption = form.windowTitle();
    form.show();
    MvSNMPRequest2Edits* binding = form.BindingAt(0);
    auto& list = binding->Request().varList;
    const QString key = QString::number(SelectedPort);
    EXPECT_TRUE(waitUntil([&] { return !binding->Busy() && list.item(0).value == key; }));
    page.kind = list.itemType();
    page.keyCount = list.keyCount();
    TEditsPanel* edits = editsPanelOf(form);
    for (int i = 0; i < list.count(); ++i) {
      page.oids.push_back(list.item(i).oid);
      page.values.push_back(list.item(i).value);
      if (edits && i < edits->RowCount()) page.shown.push_back(shownText(edits->RowAt(i).value));
    }
    seen = page;
    form.close();
  });

  struct Case {
    const char* name;
    std::function<QToolButton*()> button;
    int port;
  };
  const Case cases[] = {
      {"front port 12", [&] { return panel->PortButton(12); }, 12},
      {"module port in slot 2", [&] { return panel->ModulePanel(2)->SpeedButton1(); }, 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    seen.reset();
    doubleClick(c.button());
    ASSERT_TRUE(seen);
    EXPECT_EQ(SelectedPort, c.port);
    EXPECT_EQ(seen->caption, "Port Control : 127.0.0.1");
    EXPECT_EQ(seen->kind, MVT_SV);
    EXPECT_EQ(seen->keyCount, 1);
    ASSERT_EQ(seen->oids.size(), 7u);
    ASSERT_EQ(seen->shown.size(), 7u);
    for (size_t i = 0; i < seen->oids.size(); ++i) {
      const QString oid = seen->oids[i];
      EXPECT_EQ(oid.toStdString(),
                std::string(PortControlList[i].oid) + "." + std::to_string(c.port));
      // The agent's value, as the page's option list labels it.
      const QString agentValue =
          QString::fromStdString(formstest::snmpGet(*agent, oid.toStdString()));
      const MvOptionList* options = PortControlList[i].options;
      const QString expected = options ? options->labelOf(agentValue) : agentValue;
      EXPECT_EQ(seen->values[i].toStdString(), expected.toStdString()) << oid.toStdString();
      EXPECT_EQ(seen->shown[i].toStdString(), expected.toStdString()) << oid.toStdString();
    }
    EXPECT_EQ(seen->values[4].toStdString(), "uplink " + std::to_string(c.port));
    EXPECT_TRUE(c.button()->isChecked());
  }
  UserNotice::setModalRunner(previous);
}

TEST(FrontPanelFailures, StoppedAgentTurnsEveryLedBlackAndReports) {
  auto agent = formstest::startAgent({"--modules", "KM-6B,KM-5A"});
  HostWindow window;
  window.readModuleTypes();
  TKX760PanelForm* panel = window.showPanel();
  const QByteArray value = readLedValue();
  ASSERT_TRUE(waitUntil([&] { return ledsMatch(*panel, value, true); }));
  ASSERT_FALSE(allLedsBlack(*panel));

  agent->stop();
  fewerRetries(*panel);
  window.statusBar->setProperty("simpleText", QString());
  panel->LedBinding()->Poll();
  EXPECT_TRUE(waitUntil([&] { return allLedsBlack(*panel); }));
  EXPECT_TRUE(waitUntil(
      [&] { return MvSNMPRequest2Controls::SimpleText(window.statusBar).startsWith("Get: "); }));
  const QString line = MvSNMPRequest2Controls::SimpleText(window.statusBar);
  EXPECT_FALSE(line.startsWith("Get: Ok")) << line.toStdString();
  // The user sees the failure in the first status panel, not only the first one after start.
  EXPECT_EQ(window.statusPanel->text(), "(SNMPClass) SNMP request timed out!");
  // Polls go on: the poll timer still runs after the failure.
  EXPECT_TRUE(panel->LedBinding()->PollTimer()->isActive());

  // The device answers again: the next poll lights the LEDs and takes the message away.
  agent->start({"--modules", "KM-6B,KM-5A"});
  DeviceTarget.agentPort = static_cast<quint16>(agent->port());
  panel->LedBinding()->Request().loadDeviceTarget();
  fewerRetries(*panel);
  panel->LedBinding()->Poll();
  EXPECT_TRUE(waitUntil([&] { return !allLedsBlack(*panel); }));
  EXPECT_EQ(window.statusPanel->text(), "");
}

// A module put in while the device was away (or not read at start) appears once the device
// answers again, without a restart; the module already shown stays the same panel.
TEST(FrontPanelFailures, ModuleFoundAfterRecoveryAppearsWithoutRestart) {
  auto agent = formstest::startAgent({"--modules", "KM-6B,none"});
  HostWindow window;
  window.readModuleTypes();
  TKX760PanelForm* panel = window.showPanel();
  ASSERT_TRUE(waitUntil([&] { return !allLedsBlack(*panel); }));
  QPointer<TModulePanelForm> first = panel->ModulePanel(1);
  ASSERT_TRUE(first);
  ASSERT_EQ(panel->ModulePanel(2), nullptr);

  agent->stop();
  fewerRetries(*panel);
  panel->LedBinding()->Poll();
  ASSERT_TRUE(waitUntil([&] { return allLedsBlack(*panel); }));

  agent->start({"--led-period", "0", "--modules", "KM-6B,KM-5A"});
  DeviceTarget.agentPort = static_cast<quint16>(agent->port());
  panel->LedBinding()->Request().loadDeviceTarget();
  fewerRetries(*panel);
  panel->LedBinding()->Poll();
  EXPECT_TRUE(waitUntil([&] { return panel->ModulePanel(2) != nullptr; }));
  EXPECT_EQ(panel->ModulePanel(1), first.data());
  EXPECT_TRUE(panel->SlotPanel(2)->isVisible());
}

TEST(FrontPanelFailures, SilentAgentNeitherHoldsTheWindowNorPilesUpPolls) {
  auto agent = formstest::startAgent(
      {"--modules", "KM-6B,none", "--fault", "silent:1.3.6.1.4.1.48213.11.63.2.2.1.1.5"});
  HostWindow window;
  window.readModuleTypes();

  // A timer of the window's own: while a poll is outstanding it must fire from the window's
  // event loop, not from a loop that a waiting poll runs.
  int ticksWhileBusy = 0;
  int deepestLoop = 0;
  int maxPending = 0;
  QPointer<TKX760PanelForm> panel;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!panel || !panel->LedBinding()) return;
    if (panel->LedBinding()->Busy()) {
      ++ticksWhileBusy;
      deepestLoop = std::max(deepestLoop, QThread::currentThread()->loopLevel());
    }
    maxPending = std::max(maxPending, panel->LedBinding()->Request().pending);
  });
  watch.start(20);

  panel = window.showPanel();
  ASSERT_TRUE(panel->LedBinding());
  // The set-up has returned to the event loop with the first poll still outstanding.
  EXPECT_TRUE(panel->LedBinding()->Busy());
  fewerRetries(*panel);
  int baseLoop = 0;
  QTimer::singleShot(0, [&] { baseLoop = QThread::currentThread()->loopLevel(); });

  // The first poll's failure reaches the first status panel and the status target; the LEDs
  // stay black. A second period passes meanwhile (5 s time-out, 3 s period).
  EXPECT_TRUE(waitUntil([&] { return !window.statusPanel->text().isEmpty(); }, 30000));
  EXPECT_EQ(window.statusPanel->text(), "(SNMPClass) SNMP request timed out!");
  EXPECT_TRUE(MvSNMPRequest2Controls::SimpleText(window.statusBar)
                  .startsWith("Get: (SNMPClass) SNMP request timed out!"));
  EXPECT_TRUE(allLedsBlack(*panel));
  EXPECT_GT(ticksWhileBusy, 0);
  EXPECT_GT(baseLoop, 0);
  EXPECT_EQ(deepestLoop, baseLoop);
  EXPECT_LE(maxPending, 1);
  watch.stop();

  // Closing while the next poll is outstanding waits for it, then frees the panel; its answer
  // never reaches a destroyed binding.
  ASSERT_TRUE(waitUntil([&] { return panel->LedBinding()->Busy(); }));
  QPointer<TModulePanelForm> module = panel->ModulePanel(1);
  ASSERT_TRUE(module);
  EXPECT_TRUE(panel->close());
  EXPECT_FALSE(panel->LedBinding());
  EXPECT_TRUE(waitUntil([&] { return !panel && !module; }));
}

}  // namespace
