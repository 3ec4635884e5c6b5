#include "MvDeviceParams.h"

MvDeviceParams DeviceTarget;

MvDeviceParams MvDeviceParams::defaults() {
  MvDeviceParams p;
  p.address = QStringLiteral("127.0.0.1");
  p.agentPort = 161;
  p.version = 0;
  p.readCommunity = QStringLiteral("ovalix");
  p.writeCommunity = QStringLiteral("tamboro");
  p.securityModel = 1;
  p.securityLevel = 1;
  p.authProtocol = 1;
  p.privProtocol = 1;
  p.timeout = 100;
  p.retries = 1;
  return p;
}
