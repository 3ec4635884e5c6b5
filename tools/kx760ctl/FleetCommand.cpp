#include "tools/kx760ctl/FleetCommand.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "tools/kx760ctl/CtlCommand.h"
#include "tools/kx760ctl/CtlCommandLine.h"
#include "tools/kx760ctl/CtlOutput.h"
#include "tools/kx760ctl/CtlRawRequest.h"
#include "tools/kx760ctl/HostsFile.h"
#include "mvsnmp/MvDeviceParams.h"
#include "mvsnmp/MvError.h"
#include "mvsnmp/MvSecrets.h"
#include "mvsnmp/MvSnmpSession.h"
#include "mvsnmp/MvStartup.h"
#include "tools/kx760ctl/PageCommand.h"
#include "tools/kx760ctl/SetCommand.h"
#include "tools/kx760ctl/WalkCommand.h"

namespace {

using Done = std::function<void(const MvSNMPError&)>;

// One device's run of the command. start() sends the first request; `done` runs exactly once,
// possibly inside start() or inside a request's callback (the runner defers what follows).
class FleetTask {
 public:
  virtual ~FleetTask() = default;
  virtual void start(const MvDeviceParams& device, CtlOutput& out, Done done) = 0;
};

// get and walk: one read, or a walk one row per answer.
class ReadTask : public FleetTask {
 public:
  ReadTask(QStringList oids, bool walk) : oids_(std::move(oids)), walk_(walk) {
    if (oids_.isEmpty())
      throw CtlUsageError(QStringLiteral("%1 needs at least one OID").arg(walk ? "walk" : "get"));
    for (const QString& oid : oids_) ctlOidArgument(oid);
  }
  void start(const MvDeviceParams& device, CtlOutput& out, Done done) override {
    out_ = &out;
    done_ = std::move(done);
    request_ = walk_ ? CtlRawRequest::forWalk(oids_, ctlOctetForm(out.json()))
                     : CtlRawRequest::forGet(oids_, ctlOctetForm(out.json()));
    ctlLoadTarget(*request_, device);
    step(true);
  }

 private:
  void step(bool first) {
    try {
      request_->readAsync([this](void*, const MvSNMPError& e, MvSNMPVarList&) { onAnswer(e); },
                          nullptr, first);
    } catch (const MvException& e) {
      done_(e.error());
    }
  }
  void onAnswer(const MvSNMPError& e) {
    if (!e.ok()) return done_(e);
    if (walk_) {
      if (e.finished) return done_(e);
      rows_.print(*request_, *out_);
      return step(false);
    }
    for (int i = request_->firstObject(); i < request_->varList.count(); ++i)
      out_->add(request_->varBind(i));
    done_(e);
  }

  QStringList oids_;
  bool walk_;
  CtlOutput* out_ = nullptr;
  Done done_;
  std::unique_ptr<CtlRawRequest> request_;
  CtlWalkRows rows_;
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
            if (e.ok()) ctlReportSet(*request_, out);
            done(e);
          },
          nullptr, false);
    } catch (const MvException& e) {
      done(e.error());
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
    read_.start(device, out, std::move(done));
  }

 private:
  AsyncPageRead read_;
};

// A task for the command; the arguments are checked here, before any device is asked.
std::unique_ptr<FleetTask> makeTask(const QString& command, const QStringList& args) {
  if (command == u"get") return std::make_unique<ReadTask>(args, false);
  if (command == u"walk") return std::make_unique<ReadTask>(args, true);
  if (command == u"set") return std::make_unique<SetTask>(args);
  if (command == u"page") return std::make_unique<PageTask>(args);
  throw CtlUsageError(QStringLiteral("--hosts runs get, walk, set and page, not \"%1\"").arg(command));
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
  std::optional<MvSNMPError> setupError;  // start-up refused the line: nothing is sent
  std::unique_ptr<FleetTask> task;
  std::unique_ptr<BufferedOutput> output;
  MvSNMPError result;
  bool finished = false;
  QByteArray printed;  // what goes to stdout for it, once finished
  bool ready = false;  // `printed` is complete
};

QString errorText(const MvSNMPError& e) {
  return QStringLiteral("error %1: %2").arg(e.code).arg(e.message);
}

class FleetRun {
 public:
  FleetRun(const CtlCommandLine& line, std::vector<Device>& devices)
      : line_(line), devices_(devices), terminal_(isatty(STDERR_FILENO) == 1) {}

  // `clock` runs from the fleet command's start: the summary gives the whole run's time.
  int exec(const QElapsedTimer& clock) {
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, &loop_, [this] {
      if (ctlStopSignal()) loop_.exit(128 + ctlStopSignal());
    });
    stopCheck.start(100);
    QTimer::singleShot(0, &loop_, [this] { startMore(); });
    const int stopped = loop_.exec();

    int ok = 0;
    for (const Device& d : devices_) ok += d.finished && d.result.ok();
    const int failed = static_cast<int>(done_) - ok;
    if (terminal_) std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "kx760ctl: %d ok, %d failed%s, %.1f s\n", ok, failed,
                 stopped ? qPrintable(QStringLiteral(", %1 not done").arg(devices_.size() - done_))
                         : "",
                 clock.elapsed() / 1000.0);
    if (std::fflush(stdout) != 0 || outputFailed_) {
      std::fputs("kx760ctl: cannot write the output\n", stderr);
      return 1;
    }
    if (stopped) return stopped;
    return failed == 0 ? 0 : 1;
  }

 private:
  void startMore() {
    while (active_ < parallel() && next_ < devices_.size()) {
      const std::size_t i = next_++;
      ++active_;
      Device& d = devices_[i];
      if (d.setupError) {
        finish(i, *d.setupError);
        continue;
      }
      d.output = std::make_unique<BufferedOutput>(line_.json);
      try {
        d.task->start(d.params, d.output->out(), [this, i](const MvSNMPError& e) { finish(i, e); });
      } catch (const MvException& e) {
        finish(i, e.error());
      }
    }
  }

  std::size_t parallel() const {
    return static_cast<std::size_t>(line_.parallel.value_or(kFleetDefaultParallel));
  }

  // Runs inside the task's callback: what follows (freeing the task) waits until it returned.
  void finish(std::size_t i, const MvSNMPError& e) {
    if (devices_[i].finished) return;
    devices_[i].finished = true;
    devices_[i].result = e;
    QTimer::singleShot(0, &loop_, [this, i] { complete(i); });
  }

  void complete(std::size_t i) {
    Device& d = devices_[i];
    const QByteArray text = d.output ? d.output->take() : QByteArray();
    d.printed = d.result.ok() ? formatSuccess(d, text) : formatFailure(d);
    d.task.reset();
    d.output.reset();
    --active_;
    ++done_;
    d.ready = true;
    if (line_.ordered) {
      // In the file's order: each device as soon as every one before it is out.
      while (printedUpTo_ < devices_.size() && devices_[printedUpTo_].ready)
        print(devices_[printedUpTo_++]);
    } else {
      print(d);
    }
    if (terminal_)
      std::fprintf(stderr, "\r\033[K%zu/%zu devices done", done_, devices_.size());
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
      QJsonParseError parseError{};
      const QJsonDocument result = QJsonDocument::fromJson(text, &parseError);
      QJsonObject o{{"device", d.host.device}, {"ok", true}};
      o.insert("result", result.isArray() ? QJsonValue(result.array()) : QJsonValue(result.object()));
      return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
    }
    QByteArray out;
    const QByteArray prefix = d.host.device.toUtf8() + ": ";
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (const QByteArray& l : lines) out += prefix + l + '\n';
    return out;
  }

  QByteArray formatFailure(const Device& d) const {
    if (line_.json) {
      const QJsonObject o{{"device", d.host.device},
                          {"ok", false},
                          {"error", QJsonObject{{"code", d.result.code}, {"message", d.result.message}}}};
      return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
    }
    return d.host.device.toUtf8() + ": " + errorText(d.result).toUtf8() + '\n';
  }

  const CtlCommandLine& line_;
  std::vector<Device>& devices_;
  bool terminal_;
  QEventLoop loop_;
  std::size_t next_ = 0, active_ = 0, done_ = 0, printedUpTo_ = 0;
  bool outputFailed_ = false;
};

}  // namespace

int runFleet(const CtlCommandLine& line, const MvEnvironmentSecrets& fromEnvironment) {
  QElapsedTimer clock;
  clock.start();
  std::vector<Device> devices;
  for (HostEntry& host : readHostsFile(line.hostsFile)) {
    Device d;
    d.host = std::move(host);
    devices.push_back(std::move(d));
  }
  // Every device gets its own task, all made (and the arguments checked) before anything is sent.
  for (Device& d : devices) d.task = makeTask(line.command, line.commandArgs);

  initSnmpSession();
  const MvDeviceParams defaults = DeviceTarget;
  for (Device& d : devices) {
    // Each line's start-up begins from the session's defaults, as a single run's would.
    DeviceTarget = defaults;
    try {
      MvStartupResult startup = runStartup(d.host.switches);
      fromEnvironment.applyTo(startup);
    } catch (const MvException& e) {
      d.setupError = e.error();
      continue;
    }
    if (line.port) DeviceTarget.agentPort = *line.port;
    if (d.host.port) DeviceTarget.agentPort = *d.host.port;
    if (line.maxRepetitions) DeviceTarget.maxRepetitions = *line.maxRepetitions;
    d.params = DeviceTarget;
  }
  DeviceTarget = defaults;
  return FleetRun(line, devices).exec(clock);
}
