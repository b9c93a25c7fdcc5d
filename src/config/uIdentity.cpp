#include "uIdentity.h"

#include "uComSettings.h"

#include "platform/Errors.h"
#include "platform/FileUtils.h"

#include <QFile>

namespace zelmor {

const TCountryFormat CountryFormats[kCountryCount] = {
    {0, QStringLiteral("ZM"), 528, true, 7},
    {1, QStringLiteral("BE"), 56, true, 10},
    {2, QStringLiteral("UK"), 826, true, 10},
    {3, QStringLiteral("DK"), 208, true, 8},
    {4, QStringLiteral("GE"), 276, true, 15},
    {5, QStringLiteral("GL"), 0, true, 15},
};

namespace {
constexpr int kRecordSize = 12;
constexpr int kIdSize = 10;
} // namespace

QString IdentityFileName()
{
    return FindPath(BaseDir(), kIdentityFileName);
}

void ReadIdentityFile(QString &zelmorId, int &loginNumber)
{
    zelmorId.clear();
    loginNumber = 0;
    const QString path = IdentityFileName();
    if (!QFile::exists(path))
        return;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
    const QByteArray rec = f.read(kRecordSize);
    if (rec.size() < kRecordSize)
        throw EInOutError(QStringLiteral("Read beyond end of file \"%1\"").arg(path));
    const int nul = rec.left(kIdSize).indexOf('\0');
    zelmorId = QString::fromLatin1(rec.left(nul < 0 ? kIdSize : nul));
    loginNumber = quint8(rec[10]) | (quint8(rec[11]) << 8);
}

void WriteIdentityFile(const QString &zelmorId, int loginNumber)
{
    if (loginNumber < 0 || loginNumber > 65535)
        throw ERangeError(QStringLiteral("Range check error: login number %1").arg(loginNumber));
    QByteArray rec(kRecordSize, '\0');
    const QByteArray id = zelmorId.toLatin1().left(kIdSize);
    for (int i = 0; i < id.size(); ++i)
        rec[i] = id[i];
    rec[10] = char(loginNumber & 0xFF);
    rec[11] = char((loginNumber >> 8) & 0xFF);
    const QString path = IdentityFileName();
    if (!WriteFileAtomically(path, rec))
        throw EInOutError(QStringLiteral("Cannot write file \"%1\"").arg(path));
}

QString GetSwitchValue(const QString &name, const QString &commandLine)
{
    const QString key = '/' + name + '=';
    const int at = commandLine.indexOf(key);
    if (at < 0)
        return QString();
    const int start = at + key.size();
    int end = commandLine.indexOf(' ', start);
    if (end < 0)
        end = commandLine.size();
    return commandLine.mid(start, end - start);
}

void StoreCommandLineIdentity(const QString &commandLine)
{
    const QString countryText = GetSwitchValue(QStringLiteral("COUNTRY"), commandLine);
    const QString holding = GetSwitchValue(QStringLiteral("HERDNUMBER"), commandLine);
    TComSettings s;
    ReadSettings(s);
    bool ok = false;
    int code = countryText.toInt(&ok);
    if (!ok)
        code = 0;
    const TCountryFormat *row = nullptr;
    for (const TCountryFormat &f : CountryFormats)
        if (f.Code == code) {
            row = &f;
            break;
        }
    s.ConnectionType = 2;
    if (row) {
        s.Country = row->Country;
        s.Id = holding;
        s.ZelmorId = FormatZelmorId(s.Country, holding);
    } else {
        s.Country = 5;
    }
    WriteSettings(s);
}

void GetCountryFormat(int country, TCountryFormat &format)
{
    for (const TCountryFormat &f : CountryFormats)
        if (f.Country == country) {
            format = f;
            return;
        }
}

bool IsAllDigits(const QString &text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString FormatZelmorId(int country, const QString &holdingNumber)
{
    TCountryFormat format;
    GetCountryFormat(country, format);
    if (format.Numeric && !IsAllDigits(holdingNumber))
        return QString();
    QString t = holdingNumber.trimmed();
    if (t.size() < format.Length)
        t = QString(format.Length - t.size(), QLatin1Char('0')) + t;
    return format.Prefix + t;
}

THoldingNumberCheck CheckHoldingNumber(int country, const QString &text)
{
    TCountryFormat format;
    GetCountryFormat(country, format);
    THoldingNumberCheck r;
    if (format.Numeric && !IsAllDigits(text))
        r.Message = QStringLiteral("Uw UBN nummer is niet numeriek !");
    if (text.size() > format.Length)
        r.Message = QStringLiteral("Uw UBN nummer is te lang !");
    if (r.Message.isEmpty())
        r.ZelmorId = FormatZelmorId(country, text);
    return r;
}

QString ApplyHoldingNumber(TComSettings &settings, int country, const QString &text)
{
    const THoldingNumberCheck check = CheckHoldingNumber(country, text);
    if (!check.Message.isEmpty())
        return check.Message;
    if (check.ZelmorId != settings.ZelmorId)
        settings.SessionId = QStringLiteral("*FIRST*");
    settings.ZelmorId = check.ZelmorId;
    return QString();
}

} // namespace zelmor
