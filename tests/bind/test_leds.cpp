// The LED binding: colour lookup, the blinking sequence, missing state bytes, failed polls, and
// polling the simulator's front-panel LED status.
#include <QFrame>
#include <QStatusBar>
#include <QWidget>

#include "tests/bind/BindFixture.h"
#include "bind/MvSNMPLedColorMapList.h"
#include "bind/MvSNMPRequest2Leds.h"

using bindtest::NoticeRecorder;

namespace {

constexpr qint32 kBlack = 0x000000;
constexpr qint32 kWhite = 0xFFFFFF;
constexpr qint32 kGreen = 0x00FF00;
constexpr qint32 kBlue = 0xFF0000;
constexpr qint32 kRed = 0x0000FF;

// The front panel's link colours: 0/1 dark (white), 2/3 green, 4 blue, 5 red.
const MvSNMPLedColor kLink[] = {{0, kWhite}, {1, kWhite}, {2, kGreen}, {3, kGreen},
                                {4, kBlue},  {5, kRed},   {0, -1}};

const SnmpVarDef kLedStatus[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.1.5", "LEDs", Syntax::OctetStr, Access::ReadOnly},
    {},
};
const SnmpVarDef kSilent[] = {
    {bindtest::kSilentOid, "Slot 2", Syntax::OctetStr, Access::ReadOnly},
    {},
};

QColor colour(qint32 c) { return MvSNMPLedColorMapList::ToQColor(c); }

class TestLeds : public MvSNMPRequest2Leds {
 public:
  using MvSNMPRequest2Leds::MvSNMPRequest2Leds;
  using MvSNMPRequest2Leds::RowReceived;
};

class LedsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bindtest::targetAgent();
    leds = std::make_unique<TestLeds>(&form);
    leds->Request().varList = MvSNMPVarList(kLedStatus, SVT_SV, 0);
    leds->BlinkTimer()->stop();  // the tests take the blink steps themselves
  }

  MvSNMPLedShape* shape() { return new MvSNMPLedShape(&form); }
  QColor shown(int led) const { return leds->Leds().at(static_cast<size_t>(led)).shape->brushColor(); }

  QWidget form;
  MvSNMPLedColorMapList map{kLink, 7, 0x80, kBlack, kWhite};
  std::unique_ptr<TestLeds> leds;
};

TEST(LedColorMap, LookupAndColourBytes) {
  MvSNMPLedColorMapList map(kLink, 7, 0x80, kBlack, kWhite);
  EXPECT_EQ(map.Count(), 6);
  EXPECT_EQ(map.Lookup(3), kGreen);
  EXPECT_EQ(map.Lookup(6), kBlack);  // no entry
  const MvSNMPLedColor extra[] = {{6, kRed}, {3, kBlue}, {0, -1}};
  map.Append(extra);
  EXPECT_EQ(map.Lookup(6), kRed);
  EXPECT_EQ(map.Lookup(3), kGreen);  // the first entry wins
  EXPECT_EQ(MvSNMPLedColorMapList::ToQColor(kRed), QColor(255, 0, 0));
  EXPECT_EQ(MvSNMPLedColorMapList::ToQColor(kBlue), QColor(0, 0, 255));
  EXPECT_EQ(MvSNMPLedColorMapList::ToQColor(0x123456), QColor(0x56, 0x34, 0x12));
}

TEST_F(LedsTest, NewLedsAreDark) {
  leds->AddLed(0, 0, &map, shape());
  EXPECT_EQ(shown(0), colour(kBlack));
  EXPECT_EQ(leds->Leds().front().shape->penColor(), colour(kBlack));
}

TEST_F(LedsTest, StateBytesGiveColourAndBlinking) {
  leds->AddLed(0, 0, &map, shape());
  leds->AddLed(0, 1, &map, shape());
  leds->AddLed(0, 2, &map, shape());
  leds->Request().varList.item(0).value = "830306";
  leds->RowReceived();
  EXPECT_EQ(leds->Leds()[0].colour, kGreen);
  EXPECT_TRUE(leds->Leds()[0].blinking);
  EXPECT_EQ(leds->Leds()[1].colour, kGreen);
  EXPECT_FALSE(leds->Leds()[1].blinking);
  EXPECT_EQ(leds->Leds()[2].colour, kBlack);  // 6 has no entry
  EXPECT_EQ(shown(0), colour(kGreen));
  EXPECT_EQ(shown(1), colour(kGreen));
}

TEST_F(LedsTest, BlinkingLedTogglesSevenStepsThenStaysLit) {
  leds->AddLed(0, 0, &map, shape());
  leds->AddLed(0, 1, &map, shape());
  leds->Request().varList.item(0).value = "8402";
  auto sequence = [&] {
    std::vector<QColor> blinking{shown(0)};  // the step that follows the poll
    for (int i = 0; i < 9; ++i) {
      leds->BlinkStep();
      blinking.push_back(shown(0));
      EXPECT_EQ(shown(1), colour(kGreen));
    }
    return blinking;
  };
  const QColor on = colour(kBlue), off = colour(kBlack);
  leds->RowReceived();
  EXPECT_EQ(sequence(), std::vector<QColor>({on, off, on, off, on, off, on, on, on, on}));
  // The next poll starts the count again: seven toggles from the lit state, then lit.
  leds->RowReceived();
  EXPECT_EQ(sequence(), std::vector<QColor>({off, on, off, on, off, on, off, on, on, on}));
}

TEST_F(LedsTest, MissingStateByte) {
  leds->AddLed(0, 0, &map, shape());
  leds->AddLed(0, 4, &map, shape());
  leds->Request().varList.item(0).value = "0202";
  leds->RowReceived();
  EXPECT_EQ(shown(1), colour(kWhite));
  EXPECT_FALSE(leds->Leds()[1].blinking);

  MvSNMPLedColorMapList strict(kLink, 7, 0x80, kBlack, MvSNMPLedColorMapList::NoColour);
  leds->AddLed(0, 5, &strict, shape());
  try {
    leds->RowReceived();
    FAIL() << "no error";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -519);
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(shown(i), colour(kBlack)) << i;  // reset
}

TEST_F(LedsTest, PollingTheSimulatorColoursARowOfLeds) {
  auto* panel = new QFrame(&form);
  panel->setFrameShape(QFrame::Panel);
  leds->AddLedRow(0, "0,1,8", &map, panel, 7, 10, MvSNMPLedShape::Kind::Rectangle, 6, 6);
  ASSERT_EQ(leds->Leds().size(), 3u);
  EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(leds->Leds()[1].shape->geometry(), QRect(23, 1, 6, 6));
  EXPECT_EQ(leds->Leds()[2].shape->geometry(), QRect(39, 1, 6, 6));
  EXPECT_EQ(leds->Leds()[2].shape->parent(), panel);

  leds->SetAsynchronous(false);
  leds->StartPolling(300);
  EXPECT_EQ(leds->PollTimer()->interval(), 3000);
  EXPECT_TRUE(leds->PollTimer()->isActive());
  // Data file: power 02, console 01, port 4 (octet 8) 04.
  EXPECT_EQ(shown(0), colour(kGreen));
  EXPECT_EQ(shown(1), colour(kWhite));
  EXPECT_EQ(shown(2), colour(kBlue));

  leds->StopPolling();
  EXPECT_FALSE(leds->PollTimer()->isActive());
  EXPECT_FALSE(leds->BlinkTimer()->isActive());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(shown(i), colour(kBlack));
}

TEST_F(LedsTest, StartPollingAnUnreachableAgentRaisesAndLeavesLedsDark) {
  leds->Request().varList = MvSNMPVarList(kSilent, SVT_SV, 0);
  leds->Request().timeout = 10;
  leds->AddLed(0, 0, &map, shape());
  leds->Request().varList.item(0).value = "02";
  leds->RowReceived();
  ASSERT_EQ(shown(0), colour(kGreen));
  leds->SetAsynchronous(false);
  try {
    leds->StartPolling(300);
    FAIL() << "no error";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), MvCode::Timeout);
  }
  EXPECT_EQ(shown(0), colour(kBlack));
}

TEST_F(LedsTest, FailedAsynchronousPollResetsAndReportsWithoutMessageBox) {
  NoticeRecorder notices;
  QStatusBar bar(&form);
  leds->Request().varList = MvSNMPVarList(kSilent, SVT_SV, 0);
  leds->Request().timeout = 10;
  leds->AddLed(0, 0, &map, shape());
  leds->Request().varList.item(0).value = "03";
  leds->RowReceived();
  leds->Poll();
  ASSERT_TRUE(bindtest::waitUntil([&] { return !leds->Busy(); }));
  EXPECT_EQ(shown(0), colour(kBlack));
  EXPECT_TRUE(notices.messages.empty());

  leds->SetStatusTarget(&bar);
  leds->Poll();
  ASSERT_TRUE(bindtest::waitUntil([&] { return !leds->Busy(); }));
  EXPECT_TRUE(MvSNMPRequest2Controls::SimpleText(&bar).startsWith("Get: (SNMPClass) SNMP request timed out!"));
}

TEST_F(LedsTest, PollTickOnABusyBindingIsSkipped) {
  int refreshes = 0;
  leds->OnRefreshDone = [&](MvSNMPRequest2Controls*, const MvSNMPError&) { ++refreshes; };
  leds->AddLed(0, 0, &map, shape());
  EXPECT_TRUE(leds->Refresh());
  leds->Poll();
  ASSERT_TRUE(bindtest::waitUntil([&] { return !leds->Busy(); }));
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(shown(0), colour(kGreen));
}

}  // namespace
