#include "mvsnmp/MvSessionHandover.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <limits>
#include <set>

#include "mvsnmp/MvError.h"

namespace MvSessionHandover {

namespace {

constexpr char kHeader[] = "kx760-session 1";
constexpr qsizetype kMaxBytes = 64 * 1024;

[[noreturn]] void refuse(const QString& why) {
  throw MvException(MvCode::UnknownError, QStringLiteral("The session handed over %1.").arg(why));
}

qint64 numberIn(const QByteArray& text, const char* name, qint64 low, qint64 high) {
  qsizetype from = text.startsWith('-') ? 1 : 0;
  bool digits = text.size() > from;
  for (qsizetype k = from; k < text.size() && digits; ++k) digits = text.at(k) >= '0' && text.at(k) <= '9';
  bool ok = false;
  const qint64 v = digits ? text.toLongLong(&ok) : 0;
  if (!ok || v < low || v > high)
    refuse(QStringLiteral("gives \"%1\" as %2, not a number from %3 to %4")
               .arg(QString::fromLatin1(text), QLatin1String(name))
               .arg(low)
               .arg(high));
  return v;
}

template <typename T>
QByteArray numberText(const T& field) {
  return QByteArray::number(static_cast<qint64>(field));
}

template <typename T>
void setNumber(T& field, const QByteArray& text, const char* name) {
  field = static_cast<T>(numberIn(text, name, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

struct Field {
  const char* name;
  std::function<QByteArray(const MvDeviceParams&)> get;
  std::function<void(MvDeviceParams&, const QByteArray&)> set;
};

template <typename T>
Field number(const char* name, T MvDeviceParams::*member) {
  return {name, [member](const MvDeviceParams& p) { return numberText(p.*member); },
          [member, name](MvDeviceParams& p, const QByteArray& v) { setNumber(p.*member, v, name); }};
}

Field text(const char* name, QString MvDeviceParams::*member) {
  return {name, [member](const MvDeviceParams& p) { return (p.*member).toUtf8(); },
          [member](MvDeviceParams& p, const QByteArray& v) { p.*member = QString::fromUtf8(v); }};
}

Field octets(const char* name, QByteArray MvDeviceParams::*member) {
  return {name, [member](const MvDeviceParams& p) { return p.*member; },
          [member](MvDeviceParams& p, const QByteArray& v) { p.*member = v; }};
}

const std::vector<Field>& fields() {
  static const std::vector<Field> all = {
      text("address", &MvDeviceParams::address),
      number("agentPort", &MvDeviceParams::agentPort),
      text("contextEngineId", &MvDeviceParams::contextEngineId),
      octets("contextName", &MvDeviceParams::contextName),
      number("version", &MvDeviceParams::version),
      text("readCommunity", &MvDeviceParams::readCommunity),
      text("writeCommunity", &MvDeviceParams::writeCommunity),
      number("securityModel", &MvDeviceParams::securityModel),
      number("securityLevel", &MvDeviceParams::securityLevel),
      octets("securityName", &MvDeviceParams::securityName),
      octets("authPassword", &MvDeviceParams::authPassword),
      octets("privPassword", &MvDeviceParams::privPassword),
      number("authProtocol", &MvDeviceParams::authProtocol),
      number("privProtocol", &MvDeviceParams::privProtocol),
      number("timeout", &MvDeviceParams::timeout),
      number("retries", &MvDeviceParams::retries),
      number("maxRepetitions", &MvDeviceParams::maxRepetitions),
  };
  return all;
}

}  // namespace

MvSecretBytes encode(const MvDeviceParams& session) {
  QByteArray out(kHeader);
  out += '\n';
  for (const Field& f : fields()) {
    QByteArray value = f.get(session);
    QByteArray encoded = value.toPercentEncoding();
    out += f.name;
    out += '=';
    out += encoded;
    out += '\n';
    wipe(value);
    wipe(encoded);
  }
  return MvSecretBytes(std::move(out));
}

MvDeviceParams decode(const QByteArray& data) {
  const QList<QByteArray> lines = data.split('\n');
  if (lines.isEmpty() || lines.front() != kHeader) refuse(QStringLiteral("does not begin with \"%1\"").arg(QLatin1String(kHeader)));
  if (lines.back() != QByteArray()) refuse(QStringLiteral("is cut off"));
  MvDeviceParams session = MvDeviceParams::defaults();
  std::set<QByteArray> seen;
  for (qsizetype k = 1; k + 1 < lines.size(); ++k) {
    const QByteArray& line = lines.at(k);
    const qsizetype eq = line.indexOf('=');
    const QByteArray name = eq < 0 ? line : line.left(eq);
    const auto field = std::find_if(fields().begin(), fields().end(), [&](const Field& f) { return name == f.name; });
    if (eq < 0 || field == fields().end())
      refuse(QStringLiteral("holds an unknown line \"%1\"").arg(QString::fromLatin1(name.left(40))));
    if (!seen.insert(name).second) refuse(QStringLiteral("gives %1 twice").arg(QString::fromLatin1(name)));
    QByteArray value = QByteArray::fromPercentEncoding(line.mid(eq + 1));
    field->set(session, value);
    wipe(value);
  }
  for (const Field& f : fields())
    if (!seen.count(QByteArray(f.name))) refuse(QStringLiteral("has no %1").arg(QLatin1String(f.name)));
  return session;
}

int pipeHolding(const QByteArray& data) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return -1;
  // Never block: a session larger than the pipe holds is refused rather than waiting for a
  // reader that does not exist yet.
  ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
  qsizetype done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fds[1], data.constData() + done, static_cast<size_t>(data.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  ::close(fds[1]);
  // Only the read end is inherited, and only by what is started while it is open.
  if (done != data.size() || ::fcntl(fds[0], F_SETFD, 0) != 0) {
    ::close(fds[0]);
    return -1;
  }
  return fds[0];
}

MvSecretBytes readOnce(int fd) {
  QByteArray data;
  char buffer[4096];
  // Room for all of it at once: no copy of a secret is left behind by a growing buffer.
  data.reserve(kMaxBytes + static_cast<qsizetype>(sizeof buffer));
  QString failure;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      failure = QString::fromLocal8Bit(std::strerror(errno));
      break;
    }
    if (n == 0) break;
    data.append(buffer, n);
    if (data.size() > kMaxBytes) {
      failure = QStringLiteral("more than %1 bytes").arg(kMaxBytes);
      break;
    }
  }
  wipeBytes(buffer, sizeof buffer);
  ::close(fd);
  MvSecretBytes bytes(std::move(data));
  if (!failure.isEmpty())
    throw MvException(MvCode::UnknownError,
                      QStringLiteral("The session handed over on descriptor %1 cannot be read: %2.").arg(fd).arg(failure));
  return bytes;
}

}  // namespace MvSessionHandover
