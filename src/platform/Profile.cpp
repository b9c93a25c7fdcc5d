#include "Profile.h"

#include "Errors.h"
#include "FileUtils.h"

#include <QFile>

namespace zelmor {

namespace {

constexpr int kMaxValue = 2047;

QString Unquote(QString v)
{
    if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) || (v.startsWith('\'') && v.endsWith('\''))))
        v = v.mid(1, v.size() - 2);
    return v;
}

// Line breaks would split the value into lines of their own.
QString OneLine(QString v)
{
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

} // namespace

TProfileFile::TProfileFile(const QString &fileName) : m_fileName(fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = f.readAll();
    QString current;
    for (QByteArray raw : data.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        Line line;
        line.text = QString::fromLatin1(raw);
        const QString t = line.text.trimmed();
        if (t.startsWith('[')) {
            const int close = t.indexOf(']');
            current = (close > 0 ? t.mid(1, close - 1) : t.mid(1)).trimmed();
            line.section = current;
        } else if (!t.isEmpty() && !t.startsWith(';')) {
            const int eq = t.indexOf('=');
            if (eq > 0) {
                line.key = t.left(eq).trimmed();
                line.value = t.mid(eq + 1).trimmed();
                line.section = current;
            }
        }
        m_lines.push_back(std::move(line));
    }
    // split() leaves one empty entry after the final line end
    if (!m_lines.empty() && m_lines.back().text.isEmpty() && data.endsWith('\n'))
        m_lines.pop_back();
}

int TProfileFile::FindSection(const QString &section) const
{
    for (int i = 0; i < int(m_lines.size()); ++i)
        if (m_lines[i].key.isEmpty() && !m_lines[i].section.isNull() &&
            m_lines[i].text.trimmed().startsWith('[') &&
            m_lines[i].section.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TProfileFile::FindKey(const QString &section, const QString &key) const
{
    for (int i = 0; i < int(m_lines.size()); ++i)
        if (!m_lines[i].key.isEmpty() && m_lines[i].section.compare(section, Qt::CaseInsensitive) == 0 &&
            m_lines[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool TProfileFile::ValueExists(const QString &section, const QString &key) const
{
    return FindKey(section, key) >= 0;
}

QStringList TProfileFile::ReadSection(const QString &section) const
{
    QStringList keys;
    for (const Line &l : m_lines)
        if (!l.key.isEmpty() && l.section.compare(section, Qt::CaseInsensitive) == 0)
            keys << l.key;
    return keys;
}

QString TProfileFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const int i = FindKey(section, key);
    const QString v = i < 0 ? def : Unquote(m_lines[i].value);
    return v.left(kMaxValue);
}

bool TProfileFile::ParseInteger(const QString &text, int &value)
{
    const QString t = text.trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (t.size() >= 3 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X")))) {
        // Hex values are bit patterns: 0xFFFFFFFF is -1.
        const qulonglong u = t.mid(2).toULongLong(&ok, 16);
        if (!ok || u > 0xFFFFFFFFull)
            return false;
        value = static_cast<int>(static_cast<quint32>(u));
        return true;
    }
    v = t.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

int TProfileFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    int v = def;
    return ParseInteger(ReadString(section, key, QString()), v) ? v : def;
}

bool TProfileFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TProfileFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QString v = OneLine(value);
    const int k = FindKey(section, key);
    if (k >= 0) {
        Line &l = m_lines[k];
        l.value = v;
        l.text = l.key + '=' + v;
        return;
    }
    Line nl;
    nl.section = section;
    nl.key = key;
    nl.value = v;
    nl.text = key + '=' + v;
    const int s = FindSection(section);
    if (s < 0) {
        if (!m_lines.empty() && !m_lines.back().text.trimmed().isEmpty())
            m_lines.push_back(Line{});
        Line header;
        header.section = section;
        header.text = '[' + section + ']';
        m_lines.push_back(header);
        m_lines.push_back(nl);
        return;
    }
    // After the last key of the section, before any blank lines that close it.
    int at = s + 1;
    for (int i = s + 1; i < int(m_lines.size()); ++i) {
        if (m_lines[i].text.trimmed().startsWith('['))
            break;
        if (!m_lines[i].text.trimmed().isEmpty())
            at = i + 1;
    }
    m_lines.insert(m_lines.begin() + at, nl);
}

void TProfileFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TProfileFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TProfileFile::Flush()
{
    QByteArray out;
    for (const Line &l : m_lines) {
        out += l.text.toLatin1();
        out += "\r\n";
    }
    if (!WriteFileAtomically(m_fileName, out))
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(m_fileName));
}

QString GetProfileString(const QString &file, const QString &section, const QString &key, const QString &def)
{
    return TProfileFile(file).ReadString(section, key, def);
}

int GetProfileInt(const QString &file, const QString &section, const QString &key, int def)
{
    return TProfileFile(file).ReadInteger(section, key, def);
}

void WriteProfileString(const QString &file, const QString &section, const QString &key, const QString &value)
{
    TProfileFile f(file);
    f.WriteString(section, key, value);
    f.Flush();
}

} // namespace zelmor
