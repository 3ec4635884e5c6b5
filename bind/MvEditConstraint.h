// Input constraints on single-line edits: what may be typed (a format specifier such as
// "%i{n1x99l2}"), when the focus moves on by itself, and the range, length or count checked when
// the focus leaves, with a message box and the last valid text restored on failure.
//
// Hooks on an edit: a validator (the typing check: refused characters are removed with a beep
// before the edit's own textChanged/textEdited handlers see the text), an event filter for the
// focus leaving it (the exit check runs before the edit's own editingFinished handlers, which are
// not called when the check fails), and one textEdited connection (moving on when full). Detach
// removes exactly those and gives the edit back its previous validator and maximum length.
// The edit's "tag" property set to -1 by its own handler vetoes the value (see Attach).
#pragma once

#include <QChar>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLineEdit;
class QValidator;
class QWidget;

class MvEditConstraint : public QObject {
 public:
  enum Flag : quint8 {
    AdvanceWhenFull = 1,  // "a": move on when the edit is full
    ExactLength = 2,      // "f": length or count must be exact
    NotEmpty = 4,         // "n": an empty value is refused
  };

  // A parsed specifier.
  struct Rule {
    QChar type;       // s, h, i, u, f or n
    QChar delimiter;  // type n only
    double minimum = 0;
    double maximum = 0;
    int length = 0;  // 0: no limit
    quint8 flags = 0;
    int width = 0;   // pixels, applied when > 0
    QChar advance;   // null: none
  };

  MvEditConstraint(QWidget* owner, bool rememberValidText);
  // Takes its hooks off every edit still attached.
  ~MvEditConstraint() override;

  // Parses one specifier; raises -2 "Bad format specifier of edit's constraint!".
  static Rule Parse(const QString& specifier);
  // Splits a format into specifiers, each from one "%" up to the character before the next
  // one. With `typeLetters`, only a "%" followed by one of s, h, i, u, f, n starts a specifier
  // (the binding's rule, which lets "%" serve as the delimiter of type n).
  static QStringList SplitFormat(const QString& format, bool typeLetters = false);

  // The i-th specifier of the format to the i-th edit.
  void AttachEdits(const QString& format, const QList<QLineEdit*>& edits);
  // Guards the edit (again, if it already was). Raises -2, leaving the edit unguarded.
  void Attach(const QString& specifier, QLineEdit* edit);
  void Detach(QLineEdit* edit);
  bool IsAttached(const QLineEdit* edit) const;
  const Rule* RuleOf(const QLineEdit* edit) const;
  QString LastValidText(const QLineEdit* edit) const;

  void SetOwner(QWidget* owner) { owner_ = owner; }
  QWidget* Owner() const { return owner_; }

  // Shows a value in a guarded edit as the program's own text: no typing check, the maximum
  // length grows to fit it, and it becomes the last valid text. Plain setText for other edits.
  void ShowText(QLineEdit* edit, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Validator;
  struct Record;
  enum class Verdict { Pass, Fail, Skip };

  Record* find(const QLineEdit* edit) const;
  void typingCheck(Record& record, QString& text, int& pos);
  Verdict exitCheck(const Record& record, const QString& text, QString& message) const;
  void exitEdit(QLineEdit* edit, QEvent* event);
  void moveFocusOn(QLineEdit* edit, bool unlessVetoed);
  void setOwnText(Record& record, const QString& text);

  QPointer<QWidget> owner_;
  bool rememberValidText_;
  std::vector<std::unique_ptr<Record>> records_;
  bool ownText_ = false;  // the program, not the user, is setting a text
  bool exiting_ = false;
};
