#include "tools/kx760ctl/CtlOutput.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "tools/kx760ctl/CtlCommand.h"
#include "mvsnmp/MvSNMPVarList.h"

std::recursive_mutex& CtlOutput::lock() {
  static std::recursive_mutex m;
  return m;
}

CtlOutput*& CtlOutput::current() {
  static CtlOutput* output = nullptr;
  return output;
}

CtlOutput::CtlOutput(bool json, std::FILE* stream) : json_(json), stream_(stream) {
  const std::lock_guard guard(lock());
  current() = this;
}

CtlOutput::~CtlOutput() {
  const std::lock_guard guard(lock());
  finishLocked();
  if (current() == this) current() = nullptr;
}

std::function<void()>& CtlOutput::exitCloser() {
  static std::function<void()> closer;
  return closer;
}

void CtlOutput::setExitCloser(std::function<void()> closer) {
  const std::lock_guard guard(lock());
  exitCloser() = std::move(closer);
}

void CtlOutput::closeForExit() {
  const std::lock_guard guard(lock());
  if (exitCloser())
    exitCloser()();
  else if (current())
    current()->finishLocked();
}

void CtlOutput::put(const QByteArray& bytes, bool flushNow) {
  const std::lock_guard guard(lock());
  if (failed_) return;
  // A line per varbind written one by one would cost a system call each: the stream buffers,
  // and what it holds goes out at least every kFlushMs, so rows still appear as they arrive.
  constexpr qint64 kFlushMs = 50;
  if (!sinceFlush_.isValid()) sinceFlush_.start();
  if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream_) !=
      static_cast<size_t>(bytes.size()))
    failed_ = true;
  if (!failed_ && (flushNow || sinceFlush_.elapsed() >= kFlushMs)) {
    if (std::fflush(stream_) != 0) failed_ = true;
    sinceFlush_.restart();
  }
}

void CtlOutput::add(const CtlVarBind& vb) {
  const std::lock_guard guard(lock());
  if (finished_) return;  // closed for an ending program
  if (json_) {
    const QByteArray object =
        QJsonDocument(QJsonObject{{"oid", vb.oid}, {"type", vb.type}, {"value", vb.value}})
            .toJson(QJsonDocument::Compact);
    put((opened_ ? ",\n  " : "[\n  ") + object);
    opened_ = true;
  } else {
    // A display string holds one character per octet: the octets go out as the device sent
    // them, so a terminal shows text in its own encoding.
    const QByteArray value = vb.type == QLatin1String(syntaxKeyword(Syntax::DisplayStr))
                                 ? vb.value.toLatin1()
                                 : vb.value.toUtf8();
    put(vb.oid.toUtf8() + " = " + value + '\n');
  }
  if (failed_) throw CtlOutputError(QStringLiteral("cannot write the output"));
}

void CtlOutput::write(const QByteArray& document) {
  const std::lock_guard guard(lock());
  finished_ = true;
  put(document.endsWith('\n') ? document : document + '\n', true);
}

void CtlOutput::finish() {
  const std::lock_guard guard(lock());
  finishLocked();
}

void CtlOutput::finishLocked() {
  if (finished_) return;
  finished_ = true;
  if (json_)
    put(opened_ ? QByteArray("\n]\n") : QByteArray("[]\n"), true);
  else
    put(QByteArray(), true);  // what the stream still holds
}
