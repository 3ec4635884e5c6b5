#include <gtest/gtest.h>

#include "MvSNMPRequest.h"
#include "SimAgent.h"
#include "SnmpdFixture.h"

namespace {

// dot1dTpFdbTable of the simulated switch: index dot1dTpFdbAddress (a MAC address).
const SnmpVarDef kFdbTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", Syntax::MacAddress, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", Syntax::Integer, Access::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", Syntax::Integer, Access::ReadOnly},
    {},
};

class FaultyAgent : public SnmpdFixture {
protected:
  void startSim(const std::vector<std::string>& args) {
    sim_.start(args);
    DeviceTarget = target();
    DeviceTarget.agentPort = static_cast<quint16>(sim_.port());
  }
  kxtest::SimAgent sim_;
};

TEST_F(FaultyAgent, WalkOfAHealthyTableEndsOnItsOwn) {
  startSim({"--fdb-entries", "50"});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 1);
  int rows = 0;
  for (bool more = r.readStep(true); more; more = r.readStep(false)) ++rows;
  EXPECT_EQ(rows, 50);
}

TEST_F(FaultyAgent, AnswerThatDoesNotMoveForwardEndsTheWalkWithAnError) {
  startSim({"--fault", "nonincreasing:1.3.6.1.2.1.17.4.3"});
  MvSNMPRequest r;
  r.varList = MvSNMPVarList(kFdbTable, MVT_FMV, 1);
  try {
    r.readStep(true);
    FAIL() << "the walk went on";
  } catch (const MvException& e) {
    EXPECT_EQ(e.code(), -105);
  }
  // The same within one asynchronous step.
  MvSNMPError got;
  bool done = false;
  r.readAsync([&](void*, const MvSNMPError& e, MvSNMPVarList&) { got = e, done = true; }, nullptr, true);
  ASSERT_TRUE(waitUntil([&] { return done; }));
  EXPECT_EQ(got.code, -105);
  EXPECT_TRUE(got.finished);
}

}  // namespace
