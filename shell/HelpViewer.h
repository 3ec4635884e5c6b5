// The help file of the module: shown with the desktop's viewer for its type. The file lies next
// to the program; a missing file, or one no viewer takes, is reported in a message box.
#pragma once

#include <QString>

class QWidget;

// The help file's name in the program's directory.
extern const char* const HelpFileName;

// Opens `path` at its start page; false (after telling the user) when that cannot be done.
bool ShowHelpContents(QWidget* owner, const QString& path);
