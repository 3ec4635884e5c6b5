// TAboutForm: the About box. It names the module and its release; Shift+Alt+F3 on its button
// shows the full build text. Not modal, several may be open; a closed box destroys itself.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
 public:
  static constexpr int ClientWidth = 352;
  static constexpr int ClientHeight = 103;
  static constexpr int OkLeft = 289;  // the button's designed left edge
  static constexpr int Gap = 12;      // between the widest text, the button and the edge

  // `mainWindow` owns the box and centres it.
  explicit TAboutForm(QWidget* mainWindow);

  QLabel* VersionLabel() const { return versionLabel_; }
  QPushButton* OkButton() const { return btOk_; }

  // Module picture, module name and caption; run on every activation.
  void FormActivate();
  void BT_OkClick();
  // Shift+Alt+F3 reveals the build; every other key is left to the button.
  bool BT_OkKeyDown(int key, Qt::KeyboardModifiers shift);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitContents();

  QLabel* imageKX760_ = nullptr;
  QLabel* label_ = nullptr;
  QLabel* versionLabel_ = nullptr;
  QPushButton* btOk_ = nullptr;
};

// The About box opened last (empty once it has closed).
extern QPointer<TAboutForm> AboutForm;
