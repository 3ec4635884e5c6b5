// What kx760ctl prints on stdout: "OID = value" lines as the varbinds arrive, or with --json one
// list of {"oid", "type", "value"} objects, also written as they arrive and closed when the
// command ends, fails or is stopped, so the output is valid JSON whatever happens and memory
// stays flat on a long walk.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "mvsnmp/MvValue.h"

// One varbind as printed: the type is the layer's syntax keyword ("integer", "octetstr",
// "timeticks" ...), the value its display text.
struct CtlVarBind {
  QString oid;
  QString type;
  QString value;
};

class CtlOutput {
 public:
  // The latest output made is the program's: closeForExit closes it.
  CtlOutput(bool json, std::FILE* stream);
  ~CtlOutput();
  CtlOutput(const CtlOutput&) = delete;
  CtlOutput& operator=(const CtlOutput&) = delete;

  bool json() const { return json_; }
  // Throws CtlOutputError when the output cannot be written.
  void add(const CtlVarBind& vb);
  // The same for a varbind as a walk holds it: the OID as numbers, the type keyword and the
  // value's text. Written through one buffer that every varbind reuses: no allocation per row.
  void add(const MvOid& oid, const char* type, const QString& value);
  // A document of its own (the catalogue) in place of the varbind list.
  void write(const QByteArray& document);
  // Closes the JSON list (once); plain lines are already out. Never throws: see failed().
  void finish();
  // Whether some output could not be written.
  bool failed() const { return failed_; }

  // From any thread, when the program is about to end at once (a signal): closes the program's
  // output, as finish() would, unless it is already closed or gone.
  static void closeForExit();
  // Replaces what closeForExit does, for a program whose output is not one CtlOutput
  // (kx760ctl --hosts prints each device's output whole, then a summary); empty: the default.
  static void setExitCloser(std::function<void()> closer);
  // Writes and the closing happen under this lock, so a closing from another thread never cuts
  // a line in two.
  static std::recursive_mutex& lock();

  // --max-rows: the most rows a walk prints (none: no limit).
  std::optional<qint64> maxRows;

 private:
  void put(const QByteArray& bytes, bool flushNow = false);
  void put(const char* bytes, size_t size, bool flushNow = false);
  // The varbind whose OID text `writeOid` appends, in the output's form, through line_.
  template <typename OidWriter>
  void addLine(const OidWriter& writeOid, QLatin1StringView type, QStringView value);
  void finishLocked();
  static CtlOutput*& current();
  static std::function<void()>& exitCloser();
  bool json_;
  bool opened_ = false;  // the JSON list's "[" is out
  bool finished_ = false;
  bool failed_ = false;
  std::FILE* stream_;
  QElapsedTimer sinceFlush_;
  std::string line_;  // the varbind being written; its buffer is kept
};
