#include "tools/kx760ctl/CtlOutput.h"

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
  put(bytes.constData(), static_cast<size_t>(bytes.size()), flushNow);
}

void CtlOutput::put(const char* bytes, size_t size, bool flushNow) {
  const std::lock_guard guard(lock());
  if (failed_) return;
  // A line per varbind written one by one would cost a system call each: the stream buffers,
  // and what it holds goes out at least every kFlushMs, so rows still appear as they arrive.
  constexpr qint64 kFlushMs = 50;
  if (!sinceFlush_.isValid()) sinceFlush_.start();
  if (std::fwrite(bytes, 1, size, stream_) != size) failed_ = true;
  if (!failed_ && (flushNow || sinceFlush_.elapsed() >= kFlushMs)) {
    if (std::fflush(stream_) != 0) failed_ = true;
    sinceFlush_.restart();
  }
}

namespace {

// Text as UTF-8, or as one octet per character (what a display string's characters are).
void appendText(std::string& out, QStringView text, bool latin1) {
  for (qsizetype k = 0; k < text.size();) {
    const char16_t c = text[k].unicode();
    if (c < 0x80 || latin1) {
      out += static_cast<char>(c < 0x100 ? c : u'?');
      ++k;
      continue;
    }
    qsizetype end = k;
    while (end < text.size() && text[end].unicode() >= 0x80) ++end;
    const QByteArray utf8 = text.sliced(k, end - k).toUtf8();  // rare: not ASCII
    out.append(utf8.constData(), static_cast<size_t>(utf8.size()));
    k = end;
  }
}

// The characters of a JSON string as QJsonDocument writes them: quote, backslash and control
// characters escaped, the rest in UTF-8.
void appendJsonChars(std::string& out, QStringView text) {
  static constexpr char kHex[] = "0123456789abcdef";
  qsizetype plainFrom = 0;
  auto flushPlain = [&](qsizetype upTo) {
    appendText(out, text.sliced(plainFrom, upTo - plainFrom), false);
  };
  for (qsizetype k = 0; k < text.size(); ++k) {
    const char16_t c = text[k].unicode();
    if (c >= 0x20 && c != u'"' && c != u'\\') continue;
    flushPlain(k);
    plainFrom = k + 1;
    out += '\\';
    switch (c) {
      case u'"':
        out += '"';
        break;
      case u'\\':
        out += '\\';
        break;
      case u'\b':
        out += 'b';
        break;
      case u'\f':
        out += 'f';
        break;
      case u'\n':
        out += 'n';
        break;
      case u'\r':
        out += 'r';
        break;
      case u'\t':
        out += 't';
        break;
      default:
        out += "u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
  }
  flushPlain(text.size());
}

void appendJsonString(std::string& out, QStringView text) {
  out += '"';
  appendJsonChars(out, text);
  out += '"';
}

}  // namespace

template <typename OidWriter>
void CtlOutput::addLine(const OidWriter& writeOid, QLatin1StringView type, QStringView value) {
  const std::lock_guard guard(lock());
  if (finished_) return;  // closed for an ending program
  line_.clear();
  if (json_) {
    line_ += opened_ ? ",\n  {\"oid\":\"" : "[\n  {\"oid\":\"";
    writeOid(line_);
    line_ += "\",\"type\":\"";
    line_.append(type.data(), static_cast<size_t>(type.size()));  // a keyword: letters only
    line_ += "\",\"value\":";
    appendJsonString(line_, value);
    line_ += '}';
    opened_ = true;
  } else {
    // A display string holds one character per octet: the octets go out as the device sent
    // them, so a terminal shows text in its own encoding.
    writeOid(line_);
    line_ += " = ";
    appendText(line_, value, type == QLatin1StringView(syntaxKeyword(Syntax::DisplayStr)));
    line_ += '\n';
  }
  put(line_.data(), line_.size());
  if (failed_) throw CtlOutputError(QStringLiteral("cannot write the output"));
}

void CtlOutput::add(const CtlVarBind& vb) {
  const QByteArray type = vb.type.toLatin1();
  addLine(
      [&](std::string& out) {
        if (json_)
          appendJsonChars(out, vb.oid);
        else
          appendText(out, vb.oid, false);
      },
      QLatin1StringView(type), vb.value);
}

void CtlOutput::add(const MvOid& oid, const char* type, const QString& value) {
  addLine([&](std::string& out) { appendOidText(out, oid); }, QLatin1StringView(type), value);
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
