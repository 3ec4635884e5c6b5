#include "tests/support/AgentTarget.h"

#include <gtest/gtest.h>

#include "mvsnmp/MvDeviceParams.h"

namespace kxtest {

namespace {

// The tests of a suite run in one process (tests/CMakeLists.txt): each starts from the device
// target its suite's set-up left, whatever the test before it pointed the target at.
class DeviceTargetRestorer : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { saved_ = DeviceTarget; }
  void OnTestEnd(const ::testing::TestInfo&) override { DeviceTarget = saved_; }
  MvDeviceParams saved_;
};

// Every program that points tests at an agent links this unit; GoogleTest owns the listener.
[[maybe_unused]] const bool restorerAppended = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new DeviceTargetRestorer);
  return true;
}();

}  // namespace

void targetAgent(const SimAgent& agent, qint32 timeout) {
  DeviceTarget = MvDeviceParams::defaults();
  DeviceTarget.address = QStringLiteral("127.0.0.1");
  DeviceTarget.agentPort = static_cast<quint16>(agent.port());
  DeviceTarget.version = 1;
  DeviceTarget.readCommunity = QStringLiteral("public");
  DeviceTarget.writeCommunity = QStringLiteral("private");
  DeviceTarget.timeout = timeout;
  DeviceTarget.retries = 1;
}

}  // namespace kxtest
