#include "uPostFiles.h"

#include "platform/Errors.h"
#include "platform/TextUtils.h"
#include "platform/FileUtils.h"

#include <QFile>

namespace zelmor {

QString PostFileName(const QString &line)
{
    const int at = line.indexOf(QLatin1String("FILE:"), 0, Qt::CaseSensitive);
    if (at < 0)
        return QString();
    QString name = line;
    name.remove(at, 5);
    name.remove(QStringLiteral("//LHA"), Qt::CaseInsensitive);
    name = TrimControls(name);
    return name.isNull() ? QStringLiteral("") : name;
}

void TPostFile::ReadPostFile(const QString &path)
{
    FileName = path;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
    QByteArray data = f.readAll();
    if (f.error() != QFile::NoError)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, f.errorString()));
    const int eof = data.indexOf('\x1A');
    if (eof >= 0)
        data.truncate(eof);
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString name = PostFileName(QString::fromLatin1(line));
        if (!name.isNull())
            append(name);
    }
}

void TPostFileList::Collect(const QString &directory,
                            const std::function<void(const QString &, const QString &)> &onError)
{
    for (const QString &name : ScanFiles(directory, QStringLiteral("*.out"))) {
        auto post = std::make_unique<TPostFile>();
        m_items.push_back(std::move(post));
        try {
            m_items.back()->ReadPostFile(WithSeparator(directory) + name);
        } catch (const EInOutError &e) {
            m_items.pop_back(); // the files collected before it stay
            if (!onError)
                throw;
            onError(WithSeparator(directory) + name, e.Message());
        }
    }
}

} // namespace zelmor
