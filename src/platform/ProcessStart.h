#pragma once
// Starting programs the way the service expects: detached, not waited for, result unseen.
#include <QString>
#include <QStringList>

namespace zelmor {

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Starts the file at path as a program: a batch or shell script through the shell, any
// other file as an executable (made executable for its owner first). Returns whether it started.
bool WinExec(const QString &path, int show);
bool StartDetached(const QString &program, const QStringList &arguments, const QString &workingDir);

} // namespace zelmor
