#pragma once
// A bounded, time-stamped text log: newest line first, read once when created and written
// once when closed.
#include <QString>
#include <QStringList>

namespace zelmor {

class TLogFile {
public:
    explicit TLogFile(const QString &fileName);
    // Writes the log if Close has not; a failure there can only be reported as a warning.
    ~TLogFile();
    TLogFile(const TLogFile &) = delete;
    TLogFile &operator=(const TLogFile &) = delete;

    void Add(const QString &text);
    // Adds the end marker and replaces the file; raises EInOutError when it cannot be written.
    void Close();
    // The owner's last line, then Close.
    void CloseWith(const QString &lastLine)
    {
        Add(lastLine);
        Close();
    }

    const QStringList &Lines() const { return m_lines; }
    QString FileName() const { return m_fileName; }
    int MaxLines() const { return m_maxLines; }

private:
    static QString Stamped(const QString &text);
    QStringList m_lines;
    QString m_fileName;
    int m_maxLines = 500;
    bool m_closed = false;
};

// The log directory below the data directory, with a trailing separator.
QString LogDir();

} // namespace zelmor
