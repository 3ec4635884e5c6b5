// The SNMP parameters of the managed device: the process-wide DeviceTarget, filled at start-up,
// and the copy every request carries.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

struct MvDeviceParams {
  QString address;
  quint16 agentPort = 0;
  QString contextEngineId;
  // The agent's own (authoritative) engine ID as hexadecimal text, when the user gives it: SNMPv3
  // sessions then use it instead of discovering it. Empty: discovered.
  QString securityEngineId;
  // The SNMPv3 texts are octets: the library gets them exactly as the profile file or the
  // command line held them, never re-encoded (a pass phrase's key is computed from its octets).
  QByteArray contextName;
  quint8 version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3 (anything but 3 uses communities)
  QString readCommunity;
  QString writeCommunity;
  qint32 securityModel = 0;  // 1 v1, 2 v2c, 3 USM
  qint32 securityLevel = 0;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
  QByteArray securityName;
  QByteArray authPassword;
  QByteArray privPassword;
  // 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256, 6 SHA-384, 7 SHA-512
  qint32 authProtocol = 0;
  // 1 none, 2 DES, 3 3DES, 4 AES-128, 9 IDEA, 20 AES-192, 21 AES-256
  qint32 privProtocol = 0;
  qint32 timeout = 0;  // hundredths of a second per try
  qint32 retries = 1;  // retries after the first try
  // Walks over SNMPv2c and v3 read ahead with get-bulk: -1 adapts the repetitions per answer,
  // 0 walks with get-next only, N asks for N repetitions (fewer after tooBig).
  qint32 maxRepetitions = -1;
  // Times a read is sent again after a time-out (the request's own, not from start-up).
  qint32 readResends = 2;

  // The defaults a new session gives the device target.
  static MvDeviceParams defaults();
};

// The device this process manages. Empty until initSnmpSession, then its defaults until start-up
// reads the command line and the profile.
extern MvDeviceParams DeviceTarget;

// The octets of a context engine ID text: an even number of hexadecimal digits, optionally after
// "0x"; the empty text gives no octets. Any other text gives nothing (never a shortened ID).
std::optional<QByteArray> engineIdOctets(const QString& text);
