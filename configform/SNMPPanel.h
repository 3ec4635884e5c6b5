// TSNMPPanel: the frame of one page. The content (edits or list view) sits left, the button
// stack right, the status memo below; the page sizes the window that holds it (FitForm).
#pragma once

#include <QFrame>
#include <QPointer>
#include <QSize>

#include "configform/CtrlBtnPanel.h"
#include "bind/MvSNMPRequest2Edits.h"  // QPointer needs the complete type

class QSplitter;

class TSNMPPanel : public QFrame {
 public:
  static constexpr int SplitterWidth = 3;
  static constexpr int MaxClientWidth = 800;
  static constexpr int MaxClientHeight = 550;

  // `sharedMsgPanel` (not owned) receives the status lines instead of a panel of the page's own.
  TSNMPPanel(QWidget* parent, TMsgPanel* sharedMsgPanel, MvSNMPRequest2Edits* binding);

  MvSNMPRequest2Edits* Binding() const { return binding_; }
  TCtrlBtnPanel* BtnPanel() const { return btnPanel_; }
  QWidget* ClientPanel() const { return clientPanel_; }
  TMsgPanel* MsgPanel() const { return msgPanel_; }  // nullptr when shared
  QWidget* Form() const { return form_; }
  QWidget* Content() const { return content_; }

  // Shows `content` in the client panel (the previous content stays owned, hidden) and sizes
  // the page around it.
  void SetContent(QWidget* content);
  // Remembers the window, grows its client area to the page (never shrinks it, at most
  // 800 x 550) and centres it on the main window.
  void FitForm(QWidget* form);
  // The page's own size as SetContent computed it.
  QSize PageSize() const { return pageSize_; }
  QSize sizeHint() const override { return pageSize_; }

  // Takes `content` back as a hidden child of the client panel (after a dialog borrowed it).
  void Reclaim(QWidget* content);

  // A client area grown to `page` and then limited to 800 x 550.
  static QSize GrownClientSize(const QSize& current, const QSize& page);
  // Centres `window` on `over`, else on the program's main window, else on the screen.
  static void CentreOn(QWidget* window, QWidget* over = nullptr);

 protected:
  void RefreshBtnClick();
  void CloseBtnClick();

 private:
  QPointer<MvSNMPRequest2Edits> binding_;
  TCtrlBtnPanel* btnPanel_;
  QWidget* clientPanel_;
  QWidget* contentHolder_;
  TMsgPanel* msgPanel_ = nullptr;
  QSplitter* rightSplitter_;
  QSplitter* bottomSplitter_;
  QPointer<QWidget> form_;
  QPointer<QWidget> content_;
  QSize pageSize_{0, 0};
};
