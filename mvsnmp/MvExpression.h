// The expression evaluators behind derived values and row conditions, and small text helpers
// shared by the binding layer.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Arithmetic over + - * / and parentheses, splitting at the first operator (so a-b-c is a-(b-c)).
// "NOW" is the current local date-time as a day count since 1899-12-30. A division by zero gives 0.
double evaluateNumber(const QString& text);

// Conditions over ( | & ! and the comparisons of compareOperands. Throws MvException -1 for an
// operand that is neither a comparison nor "true"/"false".
bool evaluateLogic(const QString& text);

// One comparison: "<>", ">=", "<=", ">", "<", "=" (first found in that order); operands trimmed,
// unquoted and compared as texts by character code. "true"/"false" alone give that value.
bool compareOperands(const QString& text);

// The text without enclosing double quotes, when it starts and ends with one.
QString unquote(const QString& text);

// From the 1-based start position: the last position up to which every character is in the set;
// 0 when the character at the start is not (or the start is outside the text).
int spanOf(const QString& text, int start, const QString& characterSet);

// Every occurrence of the pattern replaced, left to right; replacements are not scanned again.
QString replaceAll(const QString& text, const QString& pattern, const QString& replacement);

// The first operator of the list (in list order) that occurs in the text; left and right are the
// text before and after its first occurrence. -1 when none occurs.
int splitAtOperator(const QStringList& operators, const QString& text, QString& left, QString& right);

// base multiplied by itself exponent times; 1 for exponent 0 (and for a negative exponent).
qint64 intPower(qint64 base, int exponent);

// The current local date and time as days since 1899-12-30 with the time of day as the fraction.
double currentDayCount();
