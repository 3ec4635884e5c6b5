// The module's help: the host's help file next to the program, shown with the desktop's viewer
// for its type. Where that file is absent (always on this platform), the user guide shipped with
// the program is opened in the desktop's browser instead. When neither can be shown, a message
// box names the help file.
#pragma once

#include <QString>

class QWidget;

// The help file's name in the program's directory.
extern const char* const HelpFileName;
// The user guide's name in the program's directory (HTML made at build time), or in
// ../share/kx760-manager from it when installed.
extern const char* const GuideFileName;

// Opens `path` at its start page, or `guide` when `path` is no file; false (after telling the
// user) when neither can be shown. An empty `guide` means the program's own.
bool ShowHelpContents(QWidget* owner, const QString& path, QString guide = QString());
