#include "SharedFolders.h"

#include "FileUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelmor {

QString SharedDocumentsDir()
{
    QString dir = qEnvironmentVariable("ZELMOR_SHARED_DOCS");
    if (dir.isEmpty()) {
#ifdef Q_OS_WIN
        dir = qEnvironmentVariable("PUBLIC");
        if (!dir.isEmpty())
            dir += QStringLiteral("/Documents");
#endif
        if (dir.isEmpty())
            dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // No documents folder known: the home folder still gives every user the same place.
        if (dir.isEmpty())
            dir = QDir::homePath();
    }
    return WithSeparator(QDir::fromNativeSeparators(dir));
}

QString ProgramFilePath()
{
    const QString p = QCoreApplication::applicationFilePath();
    return p.isEmpty() ? QStringLiteral("zelmor-client") : p;
}

QString ProgramDir()
{
    return WithSeparator(QFileInfo(ProgramFilePath()).absolutePath());
}

QString ProgramBaseName()
{
    return QFileInfo(ProgramFilePath()).completeBaseName();
}

} // namespace zelmor
