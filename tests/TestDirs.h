#pragma once
// A fresh shared documents folder for each test, so nothing of the user's is touched.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct TSharedDocs {
    QTemporaryDir dir;
    TSharedDocs() { qputenv("ZELMOR_SHARED_DOCS", dir.path().toUtf8()); }
    QString Base() const { return dir.path() + QStringLiteral("/ZELMOR/"); }
    void MakeBase() const { QDir().mkpath(Base()); }
};

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(data);
}
