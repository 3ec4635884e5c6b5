#include "bind/MvEditConstraint.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "mvsnmp/MvError.h"
#include "mvsnmp/MvNumList.h"
#include "widgets/UserNotice.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValueConversion.h"

namespace {

constexpr int kBeepHz = 1000;
constexpr int kBeepMs = 200;
constexpr int kUnlimitedLength = 32767;  // QLineEdit's own "no limit"

// Catalogue codes of the exit-check messages.
constexpr int kEmptyRefused = -3;
constexpr int kStringTooLong = -4;
constexpr int kStringLength = -5;
constexpr int kHexTooLong = -6;
constexpr int kHexLength = -7;
constexpr int kNumberRange = -8;
constexpr int kCountTooHigh = -9;
constexpr int kCountExact = -10;
constexpr int kNumbersRange = -11;

[[noreturn]] void badFormat() { raiseError(MvCode::BadConstraintFormat); }

bool isPlaceholder(const QString& text) {
  return text == QLatin1String(NotDoneValueText) || text == QLatin1String(NullValueText);
}

bool isTypeLetter(QChar c) { return QStringLiteral("shiufn").contains(c); }

bool isHexDigit(QChar c) {
  return c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The first character the type refuses, or -1.
qsizetype firstRefused(const MvEditConstraint::Rule& rule, const QString& text) {
  const QChar type = rule.type;
  bool point = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (isAsciiDigit(c) && type != QLatin1Char('s')) continue;
    bool ok = false;
    if (type == QLatin1Char('s')) {
      ok = true;
    } else if (type == QLatin1Char('f')) {
      ok = (c == QLatin1Char('-') && i == 0) || (c == QLatin1Char('.') && !point);
      if (c == QLatin1Char('.')) point = true;
    } else if (type == QLatin1Char('i')) {
      ok = c == QLatin1Char('-') && i == 0;
    } else if (type == QLatin1Char('h')) {
      ok = isHexDigit(c);
    } else if (type == QLatin1Char('n')) {
      ok = c == rule.delimiter && i > 0 && text.at(i - 1) != rule.delimiter;
    }
    if (!ok) return i;
  }
  return -1;
}

// A bound of a number list: cut to a whole number within 0 .. 4294967295.
quint32 wholeBound(double x) {
  if (!(x > 0)) return 0;
  if (x >= 4294967295.0) return 4294967295u;
  return static_cast<quint32>(std::trunc(x));
}

// Reads the argument characters of an option: the longest run from `allowed` at `pos`.
QString takeRun(const QString& body, qsizetype& pos, const QString& allowed) {
  const qsizetype start = pos;
  while (pos < body.size() && allowed.contains(body.at(pos))) ++pos;
  return body.mid(start, pos - start);
}

void focusNextFrom(QLineEdit* edit) {
  for (QWidget* w = edit->nextInFocusChain(); w && w != edit; w = w->nextInFocusChain()) {
    if (w->window() == edit->window() && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
        w->isVisible()) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace

// The typing check, run by the edit before its text changes reach anyone.
class MvEditConstraint::Validator : public QValidator {
 public:
  Validator(MvEditConstraint* engine, QLineEdit* edit) : engine_(engine), edit_(edit) {}
  State validate(QString& input, int& pos) const override {
    if (Record* r = engine_->find(edit_)) engine_->typingCheck(*r, input, pos);
    return Acceptable;
  }

 private:
  MvEditConstraint* engine_;
  QLineEdit* edit_;
};

struct MvEditConstraint::Record {
  QPointer<QLineEdit> edit;
  const QObject* key = nullptr;  // the edit as a QObject, compared once it is being destroyed
  Rule rule;
  std::unique_ptr<Validator> validator;
  QPointer<const QValidator> savedValidator;
  int savedMaxLength = kUnlimitedLength;
  QMetaObject::Connection edited;
  QMetaObject::Connection destroyed;
  QString lastValidText;
};

MvEditConstraint::MvEditConstraint(QWidget* owner, bool rememberValidText)
    : owner_(owner), rememberValidText_(rememberValidText) {}

MvEditConstraint::~MvEditConstraint() {
  while (!records_.empty()) {
    if (QLineEdit* edit = records_.back()->edit)
      Detach(edit);
    else
      records_.pop_back();
  }
}

MvEditConstraint::Rule MvEditConstraint::Parse(const QString& s) {
  if (s.size() < 2 || s.at(0) != QLatin1Char('%') || !isTypeLetter(s.at(1))) badFormat();
  Rule rule;
  rule.type = s.at(1);
  qsizetype pos = 2;
  if (rule.type == QLatin1Char('n')) {
    if (s.size() < 3) badFormat();
    rule.delimiter = s.at(2);
    pos = 3;
  }
  switch (rule.type.toLatin1()) {
    case 'i':
      rule.minimum = -2147483648.0;
      rule.maximum = 2147483647.0;
      break;
    case 'u':
    case 'n':
      rule.minimum = 0;
      rule.maximum = 4294967295.0;
      break;
    default:
      // No range given: any finite number (see docs/deviations.md).
      rule.minimum = -DBL_MAX;
      rule.maximum = DBL_MAX;
  }
  if (pos == s.size()) return rule;
  if (s.at(pos) != QLatin1Char('{') || s.back() != QLatin1Char('}') || s.size() - pos < 2)
    badFormat();
  const QString body = s.mid(pos + 1, s.size() - pos - 2);
  const QString numberChars = QStringLiteral("-0123456789.");
  const QString digits = QStringLiteral("0123456789");
  for (qsizetype i = 0; i < body.size();) {
    const QChar option = body.at(i++);
    switch (option.toLatin1()) {
      case 'n':
      case 'x': {
        bool ok = false;
        const double v = takeRun(body, i, numberChars).toDouble(&ok);
        if (!ok) badFormat();
        (option == QLatin1Char('n') ? rule.minimum : rule.maximum) = v;
        break;
      }
      case 'l': {
        const QString n = takeRun(body, i, digits);
        if (n.isEmpty() || n.size() > 9) badFormat();
        rule.length = n.toInt();
        for (int k = 0; k < 3 && i < body.size(); ++k, ++i) {
          const QChar f = body.at(i);
          if (f == QLatin1Char('a'))
            rule.flags |= AdvanceWhenFull;
          else if (f == QLatin1Char('f'))
            rule.flags |= ExactLength;
          else if (f == QLatin1Char('n'))
            rule.flags |= NotEmpty;
          else
            break;
        }
        break;
      }
      case 'w': {
        const QString n = takeRun(body, i, digits);
        if (n.isEmpty() || n.size() > 9) badFormat();
        rule.width = n.toInt();
        break;
      }
      case 'e':
        if (i >= body.size()) badFormat();
        rule.advance = body.at(i++);
        break;
      default:
        badFormat();
    }
  }
  return rule;
}

QStringList MvEditConstraint::SplitFormat(const QString& format, bool typeLetters) {
  QStringList parts;
  qsizetype start = -1;
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format.at(i) != QLatin1Char('%')) continue;
    if (typeLetters && (i + 1 >= format.size() || !isTypeLetter(format.at(i + 1)))) continue;
    // The delimiter of "%n%" is part of its specifier.
    if (typeLetters && start >= 0 && i == start + 2 && format.at(start + 1) == QLatin1Char('n'))
      continue;
    if (start >= 0) parts.append(format.mid(start, i - start));
    else if (i > 0) parts.append(format.left(i));  // text before the first "%" is a bad specifier
    start = i;
  }
  if (start >= 0)
    parts.append(format.mid(start));
  else if (!format.isEmpty())
    parts.append(format);
  return parts;
}

void MvEditConstraint::AttachEdits(const QString& format, const QList<QLineEdit*>& edits) {
  const QStringList specs = SplitFormat(format);
  for (qsizetype i = 0; i < specs.size() && i < edits.size(); ++i) Attach(specs.at(i), edits.at(i));
}

MvEditConstraint::Record* MvEditConstraint::find(const QLineEdit* edit) const {
  if (!edit) return nullptr;
  const QObject* key = edit;
  for (const auto& r : records_)
    if (r->key == key) return r.get();
  return nullptr;
}

bool MvEditConstraint::IsAttached(const QLineEdit* edit) const { return find(edit) != nullptr; }

const MvEditConstraint::Rule* MvEditConstraint::RuleOf(const QLineEdit* edit) const {
  const Record* r = find(edit);
  return r ? &r->rule : nullptr;
}

QString MvEditConstraint::LastValidText(const QLineEdit* edit) const {
  const Record* r = find(edit);
  return r ? r->lastValidText : QString();
}

void MvEditConstraint::Attach(const QString& specifier, QLineEdit* edit) {
  if (!edit) return;
  const Rule rule = Parse(specifier);
  if (find(edit)) Detach(edit);
  auto record = std::make_unique<Record>();
  record->edit = edit;
  record->key = edit;
  record->rule = rule;
  record->savedValidator = edit->validator();
  record->savedMaxLength = edit->maxLength();
  record->lastValidText = edit->text();
  record->validator = std::make_unique<Validator>(this, edit);
  if (rule.width > 0) edit->setFixedWidth(rule.width);
  edit->setMaxLength(rule.length > 0 ? rule.length : kUnlimitedLength);
  edit->setValidator(record->validator.get());
  edit->installEventFilter(this);
  record->edited = connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
    const Record* r = find(edit);
    if (r && (r->rule.flags & AdvanceWhenFull) && r->rule.length > 0 &&
        text.size() == r->rule.length)
      moveFocusOn(edit, true);
  });
  record->destroyed = connect(edit, &QObject::destroyed, this, [this](QObject* gone) {
    std::erase_if(records_, [gone](const auto& r) { return r->key == gone; });
  });
  records_.push_back(std::move(record));
}

void MvEditConstraint::Detach(QLineEdit* edit) {
  const QObject* key = edit;
  const auto it = std::find_if(records_.begin(), records_.end(),
                               [key](const auto& r) { return r->key == key; });
  if (it == records_.end()) return;
  Record& r = **it;
  disconnect(r.edited);
  disconnect(r.destroyed);
  if (edit) {
    edit->removeEventFilter(this);
    edit->setValidator(r.savedValidator);
    edit->setMaxLength(r.savedMaxLength);
  }
  records_.erase(it);
}

void MvEditConstraint::setOwnText(Record& record, const QString& text) {
  QLineEdit* edit = record.edit;
  if (!edit) return;
  const int limit = record.rule.length > 0 ? record.rule.length : kUnlimitedLength;
  edit->setMaxLength(std::max(limit, static_cast<int>(std::min<qsizetype>(text.size(), kUnlimitedLength))));
  const bool wasOwn = std::exchange(ownText_, true);
  edit->setText(text);
  ownText_ = wasOwn;
}

void MvEditConstraint::ShowText(QLineEdit* edit, const QString& text) {
  Record* r = find(edit);
  if (!r) {
    if (edit) edit->setText(text);
    return;
  }
  setOwnText(*r, text);
  r->lastValidText = text;
}

void MvEditConstraint::moveFocusOn(QLineEdit* edit, bool unlessVetoed) {
  QObject* target = owner_ ? static_cast<QObject*>(owner_.data()) : edit;
  // A posted request: the focus moves once the current event has been handled.
  QMetaObject::invokeMethod(
      target,
      [edit = QPointer<QLineEdit>(edit), unlessVetoed] {
        if (!edit) return;
        if (unlessVetoed && edit->property("tag").toInt() == -1) return;
        focusNextFrom(edit);
      },
      Qt::QueuedConnection);
}

void MvEditConstraint::typingCheck(Record& record, QString& text, int& pos) {
  if (ownText_ || isPlaceholder(text) || text.isEmpty()) return;
  const Rule& rule = record.rule;
  if (!rule.advance.isNull()) {
    const qsizetype at = text.indexOf(rule.advance);
    if (at >= 0) {
      text.remove(at, 1);
      if (pos > at) --pos;
      if (record.edit) moveFocusOn(record.edit, false);
      // The edit checks the shortened text again before anyone sees it.
      return;
    }
  }
  bool refused = false;
  for (qsizetype at = firstRefused(rule, text); at >= 0; at = firstRefused(rule, text)) {
    text.remove(at, 1);
    if (pos > at) --pos;
    refused = true;
  }
  if (refused) UserNotice::beep(kBeepHz, kBeepMs);
}

MvEditConstraint::Verdict MvEditConstraint::exitCheck(const Record& record, const QString& text,
                                                      QString& message) const {
  const Rule& rule = record.rule;
  if (text.isEmpty()) {
    if (!(rule.flags & NotEmpty)) return Verdict::Skip;
    message = messageOf(kEmptyRefused);
    return Verdict::Fail;
  }
  const char type = rule.type.toLatin1();
  if (type == 'f' || type == 'i' || type == 'u') {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (ok && v >= rule.minimum && v <= rule.maximum) return Verdict::Pass;
    message = fillPlaceholders(messageOf(kNumberRange), {{QStringLiteral("[MIN]"), doubleText(rule.minimum)},
                                                         {QStringLiteral("[MAX]"), doubleText(rule.maximum)}});
    return Verdict::Fail;
  }
  if ((type == 'h' || type == 's') && rule.length > 0) {
    const QString length = QString::number(rule.length);
    const bool hex = type == 'h';
    if ((rule.flags & ExactLength) && text.size() != rule.length) {
      message = fillPlaceholders(messageOf(hex ? kHexLength : kStringLength), {{QStringLiteral("[LEN]"), length}});
      return Verdict::Fail;
    }
    if (!(rule.flags & ExactLength) && text.size() > rule.length) {
      message = fillPlaceholders(messageOf(hex ? kHexTooLong : kStringTooLong), {{QStringLiteral("[MAXLEN]"), length}});
      return Verdict::Fail;
    }
    return Verdict::Pass;
  }
  if (type == 'n') {
    MvUIntList numbers;
    numbers.delimiter = rule.delimiter;
    numbers.parse(text);
    const int count = numbers.countIn(text);
    const QString delimiter(rule.delimiter);
    const QString length = QString::number(rule.length);
    if (rule.length > 0 && (rule.flags & ExactLength) && count != rule.length) {
      message = fillPlaceholders(messageOf(kCountExact), {{QStringLiteral("[DELIMITER]"), delimiter},
                                                          {QStringLiteral("[COUNT]"), length}});
      return Verdict::Fail;
    }
    if (rule.length > 0 && !(rule.flags & ExactLength) && count > rule.length) {
      message = fillPlaceholders(messageOf(kCountTooHigh), {{QStringLiteral("[DELIMITER]"), delimiter},
                                                            {QStringLiteral("[MAXCOUNT]"), length}});
      return Verdict::Fail;
    }
    const quint32 lo = wholeBound(rule.minimum);
    const quint32 hi = wholeBound(rule.maximum);
    if (!numbers.allWithin(lo, hi)) {
      message = fillPlaceholders(messageOf(kNumbersRange), {{QStringLiteral("[DELIMITER]"), delimiter},
                                                            {QStringLiteral("[MIN]"), QString::number(lo)},
                                                            {QStringLiteral("[MAX]"), QString::number(hi)}});
      return Verdict::Fail;
    }
  }
  return Verdict::Pass;
}

bool MvEditConstraint::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut || exiting_) return false;
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!find(edit)) return false;
  // A popup or another window taking the focus is not the user leaving the edit.
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
  exitEdit(edit, event);
  return true;
}

void MvEditConstraint::exitEdit(QLineEdit* edit, QEvent* event) {
  const QString text = edit->text();
  QString message;
  const Verdict verdict =
      isPlaceholder(text) ? Verdict::Skip : exitCheck(*find(edit), text, message);
  const bool wasExiting = std::exchange(exiting_, true);
  QPointer<QLineEdit> guard(edit);
  if (verdict == Verdict::Pass) {
    // The edit's own focus-out handling, and so its editingFinished handlers, run now.
    static_cast<QObject*>(edit)->event(event);
  } else {
    const QSignalBlocker quiet(edit);
    static_cast<QObject*>(edit)->event(event);
  }
  exiting_ = wasExiting;
  if (verdict == Verdict::Skip || !guard) return;
  if (verdict == Verdict::Fail) {
    UserNotice::message(owner_, UserNotice::programFileName(), message);
    if (Record* r = find(guard)) setOwnText(*r, r->lastValidText);
    if (guard)
      QMetaObject::invokeMethod(guard, [guard] { if (guard) guard->setFocus(Qt::OtherFocusReason); },
                                Qt::QueuedConnection);
    return;
  }
  Record* r = find(guard);
  if (!r) return;
  if (guard->property("tag").toInt() == -1)
    setOwnText(*r, r->lastValidText);  // the edit's own handler refused the value
  else if (rememberValidText_)
    r->lastValidText = text;
}
