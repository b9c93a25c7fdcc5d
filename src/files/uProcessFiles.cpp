#include "uProcessFiles.h"

#include "config/uComSettings.h"
#include "logs/uLogFile.h"
#include "platform/Errors.h"
#include "platform/TextUtils.h"
#include "platform/FileUtils.h"
#include "platform/ProcessStart.h"
#include "platform/Profile.h"
#include "platform/Translation.h"
#include "platform/ZipReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zelmor {

namespace {

constexpr std::uint64_t kMaxInstructionSize = 1024 * 1024;


// ASCII letters only, as the instructions are written.
QString UpperAscii(QString s)
{
    for (QChar &c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return s;
}

bool UnsafeName(const QString &name)
{
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..");
}

// The value of the first item of that name; null when there is none.
QString ItemValue(const QStringList &items, const QString &name)
{
    for (const QString &item : items) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq >= 0 && item.left(eq).compare(name, Qt::CaseInsensitive) == 0)
            return item.mid(eq + 1);
    }
    return QString();
}

} // namespace

TProcessFiles::TProcessFiles(QObject *owner) : QObject(owner)
{
    m_zip = std::make_unique<TZipReader>();
    m_log = std::make_unique<TLogFile>(LogDir() + QStringLiteral("zm2files.log"));
}

TProcessFiles::~TProcessFiles()
{
    m_zip.reset();
    try {
        CloseLog();
    } catch (const std::exception &e) {
        qWarning("%s", e.what());
    }
}

void TProcessFiles::CloseLog()
{
    if (!m_log)
        return;
    std::unique_ptr<TLogFile> log = std::move(m_log);
    log->CloseWith(QStringLiteral("==================="));
}

void TProcessFiles::Status(const QString &text) { Fire(OnStatusLine, this, text); }

void TProcessFiles::Execute()
{
    m_incoming = FindPath(FindPath(BaseDir(), QStringLiteral("msg")), QStringLiteral("in"));
    for (const QString &name : ScanFiles(m_incoming, QStringLiteral("*.zzf"))) {
        Status(Translate(QStringLiteral("Uitpakken bestand ")) + name);
        m_log->Add(Translate(QStringLiteral("Processing file : ")) + m_incoming + QLatin1Char('/') + name);
        ProcessArchive(m_incoming + QLatin1Char('/') + name);
    }
    for (const QString &name : ScanFiles(m_incoming, QStringLiteral("*.zif"))) {
        Status(Translate(QStringLiteral("User bestand ")) + name);
        m_log->Add(Translate(QStringLiteral("Processing file ")) + m_incoming + QLatin1Char('/') + name);
        ProcessUserInfo(m_incoming + QLatin1Char('/') + name);
    }
}

void TProcessFiles::ProcessArchive(const QString &path)
{
    m_zip->Open(path);
    // Each archive starts from no instructions: another archive's never apply to it.
    QString instructions;
    QString instructionEntry;
    for (int i = 0; i < m_zip->Count(); ++i) {
        const QString name = m_zip->EntryName(i);
        if (!m_zip->IsDirectory(i) && name.endsWith(QLatin1String(".ZUI"), Qt::CaseInsensitive)) {
            instructions = TrimControls(QString::fromLatin1(m_zip->ExtractToMemory(i, kMaxInstructionSize)));
            instructionEntry = name;
        }
    }
    QStringList lines = UpperAscii(instructions).split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);

    for (int i = 0; i < m_zip->Count(); ++i) {
        if (m_zip->IsDirectory(i))
            continue;
        const QString name = m_zip->EntryName(i);
        if (name == instructionEntry)
            continue;
        if (UnsafeName(name)) {
            m_log->Add(QStringLiteral("Skipping entry with unusable name \"%1\"").arg(m_zip->EntryPath(i)));
            continue;
        }
        const QString key = QStringLiteral("FILE=") + UpperAscii(name) + QLatin1Char(',');
        bool matched = false;
        for (const QString &line : lines) {
            if (!line.contains(key))
                continue;
            matched = true;
            const TUnzipOptions options = ParseLine(line, m_incoming);
            if (options.DestPath.isEmpty()) {
                const QString text = Translate(QStringLiteral("Instructie met ongeldige doelmap overgeslagen: %1")).arg(line);
                Status(text);
                m_log->Add(text);
                continue;
            }
            WriteEntry(i, options);
        }
        if (!matched) {
            const QString target = m_incoming + QLatin1Char('/') + name;
            m_log->Add(QStringLiteral("Unzipping ") + name + QStringLiteral(" to ") + target);
            m_zip->ExtractToFile(i, target);
        }
    }
    m_zip->Close();
    if (!QFile::remove(path))
        throw EInOutError(QStringLiteral("Cannot delete \"%1\"").arg(path));
}

TUnzipOptions TProcessFiles::ParseLine(const QString &line, const QString &incomingDir)
{
    const QStringList items = line.split(QLatin1Char(','));
    TUnzipOptions o;
    const QString create = ItemValue(items, QStringLiteral("CREATE"));
    const QString exec = ItemValue(items, QStringLiteral("EXEC"));
    o.CreateMode = create == QLatin1String("RENAME") ? 1 : 0;
    o.ExecMode = exec == QLatin1String("YES") ? 1 : exec == QLatin1String("INVIS") ? 2 : 0;
    QString file = ItemValue(items, QStringLiteral("FILE"));
    // The file lands under a plain name in the folder the instruction names, never elsewhere.
    file = file.mid(qMax(file.lastIndexOf(QLatin1Char('\\')), file.lastIndexOf(QLatin1Char('/'))) + 1);
    QString dir = ItemValue(items, QStringLiteral("DESTDIR"));
    if (UnsafeName(file) || QString(dir).replace(QLatin1Char('/'), QLatin1Char('\\')).split(QLatin1Char('\\')).contains(QStringLiteral("..")))
        return o;
    if (dir.isEmpty())
        dir = incomingDir;
    const bool absolute = (dir.size() > 1 && dir[1] == QLatin1Char(':')) || dir.startsWith(QLatin1Char('\\')) ||
                          dir == incomingDir;
    o.DestPath = absolute ? dir + QLatin1Char('\\') + file : incomingDir + QLatin1Char('\\') + dir + QLatin1Char('\\') + file;
    return o;
}

QString TProcessFiles::ResolveTarget(const QString &windowsTarget) const
{
    QString t = windowsTarget;
    // The two old fixed folders are the exchange and data folders now.
    if (t.toUpper().contains(QLatin1String("C:\\DATAXCH\\IN"))) {
        const int at = t.indexOf(QLatin1String("C:\\DATAXCH\\"));
        if (at >= 0)
            t.replace(at, 11, ExchangeDir());
    }
    if (t.toUpper().contains(QLatin1String("C:\\ZELMOR"))) {
        const int at = t.indexOf(QLatin1String("C:\\ZELMOR\\"));
        if (at >= 0)
            t.replace(at, 10, BaseDir());
    }
    return QDir::cleanPath(MapWindowsPath(t));
}

QString TProcessFiles::NumberedName(const QString &path)
{
    const QFileInfo fi(path);
    const QString name = fi.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = fi.absolutePath() + QLatin1Char('/') + (dot < 0 ? name : name.left(dot));
    QString candidate = stem + QStringLiteral(".000");
    for (unsigned n = 1; QFileInfo::exists(candidate); ++n)
        candidate = stem + QLatin1Char('.') + QString::number(n).rightJustified(3, QLatin1Char('0'));
    return candidate;
}

void TProcessFiles::WriteEntry(int index, const TUnzipOptions &options)
{
    // The existing-file rule looks at the path that is actually written.
    QString target = ResolveTarget(options.DestPath);
    if (QFileInfo::exists(target)) {
        if (options.CreateMode == 1)
            target = NumberedName(target);
        else if (!QFile::remove(target))
            throw EInOutError(QStringLiteral("Cannot replace \"%1\"").arg(target));
    }
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw EInOutError(QStringLiteral("Cannot create the folder \"%1\"").arg(QFileInfo(target).absolutePath()));
    const QString name = m_zip->EntryName(index);
    m_log->Add(QStringLiteral("Unzipping ") + name + QStringLiteral(" to ") + target);
    m_zip->ExtractToFile(index, target);
    if (options.ExecMode != 0)
        WinExec(target, options.ExecMode == 1 ? SW_SHOW : SW_HIDE);
}

void TProcessFiles::ProcessUserInfo(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
    QString endDate, sessions, sessionId;
    bool haveEnd = false, haveSessions = false, haveId = false;
    for (QByteArray raw : f.readAll().split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = QString::fromLatin1(raw);
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString name = line.left(eq), value = line.mid(eq + 1);
        if (!haveEnd && name.compare(QLatin1String("ENDDATE"), Qt::CaseInsensitive) == 0)
            haveEnd = true, endDate = value;
        else if (!haveSessions && name.compare(QLatin1String("SESSIONS"), Qt::CaseInsensitive) == 0)
            haveSessions = true, sessions = value;
        else if (!haveId && name.compare(QLatin1String("SESSIONP"), Qt::CaseInsensitive) == 0)
            haveId = true, sessionId = value;
    }
    f.close();
    int left = 0;
    bool ok = false;
    left = sessions.trimmed().toInt(&ok);
    TProfileFile ini(IniFileName());
    ini.WriteString(QStringLiteral("CONTRACT"), QStringLiteral("ENDDATE"), endDate);
    ini.WriteInteger(QStringLiteral("CONTRACT"), QStringLiteral("SESSIONSLEFT"), ok ? left : 0);
    ini.WriteString(QStringLiteral("INTERNET"), QStringLiteral("SESSIONID"), sessionId);
    ini.Flush();
    if (!QFile::remove(path))
        throw EInOutError(QStringLiteral("Cannot delete \"%1\"").arg(path));
}

} // namespace zelmor
