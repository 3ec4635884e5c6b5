// The vertical button stack at the right of every page (TCtrlBtnPanel) and the status memo at
// the bottom of a page (TMsgPanel). The pages decide which controls show and wire the clicks.
#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TCtrlBtnPanel : public QFrame {
 public:
  // The stacked controls, top to bottom.
  enum Control {
    CountDisplay,
    SamplesLabel,
    RefreshBtn,
    EditBtn,
    SetCheckedBtn,
    AddBtn,
    DeleteBtn,
    CheckAllBtn,
    ClearChecksBtn,
    CloseBtn,
    ControlCount
  };
  static constexpr int Margin = 10;
  static constexpr int ControlWidth = 96;
  static constexpr int Gap = 5;
  static constexpr int PanelWidth = 2 * Margin + ControlWidth;
  static constexpr int ButtonHeight = 25;
  static constexpr int CountHeight = 21;

  explicit TCtrlBtnPanel(QWidget* owner);

  // Lays the stack out again: hidden controls take no room.
  void Arrange();
  // The height the visible stack needs, margins included (valid after Arrange).
  int StackHeight() const { return stackHeight_; }

  QWidget* Control(int which) const { return stack_.at(static_cast<size_t>(which)); }
  QPushButton* Button(int which) const;
  QLabel* Count() const;
  void SetCount(int n);
  // "shown of total" while a filter hides rows.
  void SetCount(int shown, int total);
  // Under the count: "Samples", or why the rows stopped short ("rows — stopped: ..."), wrapped
  // and as tall as it needs; the stack is arranged again.
  void SetCountNote(const QString& note);

  // Where the optional glyph files are looked for: the process's current directory.
  static QString GlyphPath(int which);

 private:
  void loadGlyphs();

  std::array<QWidget*, ControlCount> stack_{};
  int stackHeight_ = 0;
};

class TMsgPanel : public QFrame {
 public:
  static constexpr int PanelHeight = 50;
  explicit TMsgPanel(QWidget* parent);
  QPlainTextEdit* Memo() const { return memo_; }

 private:
  QPlainTextEdit* memo_;
};
