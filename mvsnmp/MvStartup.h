// Start-up without a window: the host application's registry entries, the module and profile
// directories, the seven message catalogues, and the command line plus the per-device profile
// that fill DeviceTarget and LaunchParameters. The main window and kx760ctl both call runStartup.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The text form of the device parameters as the command line and the profile gave them, passed
// on to the sibling tools; addressText ends every window caption. The flags tell which optional
// SNMPv3 values were given.
struct LaunchParameters {
  QString addressText;
  QString readCommunityText;
  QString writeCommunityText;
  QString portText;
  QString versionText;
  QString securityNameText;
  QString authPasswordText;
  QString privPasswordText;
  QString authProtocolText;
  QString privProtocolText;
  QString contextEngineIdText;
  QString securityLevelText;
  QString contextNameText;
  QString securityModelText;
  bool profileFound = false;
  bool contextNameGiven = false;
  bool securityLevelGiven = false;
  bool authProtocolGiven = false;
  bool authPasswordGiven = false;
  bool privProtocolGiven = false;
  bool privPasswordGiven = false;

  bool operator==(const LaunchParameters&) const = default;
};

// The module's support directory (the catalogue files lie under it) and the directory of the
// device profiles. Both are prefixes used as they stand, without an added separator. Empty until
// runStartup sets them.
extern QString ModuleDir;
extern QString ProfileDir;

// The host application's registry entries (HKEY_LOCAL_MACHINE). On this platform they are kept in
// an INI file: one section per key, named by the key path without the hive
// ("[SOFTWARE\Maravel\Modules\HelpPath]"), one INI key per value name. Key paths and value names
// match without regard to case, as in the registry; a leading "\" of a key path is ignored.
class MvRegistry {
 public:
  explicit MvRegistry(QString fileName) : fileName_(std::move(fileName)) {}
  // $KX760_REGISTRY if set, else $XDG_CONFIG_HOME/maravel/registry.ini (~/.config when unset).
  static MvRegistry standard();

  // The key's value (a missing value reads as empty text); nothing when the key does not exist.
  std::optional<QString> read(const QString& key, const QString& valueName) const;
  // As read, creating the key (section) when it is missing. A failure to write is ignored: the
  // key then does not exist and the result is nothing.
  std::optional<QString> readCreatingKey(const QString& key, const QString& valueName) const;

  const QString& fileName() const { return fileName_; }

 private:
  QString fileName_;
};

// The registry entries start-up reads.
namespace MvStartupKeys {
inline constexpr char HelpPathKey[] = "SOFTWARE\\Maravel\\Modules\\HelpPath";
// The value name: the model's system object identifier.
inline constexpr char HelpPathValue[] = "1.3.6.1.4.1.48213.10.63.2";
inline constexpr char ExePathKey[] = "SOFTWARE\\Maravel\\Panoptra5.1\\ExePath";
inline constexpr char MibFileKey[] = "SOFTWARE\\Maravel\\Panoptra5.1\\MibFile";
inline constexpr char PathValue[] = "Path";
// The section of the device profile.
inline constexpr char ProfileSection[] = "Program Information";
}  // namespace MvStartupKeys

// What the window shows when the host started the module without parameters, before it ends.
inline constexpr char NoParameterInputText[] = "No parameter input";

// The error raised for a profile value or a switch value that must be a decimal integer and is
// not one (also an absent required profile key, which reads as empty text). The message names the
// key or the switch and the text found, followed by the catalogue text of this code.
inline constexpr int StartupNotANumberCode = -8;  // "Please enter a number between [MIN] and [MAX]!"

struct MvStartupResult {
  LaunchParameters launch;
  // The command line held no parameter: the caller shows NoParameterInputText and ends.
  // DeviceTarget then keeps the session's defaults (with version 0).
  bool noParameters = false;
  // The "SNMP V3" menu entry is enabled exactly when this holds (DeviceTarget.version is 3).
  bool snmpV3 = false;
  // Whether a switch or the profile gave the version and each community (else DeviceTarget keeps
  // the session's defaults for them).
  bool versionGiven = false;
  bool readCommunityGiven = false;
  bool writeCommunityGiven = false;
};

// Runs start-up after initSnmpSession() has given DeviceTarget its defaults:
//  1. DeviceTarget.version = 0;
//  2. ModuleDir from the HelpPath registry value (created if missing) minus its last 12
//     characters, and the seven catalogues loaded from ModuleDir/errmsg (a missing file keeps the
//     built-in texts);
//  3. ProfileDir from ExePath's "Path" + "../Conf/MBF/", replaced by MibFile's "Path" if present;
//  4. each parameter in turn: "/I" sets the address; any other parameter first reads the profile
//     ProfileDir + addressText + ".cfg" (when it exists), then applies the first of its switches.
// `parameters` are the command-line parameters without the program name. Throws MvException
// StartupNotANumberCode for a value that must be a number and is not; DeviceTarget, ModuleDir and
// ProfileDir then hold what was applied up to that point.
MvStartupResult runStartup(const QStringList& parameters, const MvRegistry& registry);
// The same with MvRegistry::standard().
MvStartupResult runStartup(const QStringList& parameters);

// The switch a parameter carries as start-up matches it: "/I" if it occurs, else the first of the
// other switches, in their matching order, that occurs anywhere in the parameter; nullptr for none.
// (An SNMPv3 switch counts only while SNMPv3 is in force; this tells which one it would be.)
const char* parameterSwitch(const QString& parameter);
