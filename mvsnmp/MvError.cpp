#include "mvsnmp/MvError.h"

#include "mvsnmp/MvPath.h"
#include "mvsnmp/MvText.h"

#include <QFile>
#include <array>
#include <vector>

namespace {

// Built-in English texts, the fallback for every entry that no catalogue file supplies.
// CommonMessages
const char* const kCommonMessages[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the "
    "number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is "
    "between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

// SnmpStatusMessages
const char* const kSnmpStatusMessages[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

// SnmpV3Messages
const char* const kSnmpV3Messages[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

// SnmpUsmMessages
const char* const kSnmpUsmMessages[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

// SnmpClassMessages
const char* const kSnmpClassMessages[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

// LibraryMessages
const char* const kLibraryMessages[] = {
    "Ok",
    "(MvSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(MvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(MvSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(MvSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(MvSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(MvSNMP++) Cannot create the global MvSNMP++ session!",
    "(MvSNMP++) Error when loading SNMP engine boots counter!",
    "(MvSNMP++) Error when saving SNMP engine boots counter!",
    "(MvSNMP++) Invalid IP Address or DNS name!",
    "(MvSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(MvSNMP++) Bad SNMP syntax!",
    "(MvSNMP++) Null value in the expression!",
    "(MvSNMP++) Bad SNMP syntax in the expression!",
    "(MvSNMP++) Bad key count of SNMP variable list!",
    "(MvSNMP++) Bad item type of SNMP variable list!",
    "(MvSNMP++) Bad item type of associated SNMP variable list!",
    "(MvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(MvSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(MvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) "
    "data!",
    "(MvSNMP++) No reference option list for a SNMP variable's (partial) data associating with a "
    "optional visual control!",
    "(MvSNMP++) Bad type of the associated visual control!",
    "(MvSNMP++) Count of the associated visual controls is not enough!",
    "(MvSNMP++) No system start time for the time whose data source is the SNMP variable's "
    "(partial) data with syntax timeticks!",
    "(MvSNMP++) Count of the value items for the chart's history data is not enough!",
    "(MvSNMP++) Log database is not connected!",
    "(MvSNMP++) Log database field not found!",
    "(MvSNMP++) Bad syntax for the history chart of log!",
    "(MvSNMP++) Unknown error code!",
};

// StatusFormats
const char* const kStatusFormats[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

struct BuiltIn {
  const char* const* texts;
  int size;
  const char* file;
};

template <size_t N>
constexpr BuiltIn builtIn(const char* const (&texts)[N], const char* file) {
  return {texts, static_cast<int>(N), file};
}

const std::array<BuiltIn, 7> kBuiltIn = {{
    builtIn(kCommonMessages, "errmsg/common.err"),
    builtIn(kSnmpStatusMessages, "errmsg/snmp.err"),
    builtIn(kSnmpV3Messages, "errmsg/snmpv3.err"),
    builtIn(kSnmpUsmMessages, "errmsg/snmpusm.err"),
    builtIn(kSnmpClassMessages, "errmsg/snmpclass.err"),
    builtIn(kLibraryMessages, "errmsg/mvsnmp.err"),
    builtIn(kStatusFormats, "errmsg/snmp.msg"),
}};

// What the catalogue files supplied, per catalogue; empty until a file is loaded.
std::array<std::vector<QString>, 7>& loadedTexts() {
  static std::array<std::vector<QString>, 7> loaded;
  return loaded;
}

size_t slot(MvCatalogue c) {
  return static_cast<size_t>(c);
}


// Splits raw file octets into the lines a reader of at most 1023 characters per read sees:
// a longer line comes out as several lines.
std::vector<QByteArray> readLines(const QByteArray& data) {
  constexpr qsizetype kMaxRead = 1023;
  std::vector<QByteArray> lines;
  qsizetype pos = 0;
  while (pos < data.size()) {
    qsizetype nl = data.indexOf('\n', pos);
    const qsizetype lineEnd = nl < 0 ? data.size() : nl + 1;  // keeps the line feed
    const qsizetype take = std::min(lineEnd - pos, kMaxRead);
    lines.push_back(data.mid(pos, take));
    pos += take;
  }
  return lines;
}

}  // namespace

MvException::MvException(int code, QString message)
    : code_(code), message_(std::move(message)), what_(message_.toStdString()) {}

namespace MvCatalogues {

int builtInSize(MvCatalogue c) {
  return kBuiltIn[slot(c)].size;
}

QString entry(MvCatalogue c, int k) {
  if (k < 0) return {};
  const auto& loaded = loadedTexts()[slot(c)];
  if (static_cast<size_t>(k) < loaded.size()) return loaded[static_cast<size_t>(k)];
  const BuiltIn& b = kBuiltIn[slot(c)];
  return k < b.size ? QString::fromUtf8(b.texts[k]) : QString();
}

QString fileName(MvCatalogue c) {
  return QString::fromLatin1(kBuiltIn[slot(c)].file);
}

void resetAll() {
  for (auto& l : loadedTexts()) l.clear();
}

}  // namespace MvCatalogues

QString messageOf(int code) {
  using C = MvCatalogue;
  if (code == 0) return MvCatalogues::entry(C::LibraryMessages, 0);
  if (code >= -18 && code <= -1) return MvCatalogues::entry(C::CommonMessages, -code);
  if (code >= -118 && code <= -101) return MvCatalogues::entry(C::SnmpStatusMessages, -101 - code);
  if (code >= -217 && code <= -201) return MvCatalogues::entry(C::SnmpV3Messages, -201 - code);
  if (code >= -314 && code <= -301) return MvCatalogues::entry(C::SnmpUsmMessages, -301 - code);
  if (code >= -423 && code <= -401) return MvCatalogues::entry(C::SnmpClassMessages, -401 - code);
  if (code >= -528 && code <= -501) return MvCatalogues::entry(C::LibraryMessages, -500 - code);
  return MvCatalogues::entry(C::LibraryMessages, 28);
}

QString fillPlaceholders(QString text, std::initializer_list<std::pair<QString, QString>> values) {
  for (const auto& [name, value] : values) text.replace(name, value);
  return text;
}

void raiseError(int code, std::initializer_list<std::pair<QString, QString>> values) {
  throw MvException(code, fillPlaceholders(messageOf(code), values));
}

MvSNMPError translateStatus(int status) {
  using C = MvCatalogue;
  auto make = [](int code, C c, int k) {
    MvSNMPError e;
    e.code = code;
    e.message = MvCatalogues::entry(c, k);
    return e;
  };
  if (status == 0 || status == 1400 || status == -1401) return make(0, C::LibraryMessages, 0);
  if (status >= 1 && status <= 18) return make(-100 - status, C::SnmpStatusMessages, status - 1);
  if (status >= -1418 && status <= -1402)
    return make(status + 1201, C::SnmpV3Messages, -1402 - status);
  if (status >= 1401 && status <= 1414)
    return make(1100 - status, C::SnmpUsmMessages, status - 1401);
  if (status >= -23 && status <= -1) return make(status - 400, C::SnmpClassMessages, -1 - status);
  return make(MvCode::UnknownError, C::LibraryMessages, 28);
}

bool loadMessageFile(MvCatalogue c, const QString& path) {
  // Only a regular file of a catalogue's size: anything else keeps the built-in texts.
  const std::optional<QByteArray> bytes = readLocalFile(path, MaxCatalogueBytes);
  if (!bytes) return false;
  const QByteArray& data = *bytes;
  std::vector<QString> texts;
  for (QByteArray line : readLines(data)) {
    const QString text = QString::fromUtf8(line);
    if (trimmedOfControls(text).isEmpty()) continue;
    if (line.endsWith("\r\n"))
      line.chop(2);
    else if (line.endsWith('\n'))
      line.chop(1);
    texts.push_back(QString::fromUtf8(line));
  }
  if (texts.empty()) return false;
  loadedTexts()[slot(c)] = std::move(texts);
  return true;
}
