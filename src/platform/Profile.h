#pragma once
// Private-profile (INI) files: case-insensitive sections and keys, unquoted values cut at
// 2047 characters, integers in decimal or 0x hex, the default for anything else.
// Writes replace the whole file atomically, so a reader never sees half a file.
#include <QString>
#include <QStringList>
#include <vector>

namespace zelmor {

class TProfileFile {
public:
    // Loads the file when it exists; a missing or unreadable file reads as empty.
    explicit TProfileFile(const QString &fileName);

    QString FileName() const { return m_fileName; }
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    bool ValueExists(const QString &section, const QString &key) const;
    QStringList ReadSection(const QString &section) const; // key names, in file order

    // Change the copy in memory; Flush puts it on disk.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    // Replaces the file atomically; raises EIniFileException "Unable to write to <file>".
    void Flush();

    // The integer rule on its own: decimal, or hex after "0x" when at least three long.
    static bool ParseInteger(const QString &text, int &value);

private:
    struct Line {
        QString text;    // the line as it stands in the file
        QString section; // for section headers: the name
        QString key;     // for key lines: the name
        QString value;
    };
    int FindSection(const QString &section) const;
    int FindKey(const QString &section, const QString &key) const;

    QString m_fileName;
    std::vector<Line> m_lines;
};

// One-shot helpers in the manner of the operating system's profile calls.
QString GetProfileString(const QString &file, const QString &section, const QString &key, const QString &def);
int GetProfileInt(const QString &file, const QString &section, const QString &key, int def);
void WriteProfileString(const QString &file, const QString &section, const QString &key, const QString &value);

} // namespace zelmor
