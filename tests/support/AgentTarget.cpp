#include "tests/support/AgentTarget.h"

#include "mvsnmp/MvDeviceParams.h"

namespace kxtest {

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
