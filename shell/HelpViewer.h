// The module's help: the host's help file next to the program, shown with the desktop's viewer
// for its type. Where that file is absent (always on this platform), the user guide shipped with
// the program is opened in the desktop's browser instead. When no external viewer takes it (a
// machine without a browser), the guide is shown in a viewer window of the program's own. When
// nothing can be shown, a message box names the help file.
#pragma once

#include <QString>
#include <functional>

class QUrl;
class QWidget;

// The help file's name in the program's directory.
extern const char* const HelpFileName;
// The user guide's name in the program's directory (HTML made at build time), or in
// ../share/kx760-manager from it when installed.
extern const char* const GuideFileName;

// Opens `path` at its start page, or `guide` when `path` is no file; false (after telling the
// user) when neither can be shown. An empty `guide` means the program's own.
bool ShowHelpContents(QWidget* owner, const QString& path, QString guide = QString());

// Hands a file to the desktop's viewer; false when none took it. Tests replace it; an empty
// function restores the desktop's. Returns the previous one.
using ExternalHelpOpener = std::function<bool(const QUrl& url)>;
ExternalHelpOpener SetExternalHelpOpener(ExternalHelpOpener opener);

// The program's own viewer: a window with a text browser over an HTML file, owned by `owner`,
// deleted when closed. Named "HelpBrowser" (its browser "HelpText").
QWidget* ShowBuiltInHelp(QWidget* owner, const QString& htmlFile);
