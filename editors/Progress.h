// TProgressForm: a timed waiting window. Creating it starts the host form's write (the device
// then sends a mail); it counts its bar up once a second and closes itself after 20 steps.
#pragma once

#include <QDialog>

class MvSNMPRequest2Controls;
class QLabel;
class QProgressBar;
class QTimer;

// What the progress dialog needs of the form that shows it.
struct ProgressHost {
  QWidget* window = nullptr;                   // the dialog's parent window
  MvSNMPRequest2Controls* binding = nullptr;   // its write starts when the dialog is made
  QLabel* statusPanel = nullptr;               // first panel of the host's status bar
};

class TProgressForm : public QDialog {
 public:
  static constexpr int ClientWidth = 358;
  static constexpr int ClientHeight = 66;
  static constexpr int CloseAtPosition = 20;

  // The host form owns the dialog and is its parent window.
  explicit TProgressForm(const ProgressHost& host);
  ~TProgressForm() override;

  QLabel* Prompt() const { return lbPrompt_; }
  QProgressBar* ProgressBar() const { return progressBar_; }
  QTimer* ProgressTimer() const { return progressTimer_; }

  void FormCreate();
  void ProgressTimerTimer();

 protected:
  void done(int result) override;

 private:
  void FormClose();

  QLabel* lbPrompt_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QTimer* progressTimer_ = nullptr;
};
