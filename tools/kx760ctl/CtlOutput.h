// What kx760ctl prints on stdout: "OID = value" lines as the varbinds arrive, or with --json one
// list of {"oid", "type", "value"} objects written when the command ends (also after an error, so
// what was read before it is not lost).
#pragma once

#include <QString>
#include <cstdio>
#include <vector>

// One varbind as printed: the type is the layer's syntax keyword ("integer", "octetstr",
// "timeticks" ...), the value its display text.
struct CtlVarBind {
  QString oid;
  QString type;
  QString value;
};

class CtlOutput {
 public:
  CtlOutput(bool json, std::FILE* stream) : json_(json), stream_(stream) {}
  ~CtlOutput() { finish(); }
  CtlOutput(const CtlOutput&) = delete;
  CtlOutput& operator=(const CtlOutput&) = delete;

  bool json() const { return json_; }
  void add(const CtlVarBind& vb);
  // A document of its own (the catalogue) in place of the varbind list.
  void write(const QByteArray& document);
  // Writes the JSON list (once); plain lines are already out.
  void finish();

 private:
  bool json_;
  bool finished_ = false;
  std::FILE* stream_;
  std::vector<CtlVarBind> pending_;
};
