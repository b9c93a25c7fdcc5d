#include "ZipReader.h"

#include "Errors.h"
#include "FileUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <zip.h>

#include <sys/stat.h>

namespace zelmor {

namespace {

constexpr qint64 kChunk = 256 * 1024;

QString ZipErrorText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

} // namespace

TZipReader::~TZipReader() { Close(); }

void TZipReader::Close()
{
    if (m_zip) {
        zip_discard(m_zip);
        m_zip = nullptr;
    }
}

void TZipReader::Open(const QString &fileName)
{
    Close();
    m_fileName = fileName;
    int error = 0;
    m_zip = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY, &error);
    if (!m_zip)
        throw EZipError(QStringLiteral("Cannot open archive \"%1\": %2").arg(fileName, ZipErrorText(error)));
}

int TZipReader::Count() const { return m_zip ? int(zip_get_num_entries(m_zip, 0)) : 0; }

QString TZipReader::EntryPath(int index) const
{
    const char *name = zip_get_name(m_zip, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
    return name ? QString::fromUtf8(name) : QString();
}

bool TZipReader::IsDirectory(int index) const
{
    const QString p = EntryPath(index);
    return p.endsWith(QLatin1Char('/')) || p.endsWith(QLatin1Char('\\'));
}

QString TZipReader::EntryName(int index) const
{
    const QString p = EntryPath(index);
    const int cut = qMax(p.lastIndexOf(QLatin1Char('/')), p.lastIndexOf(QLatin1Char('\\')));
    return p.mid(cut + 1);
}

std::uint64_t TZipReader::EntrySize(int index) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        throw EZipError(QStringLiteral("Damaged archive \"%1\": entry %2 unreadable").arg(m_fileName).arg(index));
    return st.size;
}

namespace {

// Streams one entry to sink, checking the declared size; sink returns false on failure.
template <typename Sink>
void ReadEntry(zip *z, int index, std::uint64_t declared, const QString &archive, const QString &name, Sink &&sink)
{
    zip_file_t *f = zip_fopen_index(z, zip_uint64_t(index), 0);
    if (!f)
        throw EZipError(QStringLiteral("Damaged archive \"%1\": %2: %3")
                            .arg(archive, name, QString::fromLocal8Bit(zip_strerror(z))));
    QByteArray buffer(kChunk, Qt::Uninitialized);
    std::uint64_t total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(f, buffer.data(), zip_uint64_t(buffer.size()));
        if (n < 0) {
            const QString why = QString::fromLocal8Bit(zip_file_strerror(f));
            zip_fclose(f);
            throw EZipError(QStringLiteral("Damaged archive \"%1\": %2: %3").arg(archive, name, why));
        }
        if (n == 0)
            break;
        total += std::uint64_t(n);
        // More than declared is a lie about the size (a zip bomb); stop before the disk fills.
        if (total > declared) {
            zip_fclose(f);
            throw EZipError(QStringLiteral("Damaged archive \"%1\": %2 is larger than it declares").arg(archive, name));
        }
        if (!sink(buffer.constData(), qint64(n))) {
            zip_fclose(f);
            throw EInOutError(QStringLiteral("Cannot write %1 from \"%2\"").arg(name, archive));
        }
    }
    zip_fclose(f);
    if (total != declared)
        throw EZipError(QStringLiteral("Damaged archive \"%1\": %2 is shorter than it declares").arg(archive, name));
}

} // namespace

QByteArray TZipReader::ExtractToMemory(int index, std::uint64_t maxSize) const
{
    const std::uint64_t size = EntrySize(index);
    if (size > maxSize)
        throw EZipError(QStringLiteral("Entry %1 of \"%2\" declares %3 bytes, more than the %4 allowed")
                            .arg(EntryName(index), m_fileName).arg(size).arg(maxSize));
    QByteArray data;
    data.reserve(qsizetype(size));
    ReadEntry(m_zip, index, size, m_fileName, EntryName(index), [&](const char *p, qint64 n) {
        data.append(p, n);
        return true;
    });
    return data;
}

void TZipReader::ExtractToFile(int index, const QString &path) const
{
    const std::uint64_t size = EntrySize(index);
    const QFileInfo target(path);
    // Written beside the target under a hidden name, so nobody picks up half a file.
    QTemporaryFile tmp(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!tmp.open())
        throw EInOutError(QStringLiteral("Cannot create a file in \"%1\": %2").arg(target.absolutePath(), tmp.errorString()));
    ReadEntry(m_zip, index, size, m_fileName, EntryName(index), [&](const char *p, qint64 n) { return tmp.write(p, n) == n; });
    if (!tmp.flush())
        throw EInOutError(QStringLiteral("Cannot write \"%1\": %2").arg(path, tmp.errorString()));
    tmp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw EInOutError(QStringLiteral("Cannot replace \"%1\"").arg(path));
    if (!tmp.rename(path))
        throw EInOutError(QStringLiteral("Cannot place \"%1\": %2").arg(path, tmp.errorString()));
    tmp.setAutoRemove(false);
}

void TZipReader::ExtractAllFlat(const QString &dir) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString name = EntryName(i);
        if (IsDirectory(i) || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const QString path = WithSeparator(dir) + name;
        ExtractToFile(i, path);
        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(m_zip, zip_uint64_t(i), 0, &opsys, &attributes) == 0 &&
            opsys == ZIP_OPSYS_UNIX) {
            const mode_t mode = (attributes >> 16) & 07777;
            if (mode != 0)
                ::chmod(QFile::encodeName(path).constData(), mode);
        } else if (opsys == ZIP_OPSYS_DOS && (attributes & 0x01)) {
            // DOS read-only attribute
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
}

} // namespace zelmor
