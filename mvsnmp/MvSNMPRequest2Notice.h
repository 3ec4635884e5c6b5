// How the binding layer speaks to the user outside its status targets: a modal message box
// captioned with the program's file name, and a beep. Both can be replaced (the tests record
// them instead of opening dialogs or making sounds).
#pragma once

#include <QString>
#include <functional>

class QWidget;

class MvSNMPRequest2Notice {
 public:
  using MessageHandler = std::function<void(QWidget* parent, const QString& text, const QString& caption)>;
  using BeepHandler = std::function<void(int frequencyHz, int durationMs)>;

  // A modal box with an OK button, the parent's window as parent, the caption given.
  static void message(QWidget* parent, const QString& text);
  // A beep of the given frequency and duration (the platform beep where those cannot be chosen).
  static void beep(int frequencyHz, int durationMs);
  // The file name, without directory, of the running program: the caption of every message box.
  static QString programFileName();

  // Replaces the handler; an empty function restores the default. Returns the previous one.
  static MessageHandler setMessageHandler(MessageHandler handler);
  static BeepHandler setBeepHandler(BeepHandler handler);
};
