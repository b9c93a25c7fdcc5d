#include "TestDirs.h"

#include "config/uComSettings.h"
#include "config/uIdentity.h"
#include "platform/Errors.h"
#include "platform/Profile.h"
#include "platform/SharedFolders.h"

#include <QtTest>

using namespace zelmor;

namespace {

QByteArray IdentityRecord(const QByteArray &id, int login)
{
    QByteArray rec(12, '\0');
    rec.replace(0, qMin<int>(id.size(), 10), id.left(10));
    rec[10] = char(login & 0xFF);
    rec[11] = char(login >> 8);
    return rec;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void noIniGivesDefaultsAndWritesEveryKey();
    void readRules_data();
    void readRules();
    void identityFile();
    void identityFileErrors();
    void commandLineIdentity_data();
    void commandLineIdentity();
    void switchValue_data();
    void switchValue();
    void holdingNumberCheck_data();
    void holdingNumberCheck();
    void uniqueFileName();
    void expandDialNumber_data();
    void expandDialNumber();
};

void TestSettings::noIniGivesDefaultsAndWritesEveryKey()
{
    TSharedDocs docs;
    docs.MakeBase();
    TComSettings s;
    s.ConnectionType = 9;
    s.FtpPort = "x";
    ReadSettings(s);
    QCOMPARE(s.ConnectionType, std::uint8_t(2));
    QCOMPARE(s.Country, std::uint8_t(0));
    QCOMPARE(s.Language, -1);
    QCOMPARE(s.Zelmor1InitString, QString("ATZE0"));
    QCOMPARE(s.Zelmor1DialString, QString("ATDT"));
    QCOMPARE(s.FtpPort, QString("ftp"));
    QCOMPARE(s.SessionId, QString("*FIRST*"));
    QCOMPARE(s.FtpClientMethod, QString("APRO"));
    QCOMPARE(s.Zelmor2PhoneNumber, QString("Zelmor2"));
    QCOMPARE(s.ZelmorId, QString());
    QCOMPARE(s.LoginNumber, 0);
    QCOMPARE(ReadAll(IniFileName()),
             QByteArray("[GENERAL]\r\nZELMORID=\r\nCOUNTRY=0\r\nLANGUAGE=-1\r\nID=\r\nConnectiontype=2\r\nEXTRAINFO=0\r\n\r\n"
                        "[ZELMOR1]\r\nPHONENUMBER=\r\nACCESS=0\r\nMODEM=\r\nCOMNUMBER=\r\nINITSTRING=ATZE0\r\nDIALSTRING=ATDT\r\n\r\n"
                        "[ZELMOR2]\r\nDEVICE=\r\nPHONENUMBER=Zelmor2\r\n\r\n"
                        "[INTERNET]\r\nACCESS=0\r\nRASPROVIDER=\r\nFTPPORT=ftp\r\nSESSIONID=*FIRST*\r\n\r\n"
                        "[FTPCLIENT]\r\nMETHOD=APRO\r\n"));
    QCOMPARE(ReadAll(docs.Base() + "KSCOMWKS.USR"), QByteArray(12, '\0'));
    QVERIFY(IniFileName().endsWith("/ZELMOR/" + ProgramBaseName() + ".ini"));
}

void TestSettings::readRules_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("identity");
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("zelmorId");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("modem");

    QTest::newRow("country above 5") << QByteArray("[GENERAL]\nCOUNTRY=9\n") << QByteArray() << 5 << "" << "" << "" << "";
    QTest::newRow("country negative") << QByteArray("[GENERAL]\nCOUNTRY=-1\n") << QByteArray() << 5 << "" << "" << "" << "";
    QTest::newRow("country in hex") << QByteArray("[GENERAL]\nCOUNTRY=0x3\n") << QByteArray() << 3 << "" << "" << "" << "";
    QTest::newRow("id from identity file") << QByteArray() << IdentityRecord("ZM0012345", 7) << 0 << "12345" << "ZM0012345" << "" << "";
    QTest::newRow("all-zero id") << QByteArray() << IdentityRecord("ZM0000000", 0) << 0 << "" << "ZM0000000" << "" << "";
    QTest::newRow("foreign prefix") << QByteArray() << IdentityRecord("XY1234567", 0) << 0 << "" << "XY1234567" << "" << "";
    QTest::newRow("typed id kept") << QByteArray("[general]\nid=77\n") << IdentityRecord("ZM0012345", 0) << 0 << "77" << "ZM0012345" << "" << "";
    QTest::newRow("country 2 takes the INI id")
        << QByteArray("[GENERAL]\nCOUNTRY=2\nZELMORID=UK0000000042\n") << IdentityRecord("ZM0012345", 0) << 2 << ""
        << "UK0000000042" << "" << "";
    QTest::newRow("country 2 without key") << QByteArray("[GENERAL]\nCOUNTRY=2\n") << IdentityRecord("ZM0012345", 0) << 2
                                           << "" << "" << "" << "";
    QTest::newRow("COMINST fallbacks") << QByteArray("[COMINST]\nNUMBER=0,Zelmor 1\nDEVICE=Modem A\n[ZELMOR1]\nPHONENUMBER=\n")
                                       << QByteArray() << 0 << "" << "" << "0,Zelmor 1" << "Modem A";
    QTest::newRow("own values beat COMINST")
        << QByteArray("[COMINST]\nNUMBER=1\nDEVICE=A\n[ZELMOR1]\nPHONENUMBER=2\nMODEM=B\n") << QByteArray() << 0 << "" << ""
        << "2" << "B";
}

void TestSettings::readRules()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, identity);
    TSharedDocs docs;
    docs.MakeBase();
    if (!ini.isEmpty())
        WriteAll(IniFileName(), ini);
    if (!identity.isEmpty())
        WriteAll(docs.Base() + "kscomwks.usr", identity); // any letter case is the same file
    TComSettings s;
    ReadSettings(s);
    QTEST(int(s.Country), "country");
    QTEST(s.Id, "id");
    QTEST(s.ZelmorId, "zelmorId");
    QTEST(s.Zelmor1PhoneNumber, "phone");
    QTEST(s.Zelmor1Modem, "modem");
    // The write-back holds what was read, the fallbacks included, and a second read agrees.
    const TProfileFile written(IniFileName());
    QCOMPARE(written.ReadString("ZELMOR1", "PHONENUMBER", "?"), s.Zelmor1PhoneNumber);
    QCOMPARE(written.ReadInteger("GENERAL", "COUNTRY", -7), int(s.Country));
    TComSettings again;
    ReadSettings(again);
    QCOMPARE(again.Id, s.Id);
    QCOMPARE(again.ZelmorId, s.ZelmorId);
}

void TestSettings::identityFile()
{
    TSharedDocs docs;
    docs.MakeBase();
    WriteIdentityFile("ZM0012345", 0x1234);
    QCOMPARE(ReadAll(docs.Base() + "KSCOMWKS.USR"), IdentityRecord("ZM0012345", 0x1234));
    WriteIdentityFile("BE0000000123", 65535);
    QCOMPARE(ReadAll(docs.Base() + "KSCOMWKS.USR"), QByteArray("BE00000001\xFF\xFF", 12));
    QString id;
    int login = -1;
    ReadIdentityFile(id, login);
    QCOMPARE(id, QString("BE00000001"));
    QCOMPARE(login, 65535);
}

void TestSettings::identityFileErrors()
{
    TSharedDocs docs;
    docs.MakeBase();
    const QString path = docs.Base() + "KSCOMWKS.USR";
    WriteAll(path, "ZM001");
    TComSettings s;
    QVERIFY_THROWS_EXCEPTION(EInOutError, ReadSettings(s));
    QCOMPARE(ReadAll(path), QByteArray("ZM001")); // nothing written over it

    WriteIdentityFile("ZM0012345", 1);
    for (int bad : {-1, 65536}) {
        QVERIFY_THROWS_EXCEPTION(ERangeError, WriteIdentityFile("X", bad));
        QCOMPARE(ReadAll(path), IdentityRecord("ZM0012345", 1));
    }
    s.LoginNumber = 70000;
    QVERIFY_THROWS_EXCEPTION(ERangeError, WriteSettings(s));

    QDir(docs.Base()).removeRecursively(); // no folder to write into
    QVERIFY_THROWS_EXCEPTION(EInOutError, WriteIdentityFile("X", 1));
}

void TestSettings::commandLineIdentity_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("zelmorId");
    QTest::addColumn<QByteArray>("identityId");

    QTest::newRow("dutch") << "/COUNTRY=528 /HERDNUMBER=12345 /SERIAL=1" << 0 << "12345" << "ZM0012345" << QByteArray("ZM0012345");
    QTest::newRow("belgian") << "/COUNTRY=56 /HERDNUMBER=123 /SERIAL=1" << 1 << "123" << "BE0000000123" << QByteArray("BE00000001");
    QTest::newRow("unknown code") << "/COUNTRY=999 /HERDNUMBER=5 /SERIAL=1" << 5 << "OLD" << "ZM0000001" << QByteArray("ZM0000001");
    QTest::newRow("not a number") << "/COUNTRY=ABC /HERDNUMBER=77 /SERIAL=1" << 5 << "77" << "GL000000000000077"
                                  << QByteArray("GL00000000");
    QTest::newRow("letters in number") << "/COUNTRY=528 /HERDNUMBER=12A45 /SERIAL=1" << 0 << "12A45" << "" << QByteArray();
    QTest::newRow("too long, not cut") << "/COUNTRY=528 /HERDNUMBER=123456789 /SERIAL=1" << 0 << "123456789" << "ZM123456789"
                                       << QByteArray("ZM12345678");
    QTest::newRow("empty number") << "/COUNTRY=528 /HERDNUMBER= /SERIAL=1" << 0 << "" << "ZM0000000" << QByteArray("ZM0000000");
}

void TestSettings::commandLineIdentity()
{
    QFETCH(QString, commandLine);
    TSharedDocs docs;
    docs.MakeBase();
    WriteAll(IniFileName(), "[GENERAL]\nID=OLD\nConnectiontype=0\n");
    WriteAll(docs.Base() + "KSCOMWKS.USR", IdentityRecord("ZM0000001", 321));
    StoreCommandLineIdentity(commandLine);
    const TProfileFile ini(IniFileName());
    QTEST(ini.ReadInteger("GENERAL", "COUNTRY", -1), "country");
    QTEST(ini.ReadString("GENERAL", "ID", "?"), "id");
    QTEST(ini.ReadString("GENERAL", "ZELMORID", "?"), "zelmorId");
    QCOMPARE(ini.ReadInteger("GENERAL", "Connectiontype", -1), 2);
    const QByteArray rec = ReadAll(docs.Base() + "KSCOMWKS.USR");
    QTEST(rec.left(10).split('\0').first(), "identityId");
    QCOMPARE(rec.mid(10), IdentityRecord("", 321).mid(10)); // the login number stays
}

void TestSettings::switchValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("value");
    QTest::newRow("middle") << "COUNTRY" << "/COUNTRY=528 /SERIAL=1" << "528";
    QTest::newRow("end of line") << "SERIAL" << "/COUNTRY=528 /SERIAL=1" << "1";
    QTest::newRow("missing") << "HERDNUMBER" << "/COUNTRY=528" << "";
    QTest::newRow("blank after key") << "HERDNUMBER" << "/HERDNUMBER= /SERIAL=1" << "";
    QTest::newRow("key at the end") << "SERIAL" << "/COUNTRY=1 /SERIAL=" << "";
    QTest::newRow("quotes mean nothing") << "SERIAL" << "/SERIAL=\"A B\"" << "\"A";
    QTest::newRow("first occurrence") << "M" << "X/M=1 /M=2" << "1";
}

void TestSettings::switchValue()
{
    QFETCH(QString, name);
    QFETCH(QString, commandLine);
    QTEST(GetSwitchValue(name, commandLine), "value");
}

void TestSettings::holdingNumberCheck_data()
{
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("zelmorId");
    QTest::newRow("too long") << 0 << "12345678" << "Uw UBN nummer is te lang !" << "";
    QTest::newRow("blank inside") << 0 << "12 34" << "Uw UBN nummer is niet numeriek !" << "";
    QTest::newRow("long and letters") << 0 << "1234567A" << "Uw UBN nummer is te lang !" << "";
    QTest::newRow("fine") << 0 << "42" << "" << "ZM0000042";
    QTest::newRow("danish") << 3 << "1" << "" << "DK00000001";
    QTest::newRow("german full length") << 4 << "123456789012345" << "" << "GE123456789012345";
}

void TestSettings::holdingNumberCheck()
{
    QFETCH(int, country);
    QFETCH(QString, text);
    const THoldingNumberCheck r = CheckHoldingNumber(country, text);
    QTEST(r.Message, "message");
    QTEST(r.ZelmorId, "zelmorId");
    // The settings window's record: a changed service ID starts from the first session ID,
    // an unchanged one or a refused number keeps the session ID.
    TComSettings s;
    s.ZelmorId = "ZM0000042";
    s.SessionId = "S123";
    const QString message = ApplyHoldingNumber(s, country, text);
    QCOMPARE(message, r.Message);
    const bool changed = r.Message.isEmpty() && r.ZelmorId != "ZM0000042";
    QCOMPARE(s.SessionId, QString(changed ? "*FIRST*" : "S123"));
    QCOMPARE(s.ZelmorId, r.Message.isEmpty() ? r.ZelmorId : QString("ZM0000042"));
}

void TestSettings::uniqueFileName()
{
    QTemporaryDir d;
    const QString dir = d.path();
    WriteAll(dir + "/a.txt", "");
    WriteAll(dir + "/a_0.txt", "");
    QCOMPARE(UniqueFileName(dir, "a.txt"), dir + "/a_1.txt");
    QCOMPARE(UniqueFileName(dir, "x.tar.gz"), dir + "/x.gz");
    QCOMPARE(UniqueFileName(dir, "README"), dir + "/README");
    WriteAll(dir + "/README", "");
    QCOMPARE(UniqueFileName(dir, "README"), dir + "/README_0");
    QCOMPARE(UniqueFileName(dir + "/", "sub\\b.dat"), dir + "/b.dat");
    QCOMPARE(UniqueFileName(dir, "../up.dat"), dir + "/up.dat");
}

void TestSettings::expandDialNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("outside line") << "0,Zelmor 1" << "0,11111111111";
    QTest::newRow("short form") << "Zelmor1" << "11111111111";
    QTest::newRow("case counts") << "zelmor1" << "zelmor1";
    QTest::newRow("dial-up") << "9,Zelmor2" << "9,22222222222";
    QTest::newRow("first only") << "Zelmor2Zelmor2" << "22222222222Zelmor2";
    QTest::newRow("plain") << "0201234567" << "0201234567";
}

void TestSettings::expandDialNumber()
{
    QFETCH(QString, number);
    TSharedDocs docs;
    docs.MakeBase();
    WriteAll(IniFileName(), "[SERVICE]\nZELMOR1NUMBER=11111111111\nZELMOR2NUMBER=22222222222\n");
    QTEST(ExpandDialNumber(number), "expanded");
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
