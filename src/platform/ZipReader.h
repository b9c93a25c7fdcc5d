#pragma once
// Reading zip archives: entries, their names without folders and sizes, extraction into
// memory or into a file, and extraction of all entries flattened into one folder. Every
// extraction checks that it yields exactly the size the archive declares.
#include <QByteArray>
#include <QString>
#include <cstdint>

struct zip;

namespace zelmor {

class TZipReader {
public:
    TZipReader() = default;
    ~TZipReader();
    TZipReader(const TZipReader &) = delete;
    TZipReader &operator=(const TZipReader &) = delete;

    // Opens the archive and reads its directory; raises EZipError.
    void Open(const QString &fileName);
    void Close();
    QString FileName() const { return m_fileName; }

    int Count() const;
    // The entry's name without any folder part; empty for folder entries.
    QString EntryName(int index) const;
    QString EntryPath(int index) const; // as stored
    bool IsDirectory(int index) const;
    std::uint64_t EntrySize(int index) const;

    // The whole entry; raises EZipError when it declares more than maxSize bytes.
    QByteArray ExtractToMemory(int index, std::uint64_t maxSize) const;
    // Writes the entry to path through a temporary file beside it, renamed into place when
    // complete, replacing any file of that name; raises EZipError or EInOutError.
    void ExtractToFile(int index, const QString &path) const;
    // Every file entry into dir under its bare name, replacing existing files, with the
    // permissions the archive stores for it.
    void ExtractAllFlat(const QString &dir) const;

private:
    zip *m_zip = nullptr;
    QString m_fileName;
};

} // namespace zelmor
