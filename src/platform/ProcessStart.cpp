#include "ProcessStart.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace zelmor {

bool StartDetached(const QString &program, const QStringList &arguments, const QString &workingDir)
{
    QProcess p;
    p.setProgram(program);
    p.setArguments(arguments);
    p.setWorkingDirectory(workingDir);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    return p.startDetached();
}

bool WinExec(const QString &path, int)
{
    // No window to show or hide here: both start the same way.
    const QFileInfo fi(path);
    const QString suffix = fi.suffix().toLower();
    QFile f(path);
    const bool script = suffix == QLatin1String("bat") || suffix == QLatin1String("cmd") ||
                        suffix == QLatin1String("sh") || (f.open(QIODevice::ReadOnly) && f.read(2) == "#!");
    f.close();
    if (script)
        return StartDetached(QStringLiteral("/bin/sh"), {fi.absoluteFilePath()}, fi.absolutePath());
    if (!fi.isExecutable())
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return StartDetached(fi.absoluteFilePath(), {}, fi.absolutePath());
}

} // namespace zelmor
