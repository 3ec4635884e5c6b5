// Net-SNMP's own snmpd started on a free loopback port with a generated configuration: an agent
// that no one here wrote, for the engine's integration tests.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class SnmpdAgent {
public:
  // Starts snmpd with read community "public", write community "private" and the SNMPv3 user
  // "sha-aes" (SHA/AES, pass phrases "authpass123"/"privpass123"). Returns false if it did not come up.
  bool start();
  void stop();
  ~SnmpdAgent() { stop(); }
  quint16 port() const { return port_; }

private:
  QTemporaryDir dir_;
  std::unique_ptr<QProcess> process_;
  quint16 port_ = 0;
};
