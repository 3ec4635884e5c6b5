// The process's one SNMP session: Net-SNMP initialised once with the program's own configuration
// and persistent directories, the SNMPv3 engine identity and its boot counter, and the event pump
// that delivers answers on the GUI thread.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

// The local SNMPv3 engine ID of the program and the file its boot counter is kept in.
inline constexpr char kLocalEngineId[] = "MvSNMP_PP_Application";
inline constexpr char kBootCounterFile[] = "MvSNMP_PP_BootCounter";

// When a start is counted in the boot counter file: at once, or (kx760ctl, whose commands are
// over in a moment and mostly speak SNMPv1/v2c, where the local engine plays no part) just before
// the first SNMPv3 session opens, which then raises -507 or -508 if the file cannot be used.
enum class MvBootCount { AtStart, BeforeFirstSnmpV3 };

// Creates the session (once), reads the boot counter from `directory` (empty: the default state
// directory, $XDG_STATE_HOME/kx760), adds one and saves it, announces it, gives DeviceTarget its
// defaults and starts the event pump. Throws MvException -506, -507 or -508.
void initSnmpSession(const QString& directory = QString(), MvBootCount when = MvBootCount::AtStart);
// The boot count waiting for the first SNMPv3 session, taken now (nothing if none waits).
void countBootsBeforeSnmpV3();
bool snmpSessionReady();
// The boot count announced by this process (0 before initSnmpSession).
int engineBoots();
// Where the boot counter lives for a directory given to initSnmpSession.
QString bootCounterPath(const QString& directory);

// Reads the boot counter for an engine ID from the file (0 when the file or the entry is
// missing); throws -507, naming the file, for an entry without a valid value, an over-long
// engine ID, or a file that is not a regular file of at most 64 KB.
int readBootCounter(const QString& path, const QString& engineId);
// Writes the counter for the engine ID, keeping other engines' entries; throws -508 naming the
// file.
void saveBootCounter(const QString& path, const QString& engineId, int boots);
// The boots of this start from those of the last: one more, and 1 again after 2147483647.
int nextBoots(int boots);

// The pump: a socket notifier per open Net-SNMP session delivers answers as they arrive, and a
// timer armed from Net-SNMP's select info drives retransmissions and time-outs.
class SnmpEventProcessor : public QObject {
  Q_OBJECT
public:
  static SnmpEventProcessor& instance();
  ~SnmpEventProcessor() override;
  void start();
  void stop();
  bool running() const { return running_; }
  // Re-reads sockets and the next time-out from the transport; the transport calls it whenever
  // it sends or opens a session.
  void rearm();

private:
  SnmpEventProcessor();

  bool running_ = false;
  struct Impl;
  std::unique_ptr<Impl> d_;
};
