#include "FileUtils.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace zelmor {

QStringList ScanFiles(const QString &dir, const QString &pattern)
{
    // "*.*" also matches names without a dot, as a Windows listing does. The sessions scan
    // the same few patterns over and over: each is compiled once.
    static thread_local QHash<QString, QRegularExpression> compiled;
    auto it = compiled.find(pattern);
    if (it == compiled.end())
        it = compiled.insert(pattern, QRegularExpression::fromWildcard(
                                          pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern,
                                          Qt::CaseInsensitive));
    const QRegularExpression &anchored = it.value();
    QStringList names;
    const QDir d(dir);
    for (const QFileInfo &fi : d.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort)) {
        if (fi.isSymLink() && !fi.exists())
            continue;
        if (fi.fileName().startsWith('.') || fi.isHidden())
            continue;
        if (anchored.match(fi.fileName()).hasMatch())
            names << fi.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QString WithSeparator(const QString &dir)
{
    return dir.endsWith('/') ? dir : dir + '/';
}

QString FindPath(const QString &dir, const QString &name)
{
    const QString base = WithSeparator(dir);
    if (QFileInfo::exists(base + name))
        return base + name;
    const QDir d(dir);
    for (const QString &entry : d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return base + entry;
    return base + name;
}

void CreateDir(const QString &path)
{
    QDir().mkdir(path);
}

bool WriteFileAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool FileExists(const QString &path)
{
    const QFileInfo fi(path);
    return fi.exists() && fi.isFile();
}

} // namespace zelmor

namespace zelmor {

QString DriveRoot()
{
    const QString root = qEnvironmentVariable("ZELMOR_DRIVE_ROOT");
    return WithSeparator(root.isEmpty() ? QStringLiteral("/") : QDir::fromNativeSeparators(root));
}

QString MapWindowsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(path);
#else
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.size() >= 2 && p[1] == QLatin1Char(':') && p[0].isLetter()) {
        QString rest = p.mid(2);
        while (rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        return DriveRoot() + p[0].toLower() + QLatin1Char('/') + rest;
    }
    return p;
#endif
}

} // namespace zelmor
