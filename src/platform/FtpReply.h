#pragma once
// FTP replies from a byte stream: whole replies out of pieces, "DDD-" ... "DDD " multi-line
// replies, bare LF accepted, over-long and garbled lines refused. A pure function of the bytes.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zelmor {

struct TFtpReply {
    int Code = 0;
    QStringList Lines;
    bool Preliminary() const { return Code >= 100 && Code < 200; }
    bool Positive() const { return Code >= 200 && Code < 400; }
    QString Text() const { return Lines.join(QLatin1Char('\n')); }
};

class TFtpReplyParser {
public:
    static constexpr int kMaxLine = 8192;
    // Appends the replies completed by bytes to out; false (with the reason) when the
    // stream is not FTP. After a failure the parser refuses everything until Reset.
    bool Feed(const QByteArray &bytes, QList<TFtpReply> &out, QString *error = nullptr);
    void Reset();

private:
    bool TakeLine(const QByteArray &line, QList<TFtpReply> &out, QString *error);
    QByteArray m_pending;
    TFtpReply m_multi;
    bool m_inMulti = false;
    bool m_failed = false;
};

} // namespace zelmor
