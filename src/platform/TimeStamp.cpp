#include "TimeStamp.h"

#include <QLocale>

namespace zelmor {

namespace {

// The long time without a time zone, as a time stamp shows it.
QString TimeFormat(const QLocale &locale)
{
    QString f = locale.timeFormat(QLocale::LongFormat);
    f.remove(QLatin1Char('t'));
    return f.trimmed();
}

} // namespace

QString FormatTimeStamp(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    const bool regional = locale.language() != QLocale::C;
    const QString date = regional ? locale.toString(when.date(), QLocale::ShortFormat)
                                  : when.date().toString(QStringLiteral("dd-MM-yyyy"));
    if (when.time() == QTime(0, 0))
        return date;
    const QString time = regional ? locale.toString(when.time(), TimeFormat(locale))
                                  : when.time().toString(QStringLiteral("HH:mm:ss"));
    return date + QLatin1Char(' ') + time;
}

} // namespace zelmor
