#pragma once
#include <QDateTime>
#include <QString>

namespace zelmor {

// The user's short date, a blank and the long time (hours, minutes, seconds); the time is
// left out when the value is midnight exactly. Day-month-year where the system has no
// regional settings of its own.
QString FormatTimeStamp(const QDateTime &when);

} // namespace zelmor
