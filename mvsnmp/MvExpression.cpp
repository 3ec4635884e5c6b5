#include "mvsnmp/MvExpression.h"

#include <QDateTime>
#include <charconv>
#include <vector>

#include "mvsnmp/MvError.h"

namespace {

// Parenthesised groups deeper than this are refused (code -513) rather than risking the stack on
// a text built from device values.
constexpr int kMaxNesting = 200;

bool isNow(QStringView s) {
  return s.trimmed().compare(u"NOW", Qt::CaseInsensitive) == 0;
}

QString numberText(double v) {
  return QString::number(v, 'g', 15);
}

// The C library's decimal reading, independent of the process locale: leading blanks, an
// optional sign, as many characters as form a number; nothing readable gives 0.
double readNumber(QStringView s) {
  if (isNow(s)) return currentDayCount();
  const QByteArray bytes = s.toLatin1();
  const char* p = bytes.constData();
  const char* end = p + bytes.size();
  while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  double v = 0;
  const auto [ptr, ec] = std::from_chars(p, end, v, std::chars_format::general);
  if (ec == std::errc::invalid_argument || ptr == p) return 0;
  // Out-of-range readings saturate like strtod does (from_chars leaves v untouched then).
  return negative ? -v : v;
}

// Position of the ")" that closes the "(" at open, counting nesting; -1 when none does.
qsizetype matchingParen(QStringView s, qsizetype open) {
  int depth = 0;
  for (qsizetype i = open; i < s.size(); ++i) {
    if (s[i] == u'(')
      ++depth;
    else if (s[i] == u')' && --depth == 0)
      return i;
  }
  return -1;
}

void checkNesting(int nesting) {
  if (nesting > kMaxNesting) raiseError(MvCode::BadSyntaxInExpression);
}

double evaluateNumberAt(QStringView input, int nesting) {
  checkNesting(nesting);
  // The operators split at their first occurrence, so the right-hand side nests to the right:
  // a op1 (b op2 (c ...)). The chain is kept here instead of on the stack, and the text is
  // walked as a view so that a long chain costs no copies.
  struct Pending {
    QChar op;
    double left;
  };
  std::vector<Pending> chain;
  QString substituted;  // owns the text once a parenthesised group has been replaced
  QStringView text = input;
  double result = 0;
  for (;;) {
    const qsizetype open = text.indexOf(u'(');
    const qsizetype close = open < 0 ? -1 : matchingParen(text, open);
    if (close >= 0) {
      const double inner = evaluateNumberAt(text.mid(open + 1, close - open - 1), nesting + 1);
      QString next;
      next.append(text.left(open)).append(numberText(inner)).append(text.mid(close + 1));
      substituted = std::move(next);
      text = substituted;
      continue;
    }
    qsizetype at = -1;
    QChar op;
    for (const QChar candidate : {u'+', u'-', u'*', u'/'}) {
      at = text.indexOf(candidate);
      if (at >= 0) {
        op = candidate;
        break;
      }
    }
    if (at < 0) {
      result = readNumber(text);
      break;
    }
    const QStringView left = text.left(at);
    // + and - evaluate their left side; * and / read it as a plain number.
    const bool evaluatesLeft = op == u'+' || op == u'-';
    chain.push_back({op, evaluatesLeft ? evaluateNumberAt(left, nesting) : readNumber(left)});
    text = text.mid(at + 1);
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    switch (it->op.unicode()) {
      case u'+': result = it->left + result; break;
      case u'-': result = it->left - result; break;
      case u'*': result = it->left * result; break;
      default: result = result == 0 ? 0 : it->left / result; break;
    }
  }
  return result;
}

// The first quoted stretch: positions strictly between the first double quote and the next.
struct QuotedStretch {
  qsizetype begin = -1, end = -1;
  bool contains(qsizetype i) const { return i > begin && i < end; }
};

QuotedStretch quotedStretch(const QString& s) {
  const qsizetype first = s.indexOf(u'"');
  if (first < 0) return {};
  const qsizetype second = s.indexOf(u'"', first + 1);
  if (second < 0) return {};
  return {first, second};
}

bool evaluateLogicAt(QString text, int nesting) {
  checkNesting(nesting);
  bool negate = false;
  for (;;) {
    const QuotedStretch quoted = quotedStretch(text);
    auto usable = [&](QChar c) {
      const qsizetype i = text.indexOf(c);
      return (i >= 0 && !quoted.contains(i)) ? i : qsizetype(-1);
    };
    const qsizetype open = usable(u'(');
    const qsizetype close = open < 0 ? -1 : matchingParen(text, open);
    if (close >= 0) {
      const bool inner = evaluateLogicAt(text.mid(open + 1, close - open - 1), nesting + 1);
      text = text.left(open) + QLatin1String(inner ? "true" : "false") + text.mid(close + 1);
      continue;
    }
    if (const qsizetype bar = usable(u'|'); bar >= 0) {
      if (evaluateLogicAt(text.left(bar), nesting)) return !negate;
      text = text.mid(bar + 1);
      continue;
    }
    if (const qsizetype amp = usable(u'&'); amp >= 0) {
      if (!evaluateLogicAt(text.left(amp), nesting)) return negate;
      text = text.mid(amp + 1);
      continue;
    }
    if (usable(u'!') >= 0) {
      // The "!" stands first: the rest of the text is negated.
      negate = !negate;
      text = text.mid(1);
      continue;
    }
    return compareOperands(text) != negate;
  }
}

QString operand(const QString& raw) {
  const QString s = unquote(raw.trimmed());
  return isNow(s) ? numberText(currentDayCount()) : s;
}

}  // namespace

double currentDayCount() {
  static const QDate epoch(1899, 12, 30);
  const QDateTime now = QDateTime::currentDateTime();
  return static_cast<double>(epoch.daysTo(now.date())) +
         static_cast<double>(now.time().msecsSinceStartOfDay()) / 86400000.0;
}

double evaluateNumber(const QString& text) {
  return evaluateNumberAt(text, 0);
}

bool evaluateLogic(const QString& text) {
  return evaluateLogicAt(text, 0);
}

bool compareOperands(const QString& text) {
  static const QStringList operators = {QStringLiteral("<>"), QStringLiteral(">="),
                                        QStringLiteral("<="), QStringLiteral(">"),
                                        QStringLiteral("<"),  QStringLiteral("=")};
  QString left, right;
  const int op = splitAtOperator(operators, text, left, right);
  if (op < 0) {
    const QString word = text.trimmed();
    if (word.compare(u"true", Qt::CaseInsensitive) == 0) return true;
    if (word.compare(u"false", Qt::CaseInsensitive) == 0) return false;
    raiseError(MvCode::BadLogicOperand);
  }
  const int order = operand(left).compare(operand(right), Qt::CaseSensitive);
  switch (op) {
    case 0:
      return order != 0;
    case 1:
      return order >= 0;
    case 2:
      return order <= 0;
    case 3:
      return order > 0;
    case 4:
      return order < 0;
    default:
      return order == 0;
  }
}

QString unquote(const QString& text) {
  if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
    return text.mid(1, text.size() - 2);
  return text;
}

int spanOf(const QString& text, int start, const QString& characterSet) {
  if (start < 1 || start > text.size()) return 0;
  int last = 0;
  for (int i = start; i <= text.size() && characterSet.contains(text.at(i - 1)); ++i) last = i;
  return last;
}

QString replaceAll(const QString& text, const QString& pattern, const QString& replacement) {
  if (pattern.isEmpty()) return text;
  QString result = text;
  return result.replace(pattern, replacement, Qt::CaseSensitive);
}

int splitAtOperator(const QStringList& operators, const QString& text, QString& left,
                    QString& right) {
  for (int i = 0; i < operators.size(); ++i) {
    const QString& op = operators.at(i);
    if (op.isEmpty()) continue;
    const qsizetype at = text.indexOf(op);
    if (at >= 0) {
      left = text.left(at);
      right = text.mid(at + op.size());
      return i;
    }
  }
  return -1;
}

qint64 intPower(qint64 base, int exponent) {
  // Square-and-multiply in unsigned arithmetic: overflow wraps instead of being undefined.
  quint64 result = 1, b = static_cast<quint64>(base);
  for (unsigned e = exponent > 0 ? static_cast<unsigned>(exponent) : 0u; e; e >>= 1) {
    if (e & 1u) result *= b;
    b *= b;
  }
  return static_cast<qint64>(result);
}
