#pragma once
// The error log: framed reports appended to "<program>_Err.log".
#include <QFile>
#include <QString>

namespace zelmor {

class TSimpleExceptionLog {
public:
    // An empty name means the default error log.
    explicit TSimpleExceptionLog(const QString &fileName = QString());
    ~TSimpleExceptionLog() { Close(); }

    bool Open();
    void Close();
    void WriteHeader(int width);
    void WriteText(const QString &text, int indent);
    QString FileName() const { return m_file.fileName(); }
    bool IsOpen() const { return m_file.isOpen(); }

    // "log" beside the program; where that cannot be written, the data directory's "log".
    static QString DefaultFileName();

private:
    void WriteLine(const QString &line);
    QFile m_file;
    bool m_empty = false;
};

} // namespace zelmor
