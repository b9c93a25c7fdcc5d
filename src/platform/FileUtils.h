#pragma once
// Files and directories as every part of the client sees them.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zelmor {

// Ordinary files of dir whose names match the wildcard pattern without regard to case:
// no directories, no hidden files (a leading dot on POSIX), in case-insensitive name order.
QStringList ScanFiles(const QString &dir, const QString &pattern = QStringLiteral("*"));

// dir joined with name, where an existing entry of any letter case is preferred,
// so that names written in capitals find the file or folder that is there.
QString FindPath(const QString &dir, const QString &name);

// dir with a trailing separator.
QString WithSeparator(const QString &dir);

// Creates one directory without its parents; failures are silent.
void CreateDir(const QString &path);

// Writes data to a temporary file beside path and renames it into place.
bool WriteFileAtomically(const QString &path, const QByteArray &data);

bool FileExists(const QString &path);

} // namespace zelmor

namespace zelmor {

// A path written for Windows (from the service or a post file) as a native path: backslashes
// become separators, and a drive root "X:\" goes below DriveRoot() as "x/". Paths without a
// drive pass unchanged apart from the separators.
QString MapWindowsPath(const QString &path);
// Where drive-letter paths land: ZELMOR_DRIVE_ROOT, else "/".
QString DriveRoot();

} // namespace zelmor
