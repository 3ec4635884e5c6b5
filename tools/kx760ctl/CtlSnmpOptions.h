// The device options every Net-SNMP command-line tool takes (`-v 2c -c public HOST:PORT`,
// `-v 3 -l authPriv -u USER -a SHA -A PASS -x AES -X PASS ...`), as a second way to give kx760ctl
// the device that the module's switches give. They are checked as a whole and then written onto
// the same DeviceTarget and LaunchParameters that start-up fills from the switches, so every
// command runs exactly as with the switches.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "mvsnmp/MvSecrets.h"

struct LaunchParameters;
struct MvDeviceParams;

class CtlSnmpOptions {
 public:
  // The environment variables that give a secret the command line does not: a value on the
  // command line wins. A shell history then holds no pass phrase.
  static constexpr const char* ReadCommunityEnv = MvSecretEnv::ReadCommunity;
  static constexpr const char* WriteCommunityEnv = MvSecretEnv::WriteCommunity;
  static constexpr const char* AuthPassEnv = MvSecretEnv::AuthPass;
  static constexpr const char* PrivPassEnv = MvSecretEnv::PrivPass;

  // Whether `arg` begins one of these options: a single "-" and one of the option letters
  // (v c u l a A x X n e E t r), its value attached ("-v2c") or in the next argument.
  static bool isOption(const QString& arg);

  // Reads the option that begins at args[k] and its value; returns the index of the last
  // argument it used. A value that cannot be used is a CtlUsageError naming the option; so is an
  // option given twice.
  qsizetype take(const QStringList& args, qsizetype k);

  // The agent: HOST, HOST:PORT, udp:HOST[:PORT], [IPv6][:PORT] or udp6:[IPv6][:PORT].
  // Throws CtlUsageError for another transport, an empty host or a bad port.
  void setAgent(const QString& text);

  // Whether any option or the agent was given: kx760ctl then runs in this form.
  bool given() const { return given_; }
  bool hasAgent() const { return !host_.isEmpty(); }
  bool hasPort() const { return port_.has_value(); }
  // The agent's host (without transport and port) and port, as setAgent read them.
  const QString& host() const { return host_; }
  std::optional<quint16> port() const { return port_; }

  // Takes every option `defaults` gives and these do not (the agent excepted): kx760ctl --hosts
  // gives the command line's options to each device line, the line's own winning.
  void fillFrom(const CtlSnmpOptions& defaults);

  // Checks that the options make one complete device (a version, an agent, what the version and
  // the security level need, nothing they would ignore), taking missing secrets from `env`, and
  // writes it onto `device` and `launch`, the fields start-up fills from the switches. `device`
  // keeps its timeout and retries unless -t and -r give them. Throws CtlUsageError before
  // anything is changed.
  void applyTo(MvDeviceParams& device, LaunchParameters& launch,
               const MvEnvironmentSecrets& env = MvEnvironmentSecrets()) const;

  // The options' lines of kx760ctl's usage text.
  static QString usage();

 private:
  bool given_ = false;
  std::optional<quint8> version_;  // the device parameters' coding: 0 v1, 1 v2c, 3 v3
  std::optional<QString> community_;
  std::optional<QByteArray> user_;
  std::optional<qint32> level_;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
  std::optional<qint32> authProtocol_;
  std::optional<QByteArray> authPass_;
  std::optional<qint32> privProtocol_;
  std::optional<QByteArray> privPass_;
  std::optional<QByteArray> context_;
  std::optional<QString> securityEngineId_;
  std::optional<QString> contextEngineId_;
  std::optional<qint32> timeout_;  // hundredths of a second
  std::optional<qint32> retries_;
  QString host_;
  std::optional<quint16> port_;
};
