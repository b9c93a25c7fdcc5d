#pragma once
// Post files: ".out" files in the post directory whose "FILE:" lines name files to send.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace zelmor {

class TPostFile : public QStringList {
public:
    QString FileName;
    bool AllSent = true;
    // Stores path and appends the names of its "FILE:" lines; raises EInOutError.
    void ReadPostFile(const QString &path);
};

class TPostFileList {
public:
    // Appends a post file for every "*.out" file of the directory, in listing order. A post
    // file that cannot be read raises EInOutError, or, when onError is given, is reported
    // there and left out.
    void Collect(const QString &directory,
                 const std::function<void(const QString &path, const QString &message)> &onError = {});
    TPostFile &Items(int index) { return *m_items.at(index); }
    int Count() const { return int(m_items.size()); }
    void Delete(int index) { m_items.erase(m_items.begin() + index); }
    void Clear() { m_items.clear(); }

private:
    std::vector<std::unique_ptr<TPostFile>> m_items;
};

// The name a "FILE:" line gives, or a null string for any other line.
QString PostFileName(const QString &line);

} // namespace zelmor
