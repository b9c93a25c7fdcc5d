#include "uUnpackBatches.h"

#include "platform/Errors.h"
#include "platform/FileUtils.h"
#include "platform/ProcessStart.h"
#include "platform/Translation.h"
#include "platform/ZipReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zelmor {

void UnpackAndRunBatches(const QString &directory, const TStatusTextEvent &onStatusLine)
{
    {
        TZipReader zip;
        for (const QString &name : ScanFiles(directory, QStringLiteral("*.zzm"))) {
            const QString archive = WithSeparator(directory) + name;
            Fire(onStatusLine, Translate(QStringLiteral("Bezig met uitpakken van : ")) + name);
            zip.Open(archive);
            zip.ExtractAllFlat(directory);
            zip.Close();
            if (!QFile::remove(archive))
                throw EInOutError(QStringLiteral("Cannot delete \"%1\"").arg(archive));
        }
    }
    for (const QString &name : ScanFiles(directory, QStringLiteral("zelmor*.bat"))) {
        Fire(onStatusLine, Translate(QStringLiteral("Bezig met uitvoeren van : ")) + name);
        RunBatchFile(WithSeparator(directory) + name);
    }
}

void RunBatchFile(const QString &path)
{
    const QFileInfo fi(path);
    const QString dir = fi.absolutePath();
    // The shell's form of the four starter lines: change to the folder, call the batch, end.
    const QByteArray starter = "#!/bin/sh\n"
                               "cd \"$1\" || exit 1\n"
                               "sh \"./$2\"\n"
                               "exit\n";
    const QString starterPath = WithSeparator(dir) + QStringLiteral("STZELBAT.BAT");
    if (!WriteFileAtomically(starterPath, starter))
        throw EInOutError(QStringLiteral("Cannot write \"%1\"").arg(starterPath));
    StartDetached(QStringLiteral("/bin/sh"), {starterPath, dir, fi.fileName()}, dir);
}

} // namespace zelmor
