#pragma once
// The work on the files an FTP session fetched: ".zzf" archives unpacked where their
// instruction entries say, ".zif" user-info files merged into the settings.
#include "platform/Callbacks.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace zelmor {

class TLogFile;
class TZipReader;

struct TUnzipOptions {
    QString DestPath;
    std::uint8_t CreateMode = 0; // 0 replace, 1 keep and number the new file
    std::uint8_t ExecMode = 0;   // 0 no, 1 start visible, 2 start hidden
};

class TProcessFiles : public QObject {
    Q_OBJECT
public:
    explicit TProcessFiles(QObject *owner = nullptr);
    ~TProcessFiles() override;

    void SetOnStatusLine(TTextEvent f) { OnStatusLine = std::move(f); }
    // Raises the first error it meets; the archive being processed then stays for next time.
    void Execute();
    // Adds the closing line and writes the log; raises EInOutError when it cannot.
    void CloseLog();

    // One instruction line for one entry: where it goes and how (the Windows form of the
    // target, before it is mapped); an empty DestPath when the line names no usable target.
    static TUnzipOptions ParseLine(const QString &line, const QString &incomingDir);
    // The free numbered name for path: extension .000, then .001, ... .999, .1000.
    static QString NumberedName(const QString &path);

private:
    void ProcessArchive(const QString &path);
    void WriteEntry(int index, const TUnzipOptions &options);
    void ProcessUserInfo(const QString &path);
    QString ResolveTarget(const QString &windowsTarget) const;
    void Status(const QString &text);

    std::unique_ptr<TZipReader> m_zip;
    std::unique_ptr<TLogFile> m_log;
    TTextEvent OnStatusLine;
    QString m_incoming;
};

} // namespace zelmor
