#include "FtpReply.h"

namespace zelmor {

namespace {

int CodeOf(const QByteArray &line)
{
    if (line.size() < 3)
        return -1;
    for (int i = 0; i < 3; ++i)
        if (line[i] < '0' || line[i] > '9')
            return -1;
    if (line[0] < '1' || line[0] > '5')
        return -1;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

} // namespace

void TFtpReplyParser::Reset()
{
    m_pending.clear();
    m_multi = TFtpReply();
    m_inMulti = false;
    m_failed = false;
}

bool TFtpReplyParser::Feed(const QByteArray &bytes, QList<TFtpReply> &out, QString *error)
{
    if (m_failed) {
        if (error)
            *error = QStringLiteral("reply stream already refused");
        return false;
    }
    m_pending += bytes;
    qsizetype start = 0;
    for (;;) {
        const qsizetype lf = m_pending.indexOf('\n', start);
        if (lf < 0)
            break;
        QByteArray line = m_pending.mid(start, lf - start);
        start = lf + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > kMaxLine || !TakeLine(line, out, error)) {
            if (line.size() > kMaxLine && error)
                *error = QStringLiteral("reply line longer than %1 bytes").arg(kMaxLine);
            m_failed = true;
            return false;
        }
    }
    m_pending.remove(0, start);
    if (m_pending.size() > kMaxLine) {
        if (error)
            *error = QStringLiteral("reply line longer than %1 bytes").arg(kMaxLine);
        m_failed = true;
        return false;
    }
    return true;
}

bool TFtpReplyParser::TakeLine(const QByteArray &line, QList<TFtpReply> &out, QString *error)
{
    const QString text = QString::fromLatin1(line);
    const int code = CodeOf(line);
    if (m_inMulti) {
        m_multi.Lines << text;
        // The reply ends with the same code followed by a blank (or nothing).
        if (code == m_multi.Code && (line.size() == 3 || line[3] == ' ')) {
            out << m_multi;
            m_multi = TFtpReply();
            m_inMulti = false;
        }
        return true;
    }
    if (code < 0 || (line.size() > 3 && line[3] != ' ' && line[3] != '-')) {
        if (error)
            *error = QStringLiteral("garbled reply: %1").arg(text.left(80));
        return false;
    }
    if (line.size() > 3 && line[3] == '-') {
        m_inMulti = true;
        m_multi.Code = code;
        m_multi.Lines = QStringList{text};
        return true;
    }
    TFtpReply r;
    r.Code = code;
    r.Lines << text;
    out << r;
    return true;
}

} // namespace zelmor
