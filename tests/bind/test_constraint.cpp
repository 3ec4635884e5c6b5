// Input constraints: specifier parsing, the typing check with its beep, moving on, the exit
// check's messages, the last valid text, the tag veto, and detaching.
#include <QApplication>
#include <QFocusEvent>
#include <QIntValidator>
#include <QLineEdit>
#include <QWidget>
#include <QtTest/QTest>
#include <cfloat>

#include "tests/bind/BindFixture.h"
#include "bind/MvEditConstraint.h"

using bindtest::NoticeRecorder;

namespace {

// The focus leaving the edit as Tab would take it.
void leave(QLineEdit* edit) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(edit, &out);
}

TEST(ConstraintParse, Specifiers) {
  using C = MvEditConstraint;
  struct Case {
    const char* rule;
    char type;
    double min, max;
    int length;
    quint8 flags;
    int width;
    char advance;
    char delimiter;
  } cases[] = {
      {"%i{n1x99l2}", 'i', 1, 99, 2, 0, 0, 0, 0},
      {"%i{n0x255l3a}", 'i', 0, 255, 3, C::AdvanceWhenFull, 0, 0, 0},
      {"%i{n-779x839}", 'i', -779, 839, 0, 0, 0, 0, 0},
      {"%i", 'i', -2147483648.0, 2147483647.0, 0, 0, 0, 0, 0},
      {"%u{n1x2147483647l10}", 'u', 1, 2147483647.0, 10, 0, 0, 0, 0},
      {"%u", 'u', 0, 4294967295.0, 0, 0, 0, 0, 0},
      {"%s{l16}", 's', -DBL_MAX, DBL_MAX, 16, 0, 0, 0, 0},
      {"%h{l12fn}", 'h', -DBL_MAX, DBL_MAX, 12, C::ExactLength | C::NotEmpty, 0, 0, 0},
      {"%n,{l4f}", 'n', 0, 4294967295.0, 4, C::ExactLength, 0, 0, ','},
      {"%n%", 'n', 0, 4294967295.0, 0, 0, 0, 0, '%'},
      {"%f{n0.5x1.5w40e.}", 'f', 0.5, 1.5, 0, 0, 40, '.', 0},
      {"%s{e}}", 's', -DBL_MAX, DBL_MAX, 0, 0, 0, '}', 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const C::Rule s = C::Parse(QString::fromLatin1(c.rule));
    EXPECT_EQ(s.type, QLatin1Char(c.type));
    EXPECT_EQ(s.minimum, c.min);
    EXPECT_EQ(s.maximum, c.max);
    EXPECT_EQ(s.length, c.length);
    EXPECT_EQ(s.flags, c.flags);
    EXPECT_EQ(s.width, c.width);
    EXPECT_EQ(s.advance, c.advance ? QChar(QLatin1Char(c.advance)) : QChar());
    EXPECT_EQ(s.delimiter, c.delimiter ? QChar(QLatin1Char(c.delimiter)) : QChar());
  }
  for (const char* bad : {"", "%", "i{n1}", "%z", "%n", "%i{n1", "%in1}", "%i{q1}", "%i{n}",
                          "%i{nx}", "%i{l}", "%i{la}", "%i{w}", "%s{e}", "%i{n1-2}", "%i}"})
    EXPECT_EQ(bindtest::errorCode([&] { C::Parse(QString::fromLatin1(bad)); }), MvCode::BadConstraintFormat)
        << bad;
}

TEST(ConstraintParse, SplittingFormats) {
  EXPECT_EQ(MvEditConstraint::SplitFormat("%i{n1x99l2}%s"), QStringList({"%i{n1x99l2}", "%s"}));
  EXPECT_EQ(MvEditConstraint::SplitFormat("%s%s%s"), QStringList({"%s", "%s", "%s"}));
  // The binding's rule: only a type letter starts a specifier, so "%" can be a delimiter.
  EXPECT_EQ(MvEditConstraint::SplitFormat("%n%{l2}%u", true), QStringList({"%n%{l2}", "%u"}));
  EXPECT_EQ(MvEditConstraint::SplitFormat("x%s", true), QStringList({"x", "%s"}));
}

class ConstraintTest : public ::testing::Test {
 protected:
  QWidget form;
  QLineEdit* edit = new QLineEdit(&form);
  QLineEdit* next = new QLineEdit(&form);
  MvEditConstraint constraint{&form, true};
  NoticeRecorder notices;
};

TEST_F(ConstraintTest, TypingRemovesRefusedCharactersWithABeep) {
  struct Case {
    const char* rule;
    const char* typed;
    const char* text;
    size_t beeps;
  } cases[] = {
      {"%i{n1x99l2}", "1a", "1", 1},  {"%i{n1x99l2}", "123", "12", 0},
      {"%i", "--5", "-5", 1},          {"%i", "5-", "5", 1},
      {"%f", "-1.5.2", "-1.52", 1},    {"%u", "-5", "5", 1},
      {"%h", "0aFg", "0aF", 1},        {"%n,", ",1,,2", "1,2", 2},
      {"%s{l16}", "abcdefghijklmnopq", "abcdefghijklmnop", 0},
      {"%s", "(a b)", "(a b)", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + " " + c.typed);
    constraint.Attach(QString::fromLatin1(c.rule), edit);
    edit->clear();
    notices.beeps.clear();
    QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.text));
    EXPECT_EQ(notices.beeps.size(), c.beeps);
    if (!notices.beeps.empty()) {
      EXPECT_EQ(notices.beeps.front(), std::make_pair(1000, 200));
    }
  }
}

TEST_F(ConstraintTest, ExitCheckMessages) {
  struct Case {
    const char* rule;
    const char* text;  // as shown by the program (may exceed the typing limits)
    const char* message;
  } cases[] = {
      {"%i{n1x99l2}", "0", "Please enter a number between 1 and 99!"},
      {"%i{n1x99l2}", "99", nullptr},
      {"%i", "-", "Please enter a number between -2147483648 and 2147483647!"},
      {"%u{n1x2147483647l10}", "2147483648", "Please enter a number between 1 and 2147483647!"},
      {"%f{n0.5x1.5}", "1.75", "Please enter a number between 0.5 and 1.5!"},
      {"%f", "-3.25", nullptr},
      {"%s{l3f}", "ab", "Please enter a string whose length is 3!"},
      {"%s{l2}", "abc", "Please enter a string whose length is less than 2!"},
      {"%h{l4f}", "ABC", "Please enter a hex string whose length is 4!"},
      {"%h{l4}", "ABCDEF", "Please enter a hex string whose length is less than 4!"},
      {"%n,{l4f}", "1,2,3",
       "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 4!"},
      {"%n,{l2}", "1,2,3",
       "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 2!"},
      {"%n.{n1x10}", "1.20",
       "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 1 and 10!"},
      {"%n,{l4f}", "1,2,3,4", nullptr},
      {"%s{l0n}", "", "Empty value is not allowed!"},
      {"%i{n1x9}", "", nullptr},
      {"%i{n1x9}", "(NULL)", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + " '" + c.text + "'");
    constraint.Attach(QString::fromLatin1(c.rule), edit);
    constraint.ShowText(edit, "previous");  // the last valid text
    edit->setMaxLength(32767);
    edit->setText(QString::fromLatin1(c.text));
    notices.messages.clear();
    leave(edit);
    if (c.message) {
      ASSERT_EQ(notices.messages.size(), 1u);
      EXPECT_EQ(notices.messages.front().text, QString::fromUtf8(c.message));
      EXPECT_EQ(edit->text(), "previous");
    } else {
      EXPECT_TRUE(notices.messages.empty());
      EXPECT_EQ(edit->text(), QString::fromLatin1(c.text));
    }
  }
}

TEST_F(ConstraintTest, ExitRunsTheEditsOwnHandlerOnlyForAPassingValue) {
  int finished = 0;
  QObject::connect(edit, &QLineEdit::editingFinished, [&] { ++finished; });
  constraint.Attach("%i{n1x99l2}", edit);
  struct Step {
    const char* text;
    int finished;
    const char* after;
    const char* lastValid;
  } steps[] = {
      {"42", 1, "42", "42"},  // passes: own handler, remembered
      {"0", 1, "42", "42"},   // fails: restored, own handler not called
      {"", 1, "", "42"},      // empty without flag n: nothing at all
      {"7", 2, "7", "7"},
  };
  for (const Step& s : steps) {
    edit->setText(QString::fromLatin1(s.text));
    leave(edit);
    EXPECT_EQ(finished, s.finished) << s.text;
    EXPECT_EQ(edit->text(), QString::fromLatin1(s.after)) << s.text;
    EXPECT_EQ(constraint.LastValidText(edit), QString::fromLatin1(s.lastValid)) << s.text;
  }
}

TEST_F(ConstraintTest, TagMinusOneVetoesAPassingValue) {
  constraint.Attach("%i{n1x99}", edit);
  constraint.ShowText(edit, "5");
  QObject::connect(edit, &QLineEdit::editingFinished, [&] {
    edit->setProperty("tag", edit->text() == "13" ? -1 : 0);
  });
  edit->setText("13");
  leave(edit);
  EXPECT_EQ(edit->text(), "5");
  EXPECT_TRUE(notices.messages.empty());
  edit->setText("12");
  leave(edit);
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(constraint.LastValidText(edit), "12");
}

TEST_F(ConstraintTest, WithoutRememberingTheLastValidTextStays) {
  MvEditConstraint forgetful(&form, false);
  forgetful.Attach("%i{n1x99}", edit);
  forgetful.ShowText(edit, "5");
  edit->setText("12");
  leave(edit);
  edit->setText("100");
  leave(edit);
  EXPECT_EQ(edit->text(), "5");
}

TEST_F(ConstraintTest, MovingOnWhenFullOrOnTheAdvanceCharacter) {
  auto* third = new QLineEdit(&form);
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  constraint.Attach("%i{n0x255l3a}", edit);
  constraint.Attach("%u{e.}", next);

  edit->setFocus();
  QTest::keyClicks(edit, "25");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(QApplication::focusWidget(), edit);
  QTest::keyClicks(edit, "5");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(QApplication::focusWidget(), next);

  QTest::keyClicks(next, "10.");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(next->text(), "10");
  EXPECT_EQ(QApplication::focusWidget(), third);

  // The edit's own handler vetoes moving on with tag -1.
  edit->setProperty("tag", -1);
  edit->setFocus();
  edit->clear();
  QTest::keyClicks(edit, "123");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(QApplication::focusWidget(), edit);

  // A failed exit check restores the text that last passed it and puts the focus back.
  edit->setProperty("tag", 0);
  edit->setText("300");
  next->setFocus();
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(notices.messages.size(), 1u);
  EXPECT_EQ(edit->text(), "255");
  EXPECT_EQ(QApplication::focusWidget(), edit);
}

TEST_F(ConstraintTest, DetachGivesTheEditBackItsOwnSetUp) {
  QIntValidator own(0, 999999);
  edit->setValidator(&own);
  edit->setMaxLength(20);
  int changes = 0;
  QObject::connect(edit, &QLineEdit::textChanged, [&] { ++changes; });
  constraint.Attach("%h{l4}", edit);
  EXPECT_EQ(edit->maxLength(), 4);
  EXPECT_NE(edit->validator(), &own);
  QTest::keyClicks(edit, "1x");
  EXPECT_EQ(edit->text(), "1");
  EXPECT_GE(changes, 1);

  constraint.Detach(edit);
  EXPECT_FALSE(constraint.IsAttached(edit));
  EXPECT_EQ(edit->validator(), &own);
  EXPECT_EQ(edit->maxLength(), 20);
  changes = 0;
  edit->setText("12345");
  EXPECT_EQ(changes, 1);
  notices.messages.clear();
  leave(edit);  // no exit check any more
  EXPECT_TRUE(notices.messages.empty());
}

TEST_F(ConstraintTest, AttachEditsAndBadSpecifiers) {
  constraint.AttachEdits("%i{n1x9}%s{l3}", {edit, next});
  EXPECT_EQ(constraint.RuleOf(edit)->maximum, 9);
  EXPECT_EQ(constraint.RuleOf(next)->length, 3);
  auto* plain = new QLineEdit(&form);
  EXPECT_EQ(bindtest::errorCode([&] { constraint.Attach("%x", plain); }), -2);
  EXPECT_FALSE(constraint.IsAttached(plain));
  constraint.Attach("%u{w55}", plain);
  EXPECT_EQ(plain->width(), 55);
}

TEST_F(ConstraintTest, AnEditDestroyedFirstLeavesNoRecord) {
  auto* temporary = new QLineEdit(&form);
  constraint.Attach("%s", temporary);
  delete temporary;
  EXPECT_FALSE(constraint.IsAttached(temporary));
}

}  // namespace
