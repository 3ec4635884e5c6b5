#include "tools/kx760ctl/SnapshotCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "tools/kx760ctl/CtlOutput.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "snapshot/SnapshotDiff.h"
#include "snapshot/SnapshotReader.h"
#include "snapshot/SnapshotRestore.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitDifferent = 1;
constexpr int kExitDiffError = 2;

using Arguments = CtlSnapshotArguments;

}  // namespace

CtlSnapshotArguments ctlSnapshotArguments(const QStringList& args, bool json) {
  Arguments a;
  a.json = json;
  for (const QString& arg : args) {
    if (arg == u"--json")
      a.json = true;
    else if (arg == u"--dry-run")
      a.dryRun = true;
    else if (arg.startsWith(u"--"))
      throw CtlUsageError(QStringLiteral("snapshot: unknown option %1").arg(arg));
    else if (a.action.isEmpty())
      a.action = arg;
    else
      a.files << arg;
  }
  const int most = a.action == u"diff" ? 2 : 1;
  if (a.action != u"save" && a.action != u"diff" && a.action != u"restore")
    throw CtlUsageError(QStringLiteral("snapshot needs save, diff or restore"));
  if (a.files.isEmpty() || a.files.size() > most)
    throw CtlUsageError(QStringLiteral("snapshot %1 needs %2").arg(a.action, most == 2 ? u"FILE [FILE2]" : u"FILE"));
  if (a.dryRun && a.action != u"restore")
    throw CtlUsageError(QStringLiteral("--dry-run belongs to snapshot restore"));
  return a;
}

namespace {

void note(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  std::fflush(stderr);
}

// Progress on stderr: a line at every tenth of the lists.
SnapshotReader::Progress readingProgress() {
  return [step = -1](int done, int total, const QString&) mutable {
    const int tenth = total > 0 ? done * 10 / total : 10;
    if (tenth == step) return;
    step = tenth;
    note(QStringLiteral("snapshot: read %1 of %2 lists").arg(done).arg(total));
  };
}

SnapshotDocument readDevice(bool notes) {
  return notes ? SnapshotReader::read(readingProgress()) : SnapshotReader::read();
}

QByteArray jsonBytes(const QJsonValue& v) {
  return v.isArray() ? QJsonDocument(v.toArray()).toJson(QJsonDocument::Indented)
                     : QJsonDocument(v.toObject()).toJson(QJsonDocument::Indented);
}

}  // namespace

void ctlSnapshotSaved(const CtlSnapshotArguments& a, const SnapshotDocument& doc, CtlOutput& out) {
  writeSnapshotFile(a.files.front(), doc);
  int absent = 0;
  for (const SnapshotList& l : doc.lists)
    for (const SnapshotRow& r : l.rows)
      for (const SnapshotValue& v : r.values) absent += v.absent ? 1 : 0;
  if (a.json) {
    out.write(jsonBytes(QJsonObject{{"file", a.files.front()},
                                    {"address", doc.device.address},
                                    {"lists", static_cast<int>(doc.lists.size())},
                                    {"values", doc.valueCount()},
                                    {"absent", absent},
                                    {"elapsedMs", doc.device.elapsedMs}}));
    return;
  }
  QString text = QStringLiteral("saved %1 values of %2 lists from %3 to %4 in %5 s")
                     .arg(doc.valueCount())
                     .arg(doc.lists.size())
                     .arg(doc.device.address, a.files.front())
                     .arg(static_cast<double>(doc.device.elapsedMs) / 1000.0, 0, 'f', 2);
  if (absent) text += QStringLiteral(" (%1 objects the agent does not have)").arg(absent);
  out.write(text.toUtf8());
}

int ctlSnapshotCompared(const CtlSnapshotArguments& a, const SnapshotDocument& from, const SnapshotDocument& to,
                        CtlOutput& out) {
  const std::vector<SnapshotDifference> differences = diffSnapshots(from, to);
  if (a.json) {
    QJsonArray list;
    for (const SnapshotDifference& d : differences) list.append(d.toJson());
    out.write(jsonBytes(list));
  } else if (!differences.empty()) {
    QByteArray text;
    for (const SnapshotDifference& d : differences) text += d.text().toUtf8() + '\n';
    out.write(text);
  }
  return static_cast<int>(differences.size());
}

namespace {

void save(const Arguments& a, CtlOutput& out, bool notes) { ctlSnapshotSaved(a, readDevice(notes), out); }

int diff(const Arguments& a, CtlOutput& out, bool notes) {
  const SnapshotDocument from = readSnapshotFile(a.files.front());
  return ctlSnapshotCompared(a, from, a.files.size() == 2 ? readSnapshotFile(a.files.at(1)) : readDevice(notes), out);
}

QJsonObject setJson(const SnapshotSet& s) {
  static const char* const steps[] = {"create", "change", "destroy"};
  QJsonArray varbinds;
  for (const SnapshotVarbind& v : s.varbinds) {
    const char* keyword = syntaxKeyword(v.syntax);
    varbinds.append(QJsonObject{{"oid", v.oid},
                                {"syntax", QString::fromLatin1(keyword ? keyword : "null")},
                                {"value", v.value},
                                {"label", v.label},
                                {"text", v.text}});
  }
  QJsonObject o{{"step", steps[static_cast<int>(s.step)]}, {"list", s.list}, {"menu", s.where}, {"what", s.what}, {"varbinds", varbinds}};
  if (!s.impossible.isEmpty()) o.insert("notSent", s.impossible);
  return o;
}

CtlSnapshotOutcome restore(const Arguments& a, CtlOutput& out, bool notes) {
  const SnapshotDocument file = readSnapshotFile(a.files.front());
  const std::vector<SnapshotDifference> chosen = diffSnapshots(file, readDevice(notes));
  const std::vector<SnapshotSet> sets = restoreSets(chosen, file);
  const int total = static_cast<int>(sets.size());
  if (a.dryRun) {
    if (a.json) {
      QJsonArray list;
      for (const SnapshotSet& s : sets) list.append(setJson(s));
      out.write(jsonBytes(list));
    } else {
      QString text;
      for (int k = 0; k < total; ++k) text += snapshotSetText(sets[static_cast<size_t>(k)], k + 1, total);
      out.write(total ? text.toUtf8() : QByteArray("nothing to write: the switch matches the file"));
    }
    return {static_cast<int>(chosen.size()), {}};
  }
  SnapshotRestoreResult result = sendRestoreSets(
      sets, static_cast<int>(chosen.size()), [notes](int done, int all, const QString& what) {
        if (notes && done < all)
          note(QStringLiteral("snapshot: set %1 of %2: %3").arg(done + 1).arg(all).arg(what));
      });
  if (result.setsSent > 0) {
    if (notes) note(QStringLiteral("snapshot: reading the switch again to check"));
    checkRestored(chosen, diffSnapshots(file, SnapshotReader::read()), result);
  }
  const QStringList failures = result.failures(chosen);
  const int written = static_cast<int>(chosen.size()) - static_cast<int>(failures.size());
  if (a.json) {
    QJsonArray failed;
    for (const QString& f : failures) failed.append(f);
    out.write(jsonBytes(QJsonObject{{"differences", static_cast<int>(chosen.size())},
                                    {"written", written},
                                    {"sets", result.setsSent},
                                    {"failures", failed}}));
  } else {
    out.write(QStringLiteral("restored %1 of %2 differences with %3 sets")
                  .arg(written)
                  .arg(chosen.size())
                  .arg(result.setsSent)
                  .toUtf8());
  }
  return {static_cast<int>(chosen.size()), failures};
}

}  // namespace

CtlSnapshotOutcome ctlSnapshotAction(const CtlSnapshotArguments& a, CtlOutput& out, bool notes) {
  if (a.action == u"save") {
    save(a, out, notes);
    return {};
  }
  if (a.action == u"diff") return {diff(a, out, notes), {}};
  return restore(a, out, notes);
}

void SnapshotCommand::run(const QStringList& args, CtlOutput& out) {
  const Arguments a = ctlSnapshotArguments(args, out.json());
  const int errorExit = a.action == u"diff" ? kExitDiffError : kExitError;
  auto fail = [&](int code, const QString& message) {
    if (a.json) {
      QJsonObject error{{"message", message}};
      if (code) error.insert("code", code);
      out.write(jsonBytes(QJsonObject{{"error", error}}));
    }
    throw CtlStopped(code ? QStringLiteral("error %1: %2").arg(code).arg(message) : message, errorExit);
  };
  CtlSnapshotOutcome outcome;
  try {
    outcome = ctlSnapshotAction(a, out, true);
  } catch (const MvException& e) {
    fail(e.code(), e.message());
  } catch (const SnapshotError& e) {
    fail(0, e.message());
  }
  if (a.action == u"diff" && outcome.differences > 0)
    throw CtlStopped(QStringLiteral("%1 difference%2").arg(outcome.differences).arg(outcome.differences == 1 ? "" : "s"),
                     kExitDifferent);
  if (!outcome.failures.isEmpty()) {
    for (const QString& f : outcome.failures) note(QStringLiteral("kx760ctl: not written: %1").arg(f));
    throw CtlStopped(QStringLiteral("the restore could not write %1 of %2 differences")
                         .arg(outcome.failures.size())
                         .arg(outcome.differences),
                     kExitError);
  }
}
