#include "ServiceEndpoints.h"

#include "Profile.h"

namespace zelmor {

TServiceEndpoints DefaultServiceEndpoints()
{
    TServiceEndpoints e;
    e.FtpHost = QStringLiteral("ftp.zelmor.example");
    e.Zelmor1Number = QStringLiteral("09001234561");
    e.Zelmor2Number = QStringLiteral("09001234562");
    e.MailHost = QStringLiteral("mail.zelmor.example");
    e.MailPort = 25;
    e.MailDomain = QStringLiteral("zelmor.example");
    e.Helpdesk = QStringLiteral("helpdesk@zelmor.example");
    return e;
}

TServiceEndpoints ReadServiceEndpoints(const QString &iniFile)
{
    const TServiceEndpoints d = DefaultServiceEndpoints();
    const TProfileFile ini(iniFile);
    const QString s = QStringLiteral("SERVICE");
    TServiceEndpoints e;
    e.FtpHost = ini.ReadString(s, QStringLiteral("FTPHOST"), d.FtpHost);
    e.Zelmor1Number = ini.ReadString(s, QStringLiteral("ZELMOR1NUMBER"), d.Zelmor1Number);
    e.Zelmor2Number = ini.ReadString(s, QStringLiteral("ZELMOR2NUMBER"), d.Zelmor2Number);
    e.MailHost = ini.ReadString(s, QStringLiteral("MAILHOST"), d.MailHost);
    e.MailPort = ini.ReadInteger(s, QStringLiteral("MAILPORT"), d.MailPort);
    e.MailDomain = ini.ReadString(s, QStringLiteral("MAILDOMAIN"), d.MailDomain);
    e.Helpdesk = ini.ReadString(s, QStringLiteral("HELPDESK"), d.Helpdesk);
    return e;
}

} // namespace zelmor
