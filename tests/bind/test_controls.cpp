// Refresh and apply of the request-to-controls binding against kx760sim: blocking and
// asynchronous, hooks, status lines, time-outs, stopping a walk, and the window repainting while
// a blocking refresh waits.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWidget>

#include "tests/bind/BindFixture.h"
#include "bind/MvSNMPRequest2Controls.h"

using bindtest::NoticeRecorder;

namespace {

using bindtest::kForwardingTable;
const SnmpVarDef kNoRows[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.99.1.1", "Nothing", Syntax::Integer, Access::ReadOnly},
    {},
};
const SnmpVarDef kRmonState[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.1.2.16", "RMON", Syntax::Integer, Access::ReadWrite},
    {},
};
using bindtest::kSilent;
const SnmpVarDef kPortAdmin[] = {
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.1", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.4.1.48213.11.63.2.2.2.2.1.2", "Admin", Syntax::Integer, Access::ReadWrite},
    {},
};

// A binding that records which hooks ran, in order.
class RecordingBinding : public MvSNMPRequest2Controls {
 public:
  using MvSNMPRequest2Controls::MvSNMPRequest2Controls;

  void use(const SnmpVarDef* defs, quint8 kind, int keyCount = 0) {
    Request().varList = MvSNMPVarList(defs, kind, keyCount);
  }

  QStringList calls;
  int rows = 0;
  std::function<void()> onRow;
  std::vector<MvSNMPError> refreshDone;
  std::vector<MvSNMPError> applyDone;

 protected:
  void BeforeRefresh() override { calls << "BeforeRefresh"; }
  void BeforeApply() override { calls << "BeforeApply"; }
  void RowReceived() override {
    ++rows;
    calls << "RowReceived";
    if (onRow) onRow();
  }
  void CollectValues() override { calls << "CollectValues"; }
  void RefreshFailed(const MvSNMPError& e) override {
    calls << "RefreshFailed";
    MvSNMPRequest2Controls::RefreshFailed(e);
  }
  void ApplyFailed(const MvSNMPError& e) override {
    calls << "ApplyFailed";
    MvSNMPRequest2Controls::ApplyFailed(e);
  }
  void AfterRefresh() override { calls << "AfterRefresh"; }
  void AfterApply() override { calls << "AfterApply"; }
};

// A widget that counts its paint events.
class PaintCounter : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

QStringList lines(const QPlainTextEdit& memo) {
  return memo.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool isStatusLine(const QString& line, const QString& op, const QString& message) {
  const QRegularExpression re(QStringLiteral("^%1: %2\\. Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$")
                                  .arg(op, QRegularExpression::escape(message)));
  return re.match(line).hasMatch();
}

class ControlsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    bindtest::targetAgent();
    binding = std::make_unique<RecordingBinding>(&form);
    binding->SetStatusTarget(&memo);
    binding->OnRefreshDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& e) {
      binding->refreshDone.push_back(e);
    };
    binding->OnApplyDone = [this](MvSNMPRequest2Controls*, const MvSNMPError& e) {
      binding->applyDone.push_back(e);
    };
  }

  QWidget form;
  QPlainTextEdit memo{&form};
  std::unique_ptr<RecordingBinding> binding;
};

// The same cases in blocking (false) and asynchronous (true) mode.
class ControlsTest : public ControlsFixture, public ::testing::WithParamInterface<bool> {
 protected:
  // Runs the operation in the mode of the test's parameter and returns when it has ended.
  void run(const std::function<void()>& operation) {
    binding->SetAsynchronous(GetParam());
    operation();
    ASSERT_TRUE(bindtest::waitUntil([this] { return !binding->Busy(); }));
  }
};

INSTANTIATE_TEST_SUITE_P(BlockingAndAsynchronous, ControlsTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Async" : "Blocking"; });

TEST_P(ControlsTest, EmptyTableEndsWithOneOkLine) {
  binding->use(kNoRows, MVT_FMV);
  run([&] { EXPECT_TRUE(binding->Refresh()); });
  EXPECT_EQ(binding->calls, QStringList({"BeforeRefresh", "AfterRefresh"}));
  ASSERT_EQ(lines(memo).size(), 1);
  EXPECT_TRUE(isStatusLine(lines(memo).front(), "Get", "Ok")) << lines(memo).front().toStdString();
  // OnRefreshDone belongs to the asynchronous mode.
  EXPECT_EQ(binding->refreshDone.size(), GetParam() ? 1u : 0u);
}

TEST_P(ControlsTest, TableWalkHandsEveryRowToRowReceived) {
  binding->use(kForwardingTable, MVT_FMV);
  QStringList ports;
  binding->onRow = [&] { ports << binding->Request().varList.item(1).value; };
  run([&] { binding->Refresh(); });
  EXPECT_EQ(binding->rows, bindtest::kForwardingEntries);
  EXPECT_EQ(ports, QStringList({"1", "2", "3", "4", "5"}));
  EXPECT_EQ(binding->calls.front(), "BeforeRefresh");
  EXPECT_EQ(binding->calls.back(), "AfterRefresh");
  EXPECT_EQ(lines(memo).size(), 1);
}

TEST_P(ControlsTest, ApplyOnSingleValueListNeverRefreshes) {
  binding->use(kRmonState, SVT_SV);
  binding->Request().varList.item(0).value = QStringLiteral("3");
  run([&] { binding->Apply(true, true); });
  EXPECT_EQ(binding->calls, QStringList({"BeforeApply", "CollectValues", "AfterApply"}));
  EXPECT_TRUE(binding->RefreshAfterApply());
  ASSERT_EQ(lines(memo).size(), 1);
  EXPECT_TRUE(isStatusLine(lines(memo).front(), "Set", "Ok"));
  EXPECT_EQ(binding->applyDone.size(), GetParam() ? 1u : 0u);
}

TEST_P(ControlsTest, ApplyOnTableListRefreshesAfterSuccess) {
  binding->use(kPortAdmin, MVT_FMV, 1);
  QString adminOfPort3;
  binding->onRow = [&] {
    const MvSNMPVarList& list = binding->Request().varList;
    if (list.item(0).value == "3") adminOfPort3 = list.item(1).value;
  };
  auto write = [&](const char* admin, bool refreshAfter) {
    binding->calls.clear();
    adminOfPort3.clear();
    binding->Request().varList.item(0).value = QStringLiteral("3");
    binding->Request().varList.item(1).value = QString::fromLatin1(admin);
    run([&] { binding->Apply(refreshAfter, false); });
    // The refresh after an asynchronous apply starts from its completion.
    ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
  };
  write("2", true);
  EXPECT_EQ(adminOfPort3, "2");
  EXPECT_EQ(binding->calls.mid(0, 3), QStringList({"BeforeApply", "AfterApply", "BeforeRefresh"}));
  EXPECT_EQ(binding->calls.back(), "AfterRefresh");
  const QStringList status = lines(memo);
  ASSERT_EQ(status.size(), 2);
  EXPECT_TRUE(isStatusLine(status.at(0), "Set", "Ok"));
  EXPECT_TRUE(isStatusLine(status.at(1), "Get", "Ok"));

  write("3", false);  // and back, without a refresh
  EXPECT_EQ(binding->calls, QStringList({"BeforeApply", "AfterApply"}));
}

TEST_P(ControlsTest, FailedApplyDoesNotRefresh) {
  binding->use(kPortAdmin, MVT_FMV, 1);
  binding->Request().varList.item(0).value = QStringLiteral("3");
  binding->Request().varList.item(1).value = QStringLiteral("9");  // outside 2..3
  binding->SetAsynchronous(GetParam());
  if (GetParam()) {
    binding->Apply(true, false);
    ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
    ASSERT_EQ(binding->applyDone.size(), 1u);
    EXPECT_EQ(binding->applyDone.front().code, -110);  // wrongValue
    EXPECT_TRUE(binding->calls.contains("ApplyFailed"));
    ASSERT_EQ(lines(memo).size(), 1);
    EXPECT_TRUE(lines(memo).front().startsWith("Set: (SNMP) Cannot create/set variable, Wrong Value!"));
  } else {
    try {
      binding->Apply(true, false);
      FAIL() << "no error";
    } catch (const MvException& e) {
      EXPECT_EQ(e.code(), -110);
    }
    EXPECT_FALSE(binding->calls.contains("ApplyFailed"));
    EXPECT_TRUE(lines(memo).isEmpty());  // the caller shows a blocking error
  }
  EXPECT_FALSE(binding->Busy());
  EXPECT_FALSE(binding->calls.contains("BeforeRefresh"));
}

TEST_P(ControlsTest, RequestNotAliveDoesNothingButBeforeRefresh) {
  binding->use(kForwardingTable, MVT_FMV);
  binding->Request().alive = false;
  binding->SetAsynchronous(GetParam());
  EXPECT_FALSE(binding->Refresh());
  EXPECT_FALSE(binding->Busy());
  EXPECT_EQ(binding->calls, QStringList({"BeforeRefresh"}));
  EXPECT_TRUE(lines(memo).isEmpty());
}

TEST_P(ControlsTest, ClearingAliveMidWalkEndsItAfterTheCurrentRow) {
  binding->use(kForwardingTable, MVT_FMV);
  binding->onRow = [&] {
    if (binding->rows == 2) binding->Request().alive = false;
  };
  run([&] { binding->Refresh(); });
  EXPECT_EQ(binding->rows, 2);
  EXPECT_EQ(binding->calls.count("AfterRefresh"), 1);
  EXPECT_EQ(lines(memo).size(), 1);
}

TEST_F(ControlsFixture, AsynchronousTimeOutGoesToTheStatusTarget) {
  binding->use(kSilent, SVT_SV);
  binding->Request().timeout = 10;
  binding->SetAsynchronous(true);
  NoticeRecorder notices;
  EXPECT_TRUE(binding->Refresh());
  EXPECT_TRUE(binding->Busy());
  ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
  EXPECT_EQ(binding->calls, QStringList({"BeforeRefresh", "RefreshFailed"}));
  ASSERT_EQ(binding->refreshDone.size(), 1u);
  EXPECT_EQ(binding->refreshDone.front().code, MvCode::Timeout);
  ASSERT_EQ(lines(memo).size(), 1);
  EXPECT_TRUE(isStatusLine(lines(memo).front(), "Get", "(SNMPClass) SNMP request timed out!"));
  EXPECT_TRUE(notices.messages.empty());
}

TEST_F(ControlsFixture, AsynchronousTimeOutWithoutTargetOpensAMessageBox) {
  binding->use(kSilent, SVT_SV);
  binding->Request().timeout = 10;
  binding->SetStatusTarget(static_cast<QPlainTextEdit*>(nullptr));
  NoticeRecorder notices;
  binding->Refresh();
  ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
  ASSERT_EQ(notices.messages.size(), 1u);
  EXPECT_EQ(notices.messages.front().text, "(SNMPClass) SNMP request timed out!");
  EXPECT_EQ(notices.messages.front().caption,
            QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

TEST_F(ControlsFixture, BlockingTimeOutRaisesToTheCallerWhileTheWindowRepaints) {
  binding->use(kSilent, SVT_SV);
  binding->Request().timeout = 30;
  binding->SetAsynchronous(false);
  PaintCounter window;
  window.resize(100, 60);
  window.show();
  int paintsWhileBusy = -1;
  int busyTicks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (!binding->Busy()) return;
    if (busyTicks++ == 0) paintsWhileBusy = window.paints;
    window.update();
  });
  ticker.start(20);
  try {
    binding->Refresh();
    FAIL() << "no error";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), MvCode::Timeout);
    EXPECT_EQ(e.message(), "(SNMPClass) SNMP request timed out!");
  }
  ticker.stop();
  EXPECT_FALSE(binding->Busy());
  EXPECT_GT(busyTicks, 1);
  EXPECT_GT(window.paints, paintsWhileBusy) << "no paint event while the refresh waited";
  EXPECT_TRUE(lines(memo).isEmpty());
  EXPECT_FALSE(binding->calls.contains("RefreshFailed"));
}

TEST_F(ControlsFixture, AsynchronousCallOnABusyBindingStartsNothing) {
  binding->use(kForwardingTable, MVT_FMV);
  binding->SetAsynchronous(true);
  EXPECT_TRUE(binding->Refresh());
  EXPECT_FALSE(binding->Refresh());
  EXPECT_FALSE(binding->Apply(false, false));
  ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
  EXPECT_EQ(binding->calls.count("BeforeRefresh"), 1);
  EXPECT_EQ(binding->rows, bindtest::kForwardingEntries);
}

TEST(StatusLine, FormatsWithoutTheVarListPartAndOnePassReplacement) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  using Op = MvSNMPRequest2Controls::Operation;
  struct Case {
    Op op;
    QString message;
    QTime time;
    QString line;
  } cases[] = {
      {Op::Get, "Ok", QTime(10, 5, 7), "Get: Ok. Receive at 10:05:07 AM."},
      {Op::Set, "Ok", QTime(0, 0, 0), "Set: Ok. Receive at 12:00:00 AM."},
      {Op::Get, "Ok", QTime(12, 30, 0), "Get: Ok. Receive at 12:30:00 PM."},
      {Op::Set, "bad [TIME] [ERROR]", QTime(23, 59, 59),
       "Set: bad [TIME] [ERROR]. Receive at 11:59:59 PM."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MvSNMPRequest2Controls::StatusLine(c.op, c.message, c.time), c.line);
}

TEST(StatusLine, UsesTheReplacedCatalogueAndTheLocalesDesignators) {
  QTemporaryDir dir;
  const QString path = dir.filePath("snmp.msg");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Lesen [ERROR] um [TIME]\nSchreiben [ERROR] Liste [VARLIST] um [TIME]\n");
  file.close();
  ASSERT_TRUE(loadMessageFile(MvCatalogue::StatusFormats, path));
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  const QLocale zh;
  using Op = MvSNMPRequest2Controls::Operation;
  EXPECT_EQ(MvSNMPRequest2Controls::StatusLine(Op::Get, "Ok", QTime(9, 1, 2)),
            "Lesen Ok um 09:01:02 " + zh.amText());
  EXPECT_EQ(MvSNMPRequest2Controls::StatusLine(Op::Set, "Ok", QTime(21, 1, 2)),
            "Schreiben Ok um 09:01:02 " + zh.pmText());
  MvCatalogues::resetAll();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(StatusTargets, EachKindReceivesTheLine) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QWidget form;
  RecordingBinding binding(&form);
  QStatusBar bar(&form);
  QLabel panel(&form);
  binding.SetStatusTarget(&bar);
  binding.ShowStatus("one");
  // Kept as the bar's simple-mode text, not shown over its panels.
  EXPECT_TRUE(isStatusLine(MvSNMPRequest2Controls::SimpleText(&bar), "Get", "one"));
  EXPECT_TRUE(bar.currentMessage().isEmpty());
  binding.SetStatusTarget(&panel);
  binding.ShowStatus("two");
  EXPECT_TRUE(isStatusLine(panel.text(), "Get", "two"));
  EXPECT_TRUE(isStatusLine(MvSNMPRequest2Controls::SimpleText(&bar), "Get", "one"));
}

}  // namespace
