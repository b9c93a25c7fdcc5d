#pragma once
#include <QString>

namespace zelmor {

// Leading and trailing blanks and control characters removed, as the service's files expect.
inline QString TrimControls(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= ' ')
        ++b;
    while (e > b && s[e - 1].unicode() <= ' ')
        --e;
    return s.mid(b, e - b);
}

} // namespace zelmor
