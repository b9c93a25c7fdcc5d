#include "uComSettings.h"

#include "uIdentity.h"

#include "platform/FileUtils.h"
#include "platform/Profile.h"
#include "platform/SharedFolders.h"

#include <QFileInfo>

namespace zelmor {

namespace {

const QString kGeneral = QStringLiteral("GENERAL");
const QString kZelmor1 = QStringLiteral("ZELMOR1");
const QString kZelmor2 = QStringLiteral("ZELMOR2");
const QString kInternet = QStringLiteral("INTERNET");

// Replaces the first occurrence, comparing case exactly.
QString ReplaceFirst(QString text, const QString &what, const QString &with)
{
    const int at = text.indexOf(what, 0, Qt::CaseSensitive);
    if (at >= 0)
        text.replace(at, what.size(), with);
    return text;
}

} // namespace

QString BaseDir()
{
    return WithSeparator(FindPath(SharedDocumentsDir(), QStringLiteral("ZELMOR")));
}

QString ExchangeDir()
{
    return WithSeparator(FindPath(SharedDocumentsDir(), QStringLiteral("DATAXCH")));
}

QString IniFileName()
{
    return FindPath(BaseDir(), ProgramBaseName() + QStringLiteral(".ini"));
}

TServiceEndpoints ServiceEndpoints()
{
    return ReadServiceEndpoints(IniFileName());
}

void ReadSettings(TComSettings &s)
{
    const TProfileFile ini(IniFileName());
    ReadIdentityFile(s.ZelmorId, s.LoginNumber);
    const QString fallbackDevice = ini.ReadString(QStringLiteral("COMINST"), QStringLiteral("DEVICE"), QString());
    const QString fallbackNumber = ini.ReadString(QStringLiteral("COMINST"), QStringLiteral("NUMBER"), QString());

    const int country = ini.ReadInteger(kGeneral, QStringLiteral("COUNTRY"), 0);
    // Negative values would land as their low byte; they are as invalid as values above 5.
    s.Country = static_cast<std::uint8_t>(country >= 0 && country <= 5 ? country : 5);
    s.Language = ini.ReadInteger(kGeneral, QStringLiteral("LANGUAGE"), -1);
    s.Id = ini.ReadString(kGeneral, QStringLiteral("ID"), QString());
    if (s.Country != 0) {
        s.ZelmorId = ini.ReadString(kGeneral, QStringLiteral("ZelmorID"), QString());
    } else if (s.Id.isEmpty() && s.ZelmorId.startsWith(QLatin1String("ZM"))) {
        QString id = s.ZelmorId.mid(2, 7);
        while (id.startsWith('0'))
            id.remove(0, 1);
        s.Id = id;
    }
    s.ConnectionType = static_cast<std::uint8_t>(ini.ReadInteger(kGeneral, QStringLiteral("Connectiontype"), 2));

    s.Zelmor1PhoneNumber = ini.ReadString(kZelmor1, QStringLiteral("PHONENUMBER"), QString());
    if (s.Zelmor1PhoneNumber.isEmpty())
        s.Zelmor1PhoneNumber = fallbackNumber;
    s.Zelmor1Access = static_cast<std::uint8_t>(ini.ReadInteger(kZelmor1, QStringLiteral("ACCESS"), 0));
    s.Zelmor1Modem = ini.ReadString(kZelmor1, QStringLiteral("MODEM"), QString());
    if (s.Zelmor1Modem.isEmpty())
        s.Zelmor1Modem = fallbackDevice;
    s.Zelmor1ComNumber = ini.ReadString(kZelmor1, QStringLiteral("COMNUMBER"), QString());
    s.Zelmor1InitString = ini.ReadString(kZelmor1, QStringLiteral("INITSTRING"), QStringLiteral("ATZE0"));
    s.Zelmor1DialString = ini.ReadString(kZelmor1, QStringLiteral("DIALSTRING"), QStringLiteral("ATDT"));

    s.Zelmor2Device = ini.ReadString(kZelmor2, QStringLiteral("DEVICE"), QString());
    s.Zelmor2PhoneNumber = ini.ReadString(kZelmor2, QStringLiteral("PHONENUMBER"), QStringLiteral("Zelmor2"));

    s.InternetAccess = static_cast<std::uint8_t>(ini.ReadInteger(kInternet, QStringLiteral("ACCESS"), 0));
    s.RasProvider = ini.ReadString(kInternet, QStringLiteral("RASPROVIDER"), QString());
    s.FtpPort = ini.ReadString(kInternet, QStringLiteral("FTPPORT"), QStringLiteral("ftp"));
    s.SessionId = ini.ReadString(kInternet, QStringLiteral("SESSIONID"), QStringLiteral("*FIRST*"));

    s.ContractEndDate = ini.ReadString(QStringLiteral("CONTRACT"), QStringLiteral("ENDDATE"), QString());
    s.SessionsLeft = ini.ReadInteger(QStringLiteral("CONTRACT"), QStringLiteral("SESSIONSLEFT"), 0);

    s.FtpClientMethod = ini.ReadString(QStringLiteral("FTPCLIENT"), QStringLiteral("METHOD"), QStringLiteral("APRO"));
    s.ExtraInfo = ini.ReadBool(kGeneral, QStringLiteral("EXTRAINFO"), false);

    WriteSettings(s);
}

void WriteSettings(const TComSettings &s)
{
    WriteIdentityFile(s.ZelmorId, s.LoginNumber);
    TProfileFile ini(IniFileName());
    ini.WriteString(kGeneral, QStringLiteral("ZELMORID"), s.ZelmorId);
    ini.WriteInteger(kGeneral, QStringLiteral("COUNTRY"), s.Country);
    ini.WriteInteger(kGeneral, QStringLiteral("LANGUAGE"), s.Language);
    ini.WriteString(kGeneral, QStringLiteral("ID"), s.Id);
    ini.WriteInteger(kGeneral, QStringLiteral("Connectiontype"), s.ConnectionType);
    ini.WriteString(kZelmor1, QStringLiteral("PHONENUMBER"), s.Zelmor1PhoneNumber);
    ini.WriteInteger(kZelmor1, QStringLiteral("ACCESS"), s.Zelmor1Access);
    ini.WriteString(kZelmor1, QStringLiteral("MODEM"), s.Zelmor1Modem);
    ini.WriteString(kZelmor1, QStringLiteral("COMNUMBER"), s.Zelmor1ComNumber);
    ini.WriteString(kZelmor1, QStringLiteral("INITSTRING"), s.Zelmor1InitString);
    ini.WriteString(kZelmor1, QStringLiteral("DIALSTRING"), s.Zelmor1DialString);
    ini.WriteString(kZelmor2, QStringLiteral("DEVICE"), s.Zelmor2Device);
    ini.WriteString(kZelmor2, QStringLiteral("PHONENUMBER"), s.Zelmor2PhoneNumber);
    ini.WriteInteger(kInternet, QStringLiteral("ACCESS"), s.InternetAccess);
    ini.WriteString(kInternet, QStringLiteral("RASPROVIDER"), s.RasProvider);
    ini.WriteString(kInternet, QStringLiteral("FTPPORT"), s.FtpPort);
    ini.WriteString(kInternet, QStringLiteral("SESSIONID"), s.SessionId);
    ini.WriteString(QStringLiteral("FTPCLIENT"), QStringLiteral("METHOD"), s.FtpClientMethod);
    ini.WriteBool(kGeneral, QStringLiteral("EXTRAINFO"), s.ExtraInfo);
    ini.Flush();
}

QString UniqueFileName(const QString &dir, const QString &fileName)
{
    const QString name = QFileInfo(QString(fileName).replace('\\', '/')).fileName();
    const int firstDot = name.indexOf('.');
    const QString stem = firstDot < 0 ? name : name.left(firstDot);
    const int lastDot = fileName.lastIndexOf('.');
    // The extension is taken from the given name, so a dot in a folder part would count;
    // only a dot within the file name itself makes an extension here.
    const QString ext = lastDot >= 0 && fileName.size() - lastDot <= name.size() ? fileName.mid(lastDot) : QString();
    const QString base = WithSeparator(dir);
    QString candidate = base + stem + ext;
    for (long n = 0; QFileInfo::exists(candidate); ++n)
        candidate = base + stem + '_' + QString::number(n) + ext;
    return candidate;
}

QString ExpandDialNumber(const QString &number)
{
    const TServiceEndpoints e = ServiceEndpoints();
    QString r = ReplaceFirst(number, QStringLiteral("Zelmor 1"), e.Zelmor1Number);
    r = ReplaceFirst(r, QStringLiteral("Zelmor1"), e.Zelmor1Number);
    r = ReplaceFirst(r, QStringLiteral("Zelmor 2"), e.Zelmor2Number);
    return ReplaceFirst(r, QStringLiteral("Zelmor2"), e.Zelmor2Number);
}

} // namespace zelmor
