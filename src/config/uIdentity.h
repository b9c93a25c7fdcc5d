#pragma once
// The identity file, the country table and the command-line switches.
#include <QString>
#include <cstdint>

namespace zelmor {

inline const QString kIdentityFileName = QStringLiteral("KSCOMWKS.USR");

struct TCountryFormat {
    std::uint8_t Country = 0;
    QString Prefix;
    int Code = 0;
    bool Numeric = false;
    int Length = 0;
};

constexpr int kCountryCount = 6;
extern const TCountryFormat CountryFormats[kCountryCount];

// The path of the identity file in BaseDir.
QString IdentityFileName();
// A missing file gives an empty ID and 0; a short or unreadable one raises EInOutError.
void ReadIdentityFile(QString &zelmorId, int &loginNumber);
// Raises ERangeError for a login number outside 0..65535 (file untouched), EInOutError on failure.
void WriteIdentityFile(const QString &zelmorId, int loginNumber);

// The text after "/name=" up to the next blank; empty when the key is missing.
QString GetSwitchValue(const QString &name, const QString &commandLine);
// Stores the identity given by /COUNTRY=, /HERDNUMBER= and /SERIAL= (upper-cased line).
void StoreCommandLineIdentity(const QString &commandLine);

// Leaves format as it is when no row has the index.
void GetCountryFormat(int country, TCountryFormat &format);
bool IsAllDigits(const QString &text);
QString FormatZelmorId(int country, const QString &holdingNumber);

// The holding-number check of the settings window: an empty message means the number is
// fine and zelmorId holds the service ID it makes.
struct THoldingNumberCheck {
    QString Message; // Dutch, untranslated
    QString ZelmorId;
};
THoldingNumberCheck CheckHoldingNumber(int country, const QString &text);
// The check applied to the settings window's record: without a message the new service ID is
// stored, and a changed service ID starts again from the first session ID. Returns the message.
QString ApplyHoldingNumber(struct TComSettings &settings, int country, const QString &text);

} // namespace zelmor
