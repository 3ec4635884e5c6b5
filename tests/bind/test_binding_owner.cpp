// The one owner of a window's bindings and the stop-and-release contract, against kx760sim: a
// walk stopped at its next answer, a binding destroyed only once nothing of it is out, release in
// adoption order, and a stopped binding taking operations again after Resume.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "tests/bind/BindFixture.h"
#include "bind/MvBindingOwner.h"

namespace {

using bindtest::kForwardingTable;
using bindtest::kSilent;

// Counts the rows it receives into a counter that outlives it.
class CountingBinding : public MvSNMPRequest2Controls {
 public:
  CountingBinding(QWidget* owner, const SnmpVarDef* defs, quint8 kind, std::shared_ptr<int> rows)
      : MvSNMPRequest2Controls(owner), rows_(std::move(rows)) {
    Request().varList = MvSNMPVarList(defs, kind, 0);
  }

 protected:
  void RowReceived() override { ++*rows_; }

 private:
  std::shared_ptr<int> rows_;
};

class BindingOwnerTest : public ::testing::Test {
 protected:
  void SetUp() override { bindtest::targetAgent(); }

  std::unique_ptr<CountingBinding> walker(std::shared_ptr<int> rows) {
    return std::make_unique<CountingBinding>(&window, kForwardingTable, MVT_FMV, std::move(rows));
  }
  std::unique_ptr<CountingBinding> silent() {
    auto b = std::make_unique<CountingBinding>(&window, kSilent, SVT_SV, std::make_shared<int>(0));
    b->SetTimeout(10);
    return b;
  }

  QWidget window;
  bindtest::NoticeRecorder notices;  // a time-out without a status target would open a box
};

TEST_F(BindingOwnerTest, ReleaseStopsAWalkWaitsForItAndDestroysOnlyThatBinding) {
  MvBindingOwner<CountingBinding> owner;
  const auto rows = std::make_shared<int>(0);
  CountingBinding* walking = owner.Adopt(walker(rows));
  CountingBinding* idle = owner.Adopt(walker(std::make_shared<int>(0)));
  ASSERT_EQ(owner.Count(), 2);
  ASSERT_TRUE(walking->Refresh());
  EXPECT_TRUE(owner.AnyBusy());
  QPointer<QObject> gone = walking;

  EXPECT_TRUE(owner.Release(walking));
  EXPECT_TRUE(gone.isNull());
  EXPECT_EQ(MvSNMPRequest2Controls::BusyBindings(), 0);
  EXPECT_LT(*rows, bindtest::kForwardingEntries) << "the walk went on after the stop";
  EXPECT_EQ(owner.Count(), 1);
  EXPECT_TRUE(owner.Holds(idle));
  EXPECT_FALSE(owner.Holds(walking));
  EXPECT_FALSE(owner.Release(walking));  // no longer held: nothing happens
  EXPECT_EQ(owner.At(0), idle);
  EXPECT_EQ(owner.At(1), nullptr);
}

TEST_F(BindingOwnerTest, ReleaseAllGoesInAdoptionOrderOnceNothingIsOut) {
  MvBindingOwner<CountingBinding> owner;
  QStringList destroyed;
  for (const char* name : {"first", "second", "third"}) {
    CountingBinding* b = owner.Adopt(silent());
    QObject::connect(b, &QObject::destroyed, [&destroyed, name] { destroyed << name; });
    ASSERT_TRUE(b->Refresh());
  }
  ASSERT_TRUE(owner.AnyBusy());
  owner.ReleaseAll();
  EXPECT_EQ(destroyed, QStringList({"first", "second", "third"}));
  EXPECT_TRUE(owner.Empty());
  EXPECT_FALSE(owner.AnyBusy());
  EXPECT_EQ(MvSNMPRequest2Controls::BusyBindings(), 0);
}

TEST_F(BindingOwnerTest, StopAndWaitEndsTheWalkAndResumeTakesOperationsAgain) {
  const auto rows = std::make_shared<int>(0);
  auto binding = walker(rows);
  ASSERT_TRUE(binding->Refresh());
  EXPECT_TRUE(binding->StopAndWait());
  EXPECT_FALSE(binding->Busy());
  EXPECT_TRUE(binding->Stopped());
  EXPECT_LT(*rows, bindtest::kForwardingEntries);
  EXPECT_FALSE(binding->Refresh()) << "a stopped binding started a walk";

  binding->Resume();
  *rows = 0;
  ASSERT_TRUE(binding->Refresh());
  ASSERT_TRUE(bindtest::waitUntil([&] { return !binding->Busy(); }));
  EXPECT_EQ(*rows, bindtest::kForwardingEntries);
}

TEST_F(BindingOwnerTest, ReleasingALoneBindingWaitsForItsTimeOut) {
  std::unique_ptr<CountingBinding> binding = silent();
  ASSERT_TRUE(binding->Refresh());
  releaseBinding(binding);
  EXPECT_FALSE(binding);
  EXPECT_EQ(MvSNMPRequest2Controls::BusyBindings(), 0);
  releaseBinding(binding);  // none: nothing happens
}

}  // namespace
