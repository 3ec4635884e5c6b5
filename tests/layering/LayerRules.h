// Reads a source tree and reports every include that breaks the layering: a folder including a
// project header from a folder it may not use, a window-system header in the access layer, or a
// Net-SNMP header outside the adapter unit.
#pragma once

#include <QString>
#include <QStringList>

namespace layering {

// Every broken rule under `root`, one line each ("file: #include X (why)"). `qtHeaders` is the
// directory holding Qt's module folders (QtWidgets/, QtGui/), to tell their headers apart.
QStringList violations(const QString& root, const QString& qtHeaders);

}  // namespace layering
