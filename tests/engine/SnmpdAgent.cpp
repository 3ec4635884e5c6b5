#include "tests/engine/SnmpdAgent.h"

#include <QFile>
#include <QThread>
#include <QUdpSocket>

namespace {

quint16 freeUdpPort() {
  QUdpSocket s;
  s.bind(QHostAddress::LocalHost, 0);
  return s.localPort();
}

}  // namespace

bool SnmpdAgent::start() {
  port_ = freeUdpPort();
  QFile conf(dir_.filePath("snmpd.conf"));
  if (!conf.open(QIODevice::WriteOnly)) return false;
  conf.write("rocommunity public 127.0.0.1\n"
             "rwcommunity private 127.0.0.1\n"
             "createUser sha-aes SHA authpass123 AES privpass123\n"
             "rwuser sha-aes priv\n");
  conf.close();
  process_ = std::make_unique<QProcess>();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("SNMP_PERSISTENT_DIR", dir_.filePath("persist"));
  env.insert("MIBS", "");
  env.insert("MIBDIRS", "");
  process_->setProcessEnvironment(env);
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->start("/usr/sbin/snmpd",
                  {"-f", "-Lo", "-C", "-c", dir_.filePath("snmpd.conf"), "-I", "-smux",
                   "--noPersistentLoad=1", "-p", dir_.filePath("snmpd.pid"),
                   QString("udp:127.0.0.1:%1").arg(port_)});
  if (!process_->waitForStarted(5000)) return false;
  // snmpd prints no ready line on every version; wait until it answers on its port.
  for (int i = 0; i < 100; ++i) {
    QUdpSocket probe;
    // A v1 get of sysUpTime.0 for community "public".
    const QByteArray get = QByteArray::fromHex(
        "302602010004067075626c6963a019020101020100020100300e300c06082b060102010103000500");
    probe.writeDatagram(get, QHostAddress::LocalHost, port_);
    if (probe.waitForReadyRead(100)) return true;
    if (process_->state() != QProcess::Running) return false;
  }
  return false;
}

void SnmpdAgent::stop() {
  if (!process_) return;
  process_->terminate();
  if (!process_->waitForFinished(3000)) process_->kill();
  process_->waitForFinished(1000);
  process_.reset();
}
