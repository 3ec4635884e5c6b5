// Joining a directory and a file name with the platform's separator.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The file name alone for an empty directory; no second separator when the directory ends with one.
QString joinPath(const QString& directory, const QString& fileName);

// The contents of a local file, read only when it is a regular file of at most `maxBytes`: a FIFO
// would block the reader and a device such as /dev/zero never ends. Nothing otherwise, with the
// reason in `why` (empty for a file that does not exist).
std::optional<QByteArray> readLocalFile(const QString& path, qint64 maxBytes, QString* why = nullptr);

// Limits for the files the program reads at start-up.
constexpr qint64 MaxProfileBytes = 1 << 20;    // device profile, registry file
constexpr qint64 MaxCatalogueBytes = 64 << 10;  // a message catalogue
