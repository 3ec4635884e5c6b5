#include "mvsnmp/MvDeviceParams.h"

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

std::optional<QByteArray> engineIdOctets(const QString& text) {
  QString digits = text;
  if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    digits = digits.mid(2);
    if (digits.isEmpty()) return std::nullopt;
  }
  if (digits.size() % 2 != 0) return std::nullopt;
  for (QChar c : digits)
    if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))) return std::nullopt;
  return QByteArray::fromHex(digits.toLatin1());
}
