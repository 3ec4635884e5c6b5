// Joining a directory and a file name with the platform's separator.
#pragma once

#include <QString>

// The file name alone for an empty directory; no second separator when the directory ends with one.
QString joinPath(const QString& directory, const QString& fileName);
