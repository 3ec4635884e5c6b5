#include "tools/kx760ctl/FleetCommand.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvStartup.h"
#include "snapshot/SnapshotDocument.h"
#include "snapshot/SnapshotReader.h"
#include "tools/kx760ctl/CtlCommand.h"
#include "tools/kx760ctl/CtlCommandLine.h"
#include "tools/kx760ctl/CtlOutput.h"
#include "tools/kx760ctl/CtlRawRequest.h"
#include "tools/kx760ctl/HostsFile.h"
#include "tools/kx760ctl/PageCommand.h"
#include "tools/kx760ctl/SetCommand.h"
#include "tools/kx760ctl/SnapshotCommand.h"
#include "tools/kx760ctl/WalkCommand.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitDiffFailed = 2;  // snapshot diff keeps its own status for an error
constexpr int kExitMaxRows = 3;
constexpr int kExitDifferent = 1;
constexpr int kNoSuchNameCode = -102;  // SNMPv1's error-status noSuchName

// How one device's run ended.
struct Outcome {
  bool failed = false;
  int code = 0;  // the engine's code of a failure; 0 for one it has no code for
  QString message;
  // A run that did its work but ends with the status a single kx760ctl would give it: 4 a get
  // of objects the agent lacks, 3 a walk cut at --max-rows, 1 a snapshot that differs.
  int remark = 0;

  static Outcome ok(int remark = 0) { return Outcome{false, 0, {}, remark}; }
  static Outcome failure(int code, const QString& message) { return Outcome{true, code, message, 0}; }
  static Outcome failure(const MvSNMPError& e) { return failure(e.code, e.message); }
};

using Done = std::function<void(const Outcome&)>;

// One device's run of the command. start() sends the first request; `done` runs exactly once,
// possibly inside start() or inside a request's callback (the runner defers what follows). A
// blocking task does all its work inside start().
class FleetTask {
 public:
  virtual ~FleetTask() = default;
  virtual void start(const MvDeviceParams& device, CtlOutput& out, Done done) = 0;
  virtual bool blocking() const { return false; }
};

// get and walk: one get (over SNMPv1 a refused get asks each object alone, as a single get
// does), or a walk one row per answer.
class ReadTask : public FleetTask {
 public:
  ReadTask(QStringList oids, bool walk, std::optional<qint64> maxRows)
      : oids_(std::move(oids)), walk_(walk), maxRows_(maxRows) {
    if (oids_.isEmpty())
      throw CtlUsageError(QStringLiteral("%1 needs at least one OID").arg(walk ? "walk" : "get"));
    for (const QString& oid : oids_) ctlOidArgument(oid);
  }
  void start(const MvDeviceParams& device, CtlOutput& out, Done done) override {
    device_ = device;
    out_ = &out;
    done_ = std::move(done);
    request_ = make(oids_);
    step(*request_, true, [this](const MvSNMPError& e) { onAnswer(e); });
  }

 private:
  std::unique_ptr<CtlRawRequest> make(const QStringList& oids) const {
    auto r = walk_ ? CtlRawRequest::forWalk(oids, ctlOctetForm(out_->json()))
                   : CtlRawRequest::forGet(oids, ctlOctetForm(out_->json()));
    ctlLoadTarget(*r, device_);
    return r;
  }
  void step(CtlRawRequest& r, bool first, std::function<void(const MvSNMPError&)> then) {
    try {
      r.readAsync([then](void*, const MvSNMPError& e, MvSNMPVarList&) { then(e); }, nullptr, first);
    } catch (const MvException& e) {
      done_(Outcome::failure(e.error()));
    }
  }
  void onAnswer(const MvSNMPError& e) {
    if (!walk_ && e.code == kNoSuchNameCode) return askAlone(0);
    if (!e.ok()) return done_(Outcome::failure(e));
    if (walk_) {
      if (e.finished) return done_(Outcome::ok());
      if (maxRows_ && rows_ >= *maxRows_) return done_(Outcome::ok(kExitMaxRows));
      ++rows_;
      printed_.print(*request_, *out_);
      return step(*request_, false, [this](const MvSNMPError& next) { onAnswer(next); });
    }
    printGet();
  }
  // Object i alone, then the next; the finished request goes only after its callback returned.
  void askAlone(int i) {
    if (i == request_->varList.count()) return printGet();
    one_ = make({oids_.at(i)});
    step(*one_, true, [this, i](const MvSNMPError& e) {
      if (e.ok())
        request_->varList.item(i) = one_->varList.item(0);
      else if (e.code == kNoSuchNameCode)
        request_->markNoSuchName(i);
      else
        return done_(Outcome::failure(e));
      QTimer::singleShot(0, &context_, [this, i] { askAlone(i + 1); });
    });
  }
  void printGet() {
    for (int i = request_->firstObject(); i < request_->varList.count(); ++i) out_->add(request_->varBind(i));
    done_(Outcome::ok(request_->anyMissing() ? kCtlExitMissing : 0));
  }

  QStringList oids_;
  bool walk_;
  std::optional<qint64> maxRows_;
  qint64 rows_ = 0;
  MvDeviceParams device_;
  CtlOutput* out_ = nullptr;
  Done done_;
  std::unique_ptr<CtlRawRequest> request_;
  std::unique_ptr<CtlRawRequest> one_;
  CtlWalkRows printed_;
  QObject context_;
};

class SetTask : public FleetTask {
 public:
  explicit SetTask(QStringList args) : args_(std::move(args)) { ctlSetRequest(args_); }
  void start(const MvDeviceParams& device, CtlOutput& out, Done done) override {
    request_ = ctlSetRequest(args_);
    ctlLoadTarget(*request_, device);
    try {
      request_->writeAsync(
          [this, &out, done](void*, const MvSNMPError& e, MvSNMPVarList&) {
            if (!e.ok()) return done(Outcome::failure(e));
            ctlReportSet(*request_, out);
            done(Outcome::ok());
          },
          nullptr, false);
    } catch (const MvException& e) {
      done(Outcome::failure(e.error()));
    }
  }

 private:
  QStringList args_;
  std::unique_ptr<CtlRawRequest> request_;
};

class PageTask : public FleetTask {
 public:
  explicit PageTask(const QStringList& args) : read_(args) {}
  void start(const MvDeviceParams& device, CtlOutput& out, Done done) override {
    read_.start(device, out, [done](const MvSNMPError& e) { done(e.ok() ? Outcome::ok() : Outcome::failure(e)); });
  }

 private:
  AsyncPageRead read_;
};

// snapshot restore of one device with its own file in the directory. The restore writes and
// checks synchronously, with DeviceTarget: these tasks run one after another.
class SnapshotTask : public FleetTask {
 public:
  SnapshotTask(CtlSnapshotArguments arguments, const QString& file) : a_(std::move(arguments)) {
    a_.files = {file};
  }
  bool blocking() const override { return true; }
  void start(const MvDeviceParams& device, CtlOutput& out, Done done) override {
    const MvDeviceParams saved = DeviceTarget;
    DeviceTarget = device;
    Outcome outcome;
    try {
      const CtlSnapshotOutcome o = ctlSnapshotAction(a_, out, false);
      if (!o.failures.isEmpty())
        outcome = Outcome::failure(0, QStringLiteral("the restore could not write %1 of %2 differences: %3")
                                          .arg(o.failures.size())
                                          .arg(o.differences)
                                          .arg(o.failures.join(QStringLiteral("; "))));
      else
        outcome = Outcome::ok(a_.action == u"diff" && o.differences > 0 ? kExitDifferent : 0);
    } catch (const MvException& e) {
      outcome = Outcome::failure(e.code(), e.message());
    } catch (const SnapshotError& e) {
      outcome = Outcome::failure(0, e.message());
    }
    DeviceTarget = saved;
    done(outcome);
  }

 private:
  CtlSnapshotArguments a_;
};

// snapshot save and diff of one device with its own file in the directory: the device is read
// asynchronously like the other commands, then the file written or compared.
class SnapshotReadTask : public FleetTask {
 public:
  SnapshotReadTask(CtlSnapshotArguments arguments, const QString& file) : a_(std::move(arguments)) {
    a_.files = {file};
  }
  void start(const MvDeviceParams& device, CtlOutput& out, Done done) override {
    std::optional<SnapshotDocument> saved;
    if (a_.action == u"diff") {
      try {
        saved = readSnapshotFile(a_.files.front());
      } catch (const SnapshotError& e) {
        return done(Outcome::failure(0, e.message()));
      }
    }
    reader_.start(device, [this, &out, done, saved = std::move(saved)](const MvSNMPError& e, SnapshotDocument& doc) {
      if (!e.ok()) return done(Outcome::failure(e));
      try {
        if (!saved) {
          ctlSnapshotSaved(a_, doc, out);
          return done(Outcome::ok());
        }
        done(Outcome::ok(ctlSnapshotCompared(a_, *saved, doc, out) > 0 ? kExitDifferent : 0));
      } catch (const SnapshotError& error) {
        done(Outcome::failure(0, error.message()));
      }
    });
  }

 private:
  CtlSnapshotArguments a_;
  SnapshotAsyncReader reader_;
};

// A device's snapshot file in the directory: its name as the file names it, with every character
// that is not a letter, digit, "-", "_" or an inner "." made "_" ("10.0.0.5:161" ->
// "10.0.0.5_161.json"), so no name leaves the directory or hides in it.
QString snapshotFileName(const QString& device) {
  QString name = device;
  for (QChar& c : name)
    if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_' && c != u'.') c = u'_';
  if (name.startsWith(u'.')) name[0] = u'_';
  return name + QStringLiteral(".json");
}

// The task of every device, all made (and the arguments checked) before anything is sent.
std::vector<std::unique_ptr<FleetTask>> makeTasks(const CtlCommandLine& line, const std::vector<HostEntry>& hosts) {
  std::vector<std::unique_ptr<FleetTask>> tasks;
  const QString& command = line.command;
  if (command == u"snapshot") {
    const CtlSnapshotArguments a = ctlSnapshotArguments(line.commandArgs, line.json);
    if (a.files.size() != 1)
      throw CtlUsageError(QStringLiteral("with --hosts, snapshot %1 needs one directory: each device has its file there")
                              .arg(a.action));
    const QDir dir(a.files.front());
    if (a.action == u"save" && !dir.exists() && !QDir().mkpath(dir.path()))
      throw CtlUsageError(QStringLiteral("cannot make the directory %1").arg(dir.path()));
    std::map<QString, QString> named;  // file -> device
    for (const HostEntry& h : hosts) {
      const QString file = snapshotFileName(h.device);
      if (const auto it = named.find(file); it != named.end())
        throw CtlUsageError(QStringLiteral("the devices \"%1\" and \"%2\" would share the file %3")
                                .arg(it->second, h.device, file));
      named.emplace(file, h.device);
      if (a.action == u"restore")
        tasks.push_back(std::make_unique<SnapshotTask>(a, dir.filePath(file)));
      else
        tasks.push_back(std::make_unique<SnapshotReadTask>(a, dir.filePath(file)));
    }
    return tasks;
  }
  for (std::size_t i = 0; i < hosts.size(); ++i) {
    if (command == u"get" || command == u"walk")
      tasks.push_back(std::make_unique<ReadTask>(line.commandArgs, command == u"walk", line.maxRows));
    else if (command == u"set")
      tasks.push_back(std::make_unique<SetTask>(line.commandArgs));
    else if (command == u"page")
      tasks.push_back(std::make_unique<PageTask>(line.commandArgs));
    else
      throw CtlUsageError(
          QStringLiteral("--hosts runs get, walk, set, page and snapshot, not \"%1\"").arg(command));
  }
  return tasks;
}

// A device's output, kept in memory until the device is done and then printed in one piece.
class BufferedOutput {
 public:
  explicit BufferedOutput(bool json) {
    stream_ = open_memstream(&data_, &size_);
    if (!stream_) throw CtlOutputError(QStringLiteral("out of memory"));
    out_.emplace(json, stream_);
  }
  ~BufferedOutput() {
    out_.reset();
    std::fclose(stream_);
    std::free(data_);
  }
  BufferedOutput(const BufferedOutput&) = delete;
  BufferedOutput& operator=(const BufferedOutput&) = delete;

  CtlOutput& out() { return *out_; }
  QByteArray take() {
    out_->finish();
    std::fflush(stream_);
    return QByteArray(data_, static_cast<qsizetype>(size_));
  }

 private:
  char* data_ = nullptr;
  size_t size_ = 0;
  std::FILE* stream_ = nullptr;
  std::optional<CtlOutput> out_;
};

struct Device {
  HostEntry host;
  MvDeviceParams params;
  std::optional<Outcome> setupFailure;  // start-up refused the line: nothing is sent
  std::unique_ptr<FleetTask> task;
  std::unique_ptr<BufferedOutput> output;
  Outcome result;
  bool finished = false;
  QByteArray printed;  // what goes to stdout for it, once finished
  bool ready = false;  // `printed` is complete
};

// What the summary calls a device whose run ended with a remark.
QString remarkWords(const QString& command) {
  if (command == u"get") return QStringLiteral("lacking objects");
  if (command == u"walk") return QStringLiteral("cut at --max-rows");
  return QStringLiteral("different");
}

class FleetRun {
 public:
  FleetRun(const CtlCommandLine& line, std::vector<Device>& devices)
      : line_(line), devices_(devices), terminal_(isatty(STDERR_FILENO) == 1) {
    for (const Device& d : devices_) blocking_ = blocking_ || (d.task && d.task->blocking());
  }

  // `clock` runs from the fleet command's start: the summary gives the whole run's time.
  int exec(const QElapsedTimer& clock) {
    clock_ = clock;
    // A signal ends the program from another thread: what is printed stays whole (every device's
    // output goes out under the output lock) and the summary says how far it got.
    CtlOutput::setExitCloser([this] { summary(true); });
    QTimer::singleShot(0, &loop_, [this] { startMore(); });
    loop_.exec();
    const std::lock_guard guard(CtlOutput::lock());
    CtlOutput::setExitCloser({});
    summary(false);
    if (std::fflush(stdout) != 0 || outputFailed_) {
      std::fputs("kx760ctl: cannot write the output\n", stderr);
      return kExitFailed;
    }
    int failed = 0, remark = 0;
    for (const Device& d : devices_) {
      failed += d.result.failed;
      remark = std::max(remark, d.result.remark);
    }
    if (failed) return line_.command == u"snapshot" && line_.commandArgs.value(0) == u"diff" ? kExitDiffFailed : kExitFailed;
    return remark;
  }

 private:
  // Under the output lock (also from the signal thread).
  void summary(bool stopped) {
    int ok = 0, failed = 0, remarked = 0;
    for (const Device& d : devices_) {
      if (!d.ready) continue;
      ok += !d.result.failed;
      failed += d.result.failed;
      remarked += d.result.remark != 0;
    }
    QString text = QStringLiteral("%1 ok").arg(ok);
    if (remarked) text += QStringLiteral(" (%1 %2)").arg(remarked).arg(remarkWords(line_.command));
    text += QStringLiteral(", %1 failed").arg(failed);
    if (stopped) text += QStringLiteral(", %1 not done").arg(devices_.size() - done_);
    text += QStringLiteral(", %1 s").arg(static_cast<double>(clock_.elapsed()) / 1000.0, 0, 'f', 1);
    std::fflush(stdout);
    if (terminal_) std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "kx760ctl: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
  }

  std::size_t parallel() const {
    if (blocking_) return 1;
    return static_cast<std::size_t>(line_.parallel.value_or(kFleetDefaultParallel));
  }

  void startMore() {
    while (active_ < parallel() && next_ < devices_.size()) {
      const std::size_t i = next_++;
      ++active_;
      Device& d = devices_[i];
      if (d.setupFailure) {
        finish(i, *d.setupFailure);
        continue;
      }
      d.output = std::make_unique<BufferedOutput>(line_.json);
      try {
        d.task->start(d.params, d.output->out(), [this, i](const Outcome& o) { finish(i, o); });
      } catch (const MvException& e) {
        finish(i, Outcome::failure(e.error()));
      } catch (const CtlOutputError& e) {
        finish(i, Outcome::failure(0, QString::fromStdString(e.what())));
      }
    }
  }

  // Runs inside the task's callback: what follows (freeing the task) waits until it returned.
  void finish(std::size_t i, const Outcome& o) {
    if (devices_[i].finished) return;
    devices_[i].finished = true;
    devices_[i].result = o;
    QTimer::singleShot(0, &loop_, [this, i] { complete(i); });
  }

  void complete(std::size_t i) {
    Device& d = devices_[i];
    const QByteArray text = d.output ? d.output->take() : QByteArray();
    d.printed = d.result.failed ? formatFailure(d) : formatSuccess(d, text);
    d.task.reset();
    d.output.reset();
    --active_;
    {
      const std::lock_guard guard(CtlOutput::lock());
      ++done_;
      d.ready = true;
      if (line_.ordered) {
        // In the file's order: each device as soon as every one before it is out.
        while (printedUpTo_ < devices_.size() && devices_[printedUpTo_].ready) print(devices_[printedUpTo_++]);
      } else {
        print(d);
      }
      if (terminal_) std::fprintf(stderr, "\r\033[K%zu/%zu devices done", done_, devices_.size());
    }
    if (done_ == devices_.size()) {
      loop_.exit(0);
      return;
    }
    startMore();
  }

  void print(Device& d) {
    if (std::fwrite(d.printed.constData(), 1, static_cast<size_t>(d.printed.size()), stdout) !=
        static_cast<size_t>(d.printed.size()))
      outputFailed_ = true;
    std::fflush(stdout);
    d.printed.clear();
  }

  QByteArray formatSuccess(const Device& d, const QByteArray& text) const {
    if (line_.json) {
      // The device's own JSON goes in as it was written, not parsed and written again: valid JSON
      // holds a raw line break only between tokens (one in a string is escaped), so dropping the
      // breaks puts the whole result on the device's one line.
      QByteArray result = text.trimmed();
      result.replace('\n', QByteArray());
      if (result.isEmpty()) result = "null";
      QByteArray o = QJsonDocument(QJsonObject{{"device", d.host.device}, {"ok", true}}).toJson(QJsonDocument::Compact);
      o.chop(1);  // the closing brace: the result follows
      return o + ",\"result\":" + result + "}\n";
    }
    QByteArray out;
    const QByteArray prefix = d.host.device.toUtf8() + ": ";
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QByteArray& l : lines) out += prefix + l + '\n';
    return out;
  }

  QByteArray formatFailure(const Device& d) const {
    const Outcome& r = d.result;
    if (line_.json) {
      QJsonObject error{{"message", r.message}};
      if (r.code) error.insert("code", r.code);
      const QJsonObject o{{"device", d.host.device}, {"ok", false}, {"error", error}};
      return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
    }
    const QString text = r.code ? QStringLiteral("error %1: %2").arg(r.code).arg(r.message)
                                : QStringLiteral("error: %1").arg(r.message);
    return d.host.device.toUtf8() + ": " + text.toUtf8() + '\n';
  }

  const CtlCommandLine& line_;
  std::vector<Device>& devices_;
  bool terminal_;
  bool blocking_ = false;  // the tasks ask synchronously: one device at a time
  QElapsedTimer clock_;
  QEventLoop loop_;
  std::size_t next_ = 0, active_ = 0, done_ = 0, printedUpTo_ = 0;
  bool outputFailed_ = false;
};

// The device of one line: its own switches or options after those of the command line, each
// form as a single kx760ctl takes it. A line that cannot make a device is a CtlUsageError naming
// it; what start-up refuses (a value out of range) fails that device alone, before anything is sent.
void setUpDevice(Device& d, const CtlCommandLine& line, const MvDeviceParams& pristine,
                 const MvEnvironmentSecrets& env) {
  const HostEntry& h = d.host;
  const QString where = h.where(line.hostsFile);
  const bool snmpForm = h.snmpOptions.given() || line.snmpOptions.given();
  if (snmpForm && (!h.moduleSwitches.isEmpty() || !line.moduleSwitches.isEmpty()))
    throw CtlUsageError(where + QStringLiteral("the module's switches and Net-SNMP's options cannot be mixed "
                                               "(the line's and the command line's together)"));
  if (snmpForm) {
    CtlSnmpOptions options = h.snmpOptions;
    options.fillFrom(line.snmpOptions);
    MvDeviceParams device = pristine;
    LaunchParameters launch;
    try {
      options.setAgent(h.device);
      options.applyTo(device, launch, env);
    } catch (const CtlUsageError& e) {
      throw CtlUsageError(where + QString::fromStdString(e.what()));
    }
    d.params = device;
  } else {
    DeviceTarget = pristine;
    try {
      QStringList parameters = QStringList{QStringLiteral("/I") + h.host} + line.moduleSwitches + h.moduleSwitches;
      // Start-up reads the address's profile before each parameter after the address: a line of
      // the address alone gets one empty parameter, so it is the device its profile describes.
      if (parameters.size() == 1) parameters << QString();
      MvStartupResult startup = runStartup(parameters);
      env.applyTo(startup);
    } catch (const MvException& e) {
      d.setupFailure = Outcome::failure(e.error());
      return;
    }
    d.params = DeviceTarget;
    if (h.port) d.params.agentPort = *h.port;
  }
  // --port: the port of every line that names none.
  if (!h.port && line.port) d.params.agentPort = *line.port;
  if (line.maxRepetitions) d.params.maxRepetitions = *line.maxRepetitions;
}

}  // namespace

int runFleet(const CtlCommandLine& line, const MvEnvironmentSecrets& fromEnvironment) {
  QElapsedTimer clock;
  clock.start();
  if (line.snmpOptions.hasAgent())
    throw CtlUsageError(QStringLiteral("with --hosts the agents are the file's lines, not \"%1\"")
                            .arg(line.snmpOptions.host()));
  std::vector<Device> devices;
  std::vector<HostEntry> hosts = readHostsFile(line.hostsFile);
  std::vector<std::unique_ptr<FleetTask>> tasks = makeTasks(line, hosts);
  for (std::size_t i = 0; i < hosts.size(); ++i) {
    Device d;
    d.host = std::move(hosts[i]);
    d.task = std::move(tasks[i]);
    devices.push_back(std::move(d));
  }

  initSnmpSession();
  // Each line starts from the session's defaults, as a single run's would; start-up once without
  // switches reads the registry and the catalogues for the lines in Net-SNMP's form.
  const MvDeviceParams pristine = DeviceTarget;
  runStartup(QStringList());
  for (Device& d : devices) setUpDevice(d, line, pristine, fromEnvironment);
  DeviceTarget = pristine;
  return FleetRun(line, devices).exec(clock);
}
