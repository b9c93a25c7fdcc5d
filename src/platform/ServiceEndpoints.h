#pragma once
// Where the service lives. Compiled-in defaults that the INI file's [SERVICE] section may
// override; the client reads them and never writes them back.
#include <QString>

namespace zelmor {

struct TServiceEndpoints {
    QString FtpHost;
    QString Zelmor1Number; // default dial-in number of the modem server
    QString Zelmor2Number; // default dial-in number of the dial-up server
    QString MailHost;
    int MailPort = 25;
    QString MailDomain;
    QString Helpdesk;
};

TServiceEndpoints DefaultServiceEndpoints();
TServiceEndpoints ReadServiceEndpoints(const QString &iniFile);

} // namespace zelmor
