#include "mvsnmp/MvSecrets.h"

#include <sys/prctl.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvStartup.h"

void wipeBytes(void* data, std::size_t size) {
  volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
  for (std::size_t k = 0; k < size; ++k) p[k] = 0;
}

void wipe(QByteArray& bytes) {
  // data() gives this owner its own storage first when another copy shares it.
  if (!bytes.isEmpty()) wipeBytes(bytes.data(), static_cast<std::size_t>(bytes.size()));
  bytes.clear();
}

void wipe(QString& text) {
  if (!text.isEmpty()) wipeBytes(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
  text.clear();
}

void wipe(QStringList& texts) {
  for (QString& t : texts) wipe(t);
  texts.clear();
}

bool protectFromCoreDumps() {
  const char* allow = std::getenv(MvSecretEnv::AllowCore);
  if (allow && *allow && std::strcmp(allow, "0") != 0) return false;
  // The limit keeps a core file off the disk; a core_pattern that pipes to a handler ignores the
  // limit, but never gets the memory of a process that is not dumpable (which also keeps other
  // processes of the same user from reading its memory and environment).
  const rlimit none{0, 0};
  const bool limited = setrlimit(RLIMIT_CORE, &none) == 0;
  const bool undumpable = prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0;
  return limited && undumpable;
}

// ---- arguments --------------------------------------------------------------------------------

namespace {

bool isSecretSwitch(const char* sw) {
  return sw && (std::strcmp(sw, "/R") == 0 || std::strcmp(sw, "/W") == 0 || std::strcmp(sw, "/A") == 0 ||
                std::strcmp(sw, "/P") == 0);
}

}  // namespace

bool MvArguments::scrub(char* argument) {
  const char* sw = parameterSwitch(QString::fromLocal8Bit(argument));
  if (!isSecretSwitch(sw)) return false;
  // The switch's two ASCII characters are found at the same place in the octets as in the text.
  char* at = std::strstr(argument, sw);
  if (!at) return false;
  char* value = at + 2;
  wipeBytes(value, std::strlen(value));
  return true;
}

MvArguments::MvArguments(int argc, char** argv) {
  for (int k = 0; k < argc; ++k) {
    pointers_.push_back(argv[k]);
    texts_ << QString::fromLocal8Bit(argv[k]);
    if (k > 0) scrub(argv[k]);
  }
}

MvArguments::~MvArguments() { wipe(texts_); }

QStringList MvArguments::take(int argc, char** argv) {
  QStringList out;
  for (int k = 1; k < argc; ++k) {
    const auto at = std::find(pointers_.begin(), pointers_.end(), argv[k]);
    out << (at == pointers_.end() ? QString::fromLocal8Bit(argv[k]) : texts_.at(at - pointers_.begin()));
  }
  // Each text now lives in `out` only: wiping these copies leaves out's own storage alone.
  wipe(texts_);
  return out;
}

// ---- environment ------------------------------------------------------------------------------

namespace {

std::optional<QByteArray> takeVariable(const char* name) {
  char* value = std::getenv(name);
  if (!value) return std::nullopt;
  QByteArray bytes(value);
  // The value as the process received it stays in its environment block until overwritten.
  wipeBytes(value, std::strlen(value));
  ::unsetenv(name);
  return bytes;
}

void wipe(std::optional<QByteArray>& bytes) {
  if (bytes) ::wipe(*bytes);
}

void setPassPhrase(QByteArray& field, QString& text, bool& given, const std::optional<QByteArray>& value) {
  if (given || !value || value->isEmpty()) return;
  field = *value;
  text = QString::fromLocal8Bit(*value);
  given = true;
}

}  // namespace

MvEnvironmentSecrets MvEnvironmentSecrets::take() {
  MvEnvironmentSecrets s;
  s.readCommunity = takeVariable(MvSecretEnv::ReadCommunity);
  s.writeCommunity = takeVariable(MvSecretEnv::WriteCommunity);
  s.authPass = takeVariable(MvSecretEnv::AuthPass);
  s.privPass = takeVariable(MvSecretEnv::PrivPass);
  return s;
}

MvEnvironmentSecrets::~MvEnvironmentSecrets() {
  wipe(readCommunity);
  wipe(writeCommunity);
  wipe(authPass);
  wipe(privPass);
}

void MvEnvironmentSecrets::applyTo(MvStartupResult& result) const {
  LaunchParameters& launch = result.launch;
  if (readCommunity && !result.readCommunityGiven) {
    DeviceTarget.readCommunity = launch.readCommunityText = QString::fromLocal8Bit(*readCommunity);
    result.readCommunityGiven = true;
  }
  if (writeCommunity && !result.writeCommunityGiven) {
    DeviceTarget.writeCommunity = launch.writeCommunityText = QString::fromLocal8Bit(*writeCommunity);
    result.writeCommunityGiven = true;
  }
  setPassPhrase(DeviceTarget.authPassword, launch.authPasswordText, launch.authPasswordGiven, authPass);
  setPassPhrase(DeviceTarget.privPassword, launch.privPasswordText, launch.privPasswordGiven, privPass);
}
