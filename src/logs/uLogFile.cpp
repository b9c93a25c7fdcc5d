#include "uLogFile.h"

#include "config/uComSettings.h"
#include "platform/Errors.h"
#include "platform/FileUtils.h"
#include "platform/TimeStamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

namespace zelmor {

QString LogDir()
{
    return WithSeparator(FindPath(BaseDir(), QStringLiteral("log")));
}

TLogFile::TLogFile(const QString &fileName) : m_fileName(fileName)
{
    if (!fileName.isEmpty()) {
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        if (QFileInfo::exists(fileName)) {
            QFile f(fileName);
            if (!f.open(QIODevice::ReadOnly))
                throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
            const QByteArray data = f.readAll();
            for (QByteArray line : data.split('\n')) {
                if (line.endsWith('\r'))
                    line.chop(1);
                m_lines << QString::fromLatin1(line);
            }
            if (data.endsWith('\n') || data.isEmpty())
                m_lines.removeLast();
        }
    }
    m_lines.prepend(Stamped(QStringLiteral("===== LOG START =====")));
}

TLogFile::~TLogFile()
{
    if (m_closed)
        return;
    try {
        Close();
    } catch (const std::exception &e) {
        qWarning("%s", e.what());
    }
}

QString TLogFile::Stamped(const QString &text)
{
    return FormatTimeStamp(QDateTime::currentDateTime()) + QStringLiteral(" : ") + text;
}

void TLogFile::Add(const QString &text)
{
    m_lines.prepend(Stamped(text));
    while (m_lines.size() > m_maxLines)
        m_lines.removeLast();
}

void TLogFile::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    m_lines.prepend(Stamped(QStringLiteral("===== LOG END  =====")));
    if (m_lines.isEmpty() || m_fileName.isEmpty())
        return;
    QByteArray out;
    for (const QString &line : m_lines) {
        out += line.toLatin1();
        out += "\r\n";
    }
    // Replaced as a whole, so a failed write leaves the old log in place.
    if (!WriteFileAtomically(m_fileName, out))
        throw EInOutError(QStringLiteral("Cannot write file \"%1\"").arg(m_fileName));
}

} // namespace zelmor
