// Keyboard access to the menu bar: every top-level menu and every item of a menu gets a mnemonic
// letter of its own caption, unique within its menu, so Alt+letter and then letters reach every
// entry. The captions read the same; only the underline is added.
#pragma once

#include <QString>

class QMenuBar;
class QMenu;

// Gives the bar's menus, and recursively every menu below them, unique mnemonics.
void assignMnemonics(QMenuBar* bar);
void assignMnemonics(QMenu* menu);

// A caption as the user reads it: the mnemonic marker removed, "&&" read as "&".
QString visibleCaption(const QString& text);
// The mnemonic letter of a caption (lower case), or a null character without one.
QChar mnemonicOf(const QString& text);
