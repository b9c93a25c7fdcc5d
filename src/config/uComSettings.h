#pragma once
// The settings record and its INI file, with the shared directory and naming helpers.
#include "platform/ServiceEndpoints.h"

#include <QString>
#include <cstdint>

namespace zelmor {

struct TComSettings {
    QString Id;
    QString ZelmorId;
    int LoginNumber = 0;
    std::uint8_t Country = 0;
    int Language = -1;
    std::uint8_t ConnectionType = 2;
    std::uint8_t Zelmor1Access = 0;
    QString Zelmor1Modem;
    QString Zelmor1PhoneNumber;
    QString Zelmor1ComNumber;
    QString Zelmor1InitString = QStringLiteral("ATZE0");
    QString Zelmor1DialString = QStringLiteral("ATDT");
    QString Zelmor2Device;
    QString Zelmor2PhoneNumber = QStringLiteral("Zelmor2");
    std::uint8_t InternetAccess = 0;
    QString RasProvider;
    QString ContractEndDate;
    QString FtpPort = QStringLiteral("ftp");
    int SessionsLeft = 0;
    QString SessionId = QStringLiteral("*FIRST*");
    QString FtpClientMethod = QStringLiteral("APRO");
    bool ExtraInfo = false;
};

// Fills the record from the identity file and the INI file, then writes it back.
void ReadSettings(TComSettings &settings);
// Writes the identity file and every INI key the client owns.
void WriteSettings(const TComSettings &settings);

// The client's data directory and the data-exchange directory, each with a trailing separator.
QString BaseDir();
QString ExchangeDir();
// The INI file: the program's name with ".ini", in BaseDir.
QString IniFileName();
// The service's addresses, as the INI file's [SERVICE] section overrides them.
TServiceEndpoints ServiceEndpoints();

// A path in dir for fileName that names no existing file.
QString UniqueFileName(const QString &dir, const QString &fileName);
// The dial number with its placeholders replaced by the service's default numbers.
QString ExpandDialNumber(const QString &number);

} // namespace zelmor
