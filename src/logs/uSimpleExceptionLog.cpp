#include "uSimpleExceptionLog.h"

#include "uLogFile.h"

#include "platform/FileUtils.h"
#include "platform/SharedFolders.h"
#include "platform/TimeStamp.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace zelmor {

TSimpleExceptionLog::TSimpleExceptionLog(const QString &fileName)
{
    m_file.setFileName(fileName.isEmpty() ? DefaultFileName() : fileName);
}

QString TSimpleExceptionLog::DefaultFileName()
{
    const QString name = ProgramBaseName() + QStringLiteral("_Err.log");
    const QString beside = ProgramDir() + QStringLiteral("log");
    const QFileInfo dir(beside);
    const QString file = WithSeparator(beside) + name;
    if (dir.isDir() && dir.isWritable() && (!QFileInfo::exists(file) || QFileInfo(file).isWritable()))
        return file;
    return LogDir() + name;
}

bool TSimpleExceptionLog::Open()
{
    if (m_file.isOpen()) {
        m_empty = false;
        return true;
    }
    QDir().mkpath(QFileInfo(m_file.fileName()).absolutePath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    m_empty = m_file.size() == 0;
    return true;
}

void TSimpleExceptionLog::Close()
{
    if (m_file.isOpen())
        m_file.close();
    m_empty = false;
}

void TSimpleExceptionLog::WriteLine(const QString &line)
{
    m_file.write(line.toLatin1());
    m_file.write("\r\n");
}

void TSimpleExceptionLog::WriteHeader(int width)
{
    if (width == 0)
        width = 100;
    width = qMax(width, 20);
    if (!Open())
        return;
    if (!m_empty)
        WriteLine(QString());
    const QString rule(width, QLatin1Char('='));
    WriteLine(rule);
    WriteLine(QStringLiteral("= ") + FormatTimeStamp(QDateTime::currentDateTime()).leftJustified(width - 4) +
              QStringLiteral(" ="));
    WriteLine(rule);
}

void TSimpleExceptionLog::WriteText(const QString &text, int indent)
{
    if (!m_file.isOpen())
        return;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (t.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    for (QString line : lines) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        WriteLine(QString(indent, QLatin1Char(' ')) + line);
    }
    m_file.flush();
}

} // namespace zelmor
