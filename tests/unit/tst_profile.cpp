#include "TestDirs.h"

#include "platform/Errors.h"
#include "platform/FileUtils.h"
#include "platform/Profile.h"

#include <QtTest>

using namespace zelmor;

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void integers_data();
    void integers();
    void stringsCaseQuotesAndCut();
    void writeKeepsTheRestOfTheFile();
    void unwritableFileRaises();
    void garbledFileReadsAsDefaults();
    void scanFilesOrderAndFilter();
};

void TestProfile::integers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("blanks around") << "  7 " << 7;
    QTest::newRow("hex lower") << "0x1f" << 31;
    QTest::newRow("hex upper prefix") << "0X10" << 16;
    QTest::newRow("hex all bits") << "0xFFFFFFFF" << -1;
    QTest::newRow("bare 0x is no number") << "0x" << 42;
    QTest::newRow("trailing garbage") << "12abc" << 42;
    QTest::newRow("text") << "abc" << 42;
    QTest::newRow("empty") << "" << 42;
    QTest::newRow("overflow") << "99999999999" << 42;
    QTest::newRow("hex overflow") << "0x100000000" << 42;
    QTest::newRow("pascal hex is no number here") << "$1F" << 42;
}

void TestProfile::integers()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    QTemporaryDir d;
    const QString file = d.filePath("a.ini");
    WriteAll(file, "[General]\r\nValue=" + value.toLatin1() + "\r\n");
    QCOMPARE(TProfileFile(file).ReadInteger("GENERAL", "value", 42), expected);
}

void TestProfile::stringsCaseQuotesAndCut()
{
    QTemporaryDir d;
    const QString file = d.filePath("a.ini");
    const QByteArray longValue(3000, 'x');
    WriteAll(file, "; comment\n[Zelmor1]\nPhoneNumber = \"0,Zelmor 1\" \nLong=" + longValue + "\n[other]\nPHONENUMBER=2\n");
    const TProfileFile ini(file);
    QCOMPARE(ini.ReadString("ZELMOR1", "PHONENUMBER", "d"), QString("0,Zelmor 1"));
    QCOMPARE(ini.ReadString("zelmor1", "phonenumber", "d"), QString("0,Zelmor 1"));
    QCOMPARE(ini.ReadString("ZELMOR1", "LONG", "d").size(), 2047);
    QCOMPARE(ini.ReadString("ZELMOR1", "MISSING", "d"), QString("d"));
    QCOMPARE(ini.ReadString("MISSING", "PHONENUMBER", "d"), QString("d"));
    QCOMPARE(ini.ReadString("OTHER", "phonenumber", "d"), QString("2"));
    QVERIFY(ini.ReadBool("OTHER", "PHONENUMBER", false));
}

void TestProfile::writeKeepsTheRestOfTheFile()
{
    QTemporaryDir d;
    const QString file = d.filePath("a.ini");
    WriteAll(file, "; keep me\n[General]\nCountry=1\nKeep=yes\n\n[Service]\nFTPHOST=h\n");
    TProfileFile ini(file);
    ini.WriteInteger("GENERAL", "COUNTRY", 3);
    ini.WriteString("general", "NEWKEY", "line\r\nbreak");
    ini.WriteBool("NEWSECTION", "FLAG", true);
    ini.Flush();
    QCOMPARE(QString::fromLatin1(ReadAll(file)),
             QString("; keep me\r\n[General]\r\nCountry=3\r\nKeep=yes\r\nNEWKEY=line  break\r\n\r\n"
                     "[Service]\r\nFTPHOST=h\r\n\r\n[NEWSECTION]\r\nFLAG=1\r\n"));
    QCOMPARE(TProfileFile(file).ReadInteger("general", "country", 0), 3);
}

void TestProfile::unwritableFileRaises()
{
    // A missing folder or a folder in the file's place refuses the write, even for root.
    QTemporaryDir d;
    QDir(d.path()).mkdir("taken.ini");
    for (const QString &file : {d.filePath("missing/a.ini"), d.filePath("taken.ini")}) {
        TProfileFile ini(file);
        ini.WriteString("A", "B", "2");
        try {
            ini.Flush();
            QFAIL("no error raised");
        } catch (const EIniFileException &e) {
            QCOMPARE(e.Message(), "Unable to write to " + file);
            QCOMPARE(e.ClassName(), QString("EIniFileException"));
        }
    }
    QCOMPARE(QDir(d.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"taken.ini"}));
}

void TestProfile::garbledFileReadsAsDefaults()
{
    QTemporaryDir d;
    const QString file = d.filePath("a.ini");
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919) & 0xFF);
    WriteAll(file, junk);
    const TProfileFile ini(file);
    QCOMPARE(ini.ReadInteger("GENERAL", "COUNTRY", 0), 0);
    QCOMPARE(ini.ReadString("GENERAL", "ID", "x"), QString("x"));
}

void TestProfile::scanFilesOrderAndFilter()
{
    QTemporaryDir d;
    for (const char *n : {"b.OUT", "A.out", "c.txt", ".hidden.out", "a.outx"})
        WriteAll(d.filePath(n), "x");
    QDir(d.path()).mkdir("dir.out");
    QCOMPARE(ScanFiles(d.path(), "*.out"), QStringList({"A.out", "b.OUT"}));
    QCOMPARE(ScanFiles(d.path(), "*.*").size(), 4);
    QCOMPARE(FindPath(d.path(), "a.OUT"), d.path() + "/A.out");
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
