#include "Version.h"

#include "SharedFolders.h"

#include <QFileInfo>

namespace zelmor {

bool GetFileVersion(const QString &fileName, int &major, int &minor, int &release, int &build)
{
    major = minor = release = build = 0;
    if (QFileInfo(fileName).canonicalFilePath() != QFileInfo(ProgramFilePath()).canonicalFilePath())
        return false;
    major = ZELMOR_VERSION_MAJOR;
    minor = ZELMOR_VERSION_MINOR;
    release = ZELMOR_VERSION_PATCH;
    build = ZELMOR_VERSION_TWEAK;
    return true;
}

} // namespace zelmor
