#include "TestDirs.h"

#include "config/uComSettings.h"
#include "files/uProcessFiles.h"
#include "files/uUnpackBatches.h"
#include "platform/Errors.h"
#include "platform/Profile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace zelmor;

namespace {

struct TEntry {
    QString name;
    QString text;
    int repeat = 1;
    int mode = 0;
};

// The archive is made by Python's zipfile, not by our code.
void MakeZip(const QString &out, const QList<TEntry> &entries)
{
    QJsonArray entriesJson;
    for (const TEntry &e : entries) {
        QJsonObject o{{"name", e.name}, {"text", e.text}, {"repeat", e.repeat}};
        if (e.mode)
            o["mode"] = e.mode;
        entriesJson.append(o);
    }
    const QString listPath = out + ".json";
    WriteAll(listPath, QJsonDocument(entriesJson).toJson());
    QProcess p;
    p.start("/usr/bin/python3", {ZELMOR_SOURCE_DIR "/tests/peers/make_zip.py", out, listPath});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    QFile::remove(listPath);
}

} // namespace

class TestProcessFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void archiveWithoutInstructions();
    void instructionsPlaceEachEntry();
    void archiveAfterOneWithInstructionsStartsAfresh();
    void damagedOrBombedArchiveStaysForNextRun_data();
    void damagedOrBombedArchiveStaysForNextRun();
    void userInfoMergedIntoSettings_data();
    void userInfoMergedIntoSettings();
    void numberedNames();
    void unpackAndRunBatches();

private:
    QString In(const QString &name = QString()) const { return m_docs->Base() + "msg/in/" + name; }
    std::unique_ptr<TSharedDocs> m_docs;
    QStringList m_status;
    void Execute()
    {
        TProcessFiles p;
        p.SetOnStatusLine([this](QObject *, const QString &t) { m_status << t; });
        p.Execute();
        p.CloseLog();
    }
};

void TestProcessFiles::init()
{
    m_docs = std::make_unique<TSharedDocs>();
    QDir().mkpath(In());
    QDir().mkpath(m_docs->Base() + "log");
    m_status.clear();
    qputenv("ZELMOR_DRIVE_ROOT", (m_docs->dir.path() + "/drives").toUtf8());
}

void TestProcessFiles::archiveWithoutInstructions()
{
    MakeZip(In("one.zzf"), {{"a.dat", "A"}, {"deep/sub/b.dat", "B"}, {"deep/", ""}});
    WriteAll(In("a.dat"), "old"); // replaced
    Execute();
    QCOMPARE(ReadAll(In("a.dat")), QByteArray("A"));
    QCOMPARE(ReadAll(In("b.dat")), QByteArray("B")); // by its name alone
    QVERIFY(!QFile::exists(In("one.zzf")));
    QCOMPARE(m_status, QStringList({"Uitpakken bestand one.zzf"}));
    const QString log = QString::fromLatin1(ReadAll(m_docs->Base() + "log/zm2files.log"));
    QVERIFY(log.contains(" : Processing file : " + In("one.zzf")));
    QVERIFY(log.contains(" : Unzipping b.dat to " + In("b.dat")));
    QVERIFY(log.split("\r\n")[1].endsWith(" : ==================="));
}

void TestProcessFiles::instructionsPlaceEachEntry()
{
    const QString zui = "file=a.dat,destdir=sub\r\n"          // lower case works: the text is upper-cased
                        "FILE=B.DAT,DESTDIR=C:\\DATAXCH\\IN\\X,\r\n"
                        "FILE=C.DAT\r\n"                       // no comma after the name: never matches
                        "FILE=D.DAT,DESTDIR=C:\\ZELMOR\\EXTRA,\n"
                        "FILE=E.DAT,DESTDIR=..\\..\\ESCAPE,\n"
                        "FILE=F.DAT,CREATE=RENAME,CREATE=REPLACE,\n"
                        "FILE=G.DAT,DESTDIR=D:\\DATA,\n"
                        "FILE=H.DAT,DESTDIR=ONE,\nFILE=H.DAT,DESTDIR=TWO,\n"
                        "FILE =I.DAT,\n"
                        "FILE=RUN.SH,EXEC=INVIS,\n";
    MakeZip(In("job.zzf"), {{"a.dat", "A"}, {"b.dat", "B"}, {"c.dat", "C"}, {"d.dat", "D"}, {"e.dat", "E"},
                            {"f.dat", "F"}, {"g.dat", "G"}, {"x/h.dat", "H"}, {"i.dat", "I"},
                            {"run.sh", "#!/bin/sh\necho ran > mark.txt\n"}, {"JOB.ZUI", "  " + zui + "\n\n"}});
    for (const char *old : {"F.DAT", "F.000", "F.001"})
        WriteAll(In(old), "old");
    Execute();
    QCOMPARE(ReadAll(In("SUB/A.DAT")), QByteArray("A"));
    QCOMPARE(ReadAll(m_docs->dir.path() + "/DATAXCH/IN/X/B.DAT"), QByteArray("B"));
    QCOMPARE(ReadAll(In("c.dat")), QByteArray("C"));
    QCOMPARE(ReadAll(m_docs->Base() + "EXTRA/D.DAT"), QByteArray("D"));
    QCOMPARE(ReadAll(In("F.002")), QByteArray("F"));
    QCOMPARE(ReadAll(In("F.DAT")), QByteArray("old")); // first CREATE counts: renamed, old ones stay
    QCOMPARE(ReadAll(m_docs->dir.path() + "/drives/d/DATA/G.DAT"), QByteArray("G"));
    QCOMPARE(ReadAll(In("ONE/H.DAT")), QByteArray("H"));
    QCOMPARE(ReadAll(In("TWO/H.DAT")), QByteArray("H"));
    QCOMPARE(ReadAll(In("i.dat")), QByteArray("I"));
    QVERIFY(!QFile::exists(In("JOB.ZUI")));
    // ".." never leads out of the folder the instruction names: not written at all.
    QVERIFY(!QFile::exists(m_docs->Base() + "ESCAPE/E.DAT"));
    QVERIFY(!QFile::exists(m_docs->dir.path() + "/ESCAPE/E.DAT"));
    QCOMPARE(m_status.filter("Instructie met ongeldige doelmap overgeslagen").size(), 1);
    QTRY_COMPARE(ReadAll(In("mark.txt")), QByteArray("ran\n")); // started, not waited for
    QCOMPARE(QDir(In()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList()); // no temporary left
}

void TestProcessFiles::archiveAfterOneWithInstructionsStartsAfresh()
{
    MakeZip(In("a1.zzf"), {{"x.dat", "first"}, {"I.ZUI", "FILE=Z.DAT,DESTDIR=SUB,\n"}});
    MakeZip(In("a2.zzf"), {{"z.dat", "second"}, {"i.zui", "x"}});
    MakeZip(In("a3.zzf"), {{"I.ZUI", "third"}});
    Execute();
    QCOMPARE(ReadAll(In("z.dat")), QByteArray("second"));
    QVERIFY(!QFile::exists(In("SUB/Z.DAT")));
    // An archive of instructions alone writes nothing and is done with.
    QVERIFY(!QFile::exists(In("I.ZUI")));
    QVERIFY(!QFile::exists(In("a3.zzf")));
}

void TestProcessFiles::damagedOrBombedArchiveStaysForNextRun_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("corrupt data") << "corrupt";
    QTest::newRow("not a zip") << "garbage";
    QTest::newRow("instructions of 2 MiB") << "bomb";
}

void TestProcessFiles::damagedOrBombedArchiveStaysForNextRun()
{
    QFETCH(QString, kind);
    MakeZip(In("a.zzf"), {{"good.dat", "good"}});
    if (kind == "bomb") {
        MakeZip(In("b.zzf"), {{"x.dat", "x"}, {"B.ZUI", " ", 2 * 1024 * 1024}});
    } else if (kind == "truncated" || kind == "corrupt") {
        MakeZip(In("b.zzf"), {{"x.dat", "payload ", 5000}});
        QByteArray bytes = ReadAll(In("b.zzf"));
        if (kind == "truncated")
            bytes.chop(30);
        else
            for (int i = 45; i < 60; ++i)
                bytes[i] = char(bytes[i] ^ 0x5A);
        WriteAll(In("b.zzf"), bytes);
    } else {
        WriteAll(In("b.zzf"), QByteArray(4096, '\x55'));
    }
    WriteAll(In("later.zif"), "SESSIONP=NEW\n");
    try {
        Execute();
        QFAIL("no error raised");
    } catch (const Exception &e) {
        QVERIFY2(e.ClassName() == "EZipError", qPrintable(e.ClassName() + ": " + e.Message()));
    }
    QCOMPARE(ReadAll(In("good.dat")), QByteArray("good")); // written before the error: it stays
    QVERIFY(QFile::exists(In("b.zzf")));                    // tried again next time
    QVERIFY(!QFile::exists(In("x.dat")));
    QVERIFY(QFile::exists(In("later.zif")));
    QCOMPARE(QDir(In()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
}

void TestProcessFiles::userInfoMergedIntoSettings_data()
{
    QTest::addColumn<QByteArray>("zif");
    QTest::addColumn<QString>("endDate");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<QString>("sessionId");
    QTest::newRow("all three") << QByteArray("[USER]\r\nENDDATE=31-12-2027\r\nsessions=12\r\nSessionP=ABC123\r\n")
                               << "31-12-2027" << 12 << "ABC123";
    QTest::newRow("no SESSIONP empties the id") << QByteArray("ENDDATE=x\nSESSIONS=3\n") << "x" << 3 << "";
    QTest::newRow("no SESSIONS is 0") << QByteArray("SESSIONP=Q\n") << "" << 0 << "Q";
    QTest::newRow("first counts, garbage ignored")
        << QByteArray("garbage\n\x01\x02\nSESSIONS=ten\nSESSIONS=5\nSESSIONP=A\nSESSIONP=B\n") << "" << 0 << "A";
}

void TestProcessFiles::userInfoMergedIntoSettings()
{
    QFETCH(QByteArray, zif);
    WriteAll(IniFileName(), "[INTERNET]\nSESSIONID=*FIRST*\n[CONTRACT]\nSESSIONSLEFT=99\nENDDATE=old\n");
    WriteAll(In("user.zif"), zif);
    Execute();
    const TProfileFile ini(IniFileName());
    QTEST(ini.ReadString("CONTRACT", "ENDDATE", "?"), "endDate");
    QTEST(ini.ReadInteger("CONTRACT", "SESSIONSLEFT", -1), "sessions");
    QTEST(ini.ReadString("INTERNET", "SESSIONID", "?"), "sessionId");
    QVERIFY(!QFile::exists(In("user.zif")));
    QCOMPARE(m_status, QStringList({"User bestand user.zif"}));
}

void TestProcessFiles::numberedNames()
{
    QTemporaryDir d;
    QCOMPARE(TProcessFiles::NumberedName(d.filePath("A.DAT")), d.filePath("A.000"));
    for (int i = 0; i <= 999; ++i)
        WriteAll(d.filePath(i ? QString("A.%1").arg(i, 3, 10, QChar('0')) : "A.000"), "");
    QCOMPARE(TProcessFiles::NumberedName(d.filePath("A.DAT")), d.filePath("A.1000"));
    QCOMPARE(TProcessFiles::NumberedName(d.filePath("NOEXT")), d.filePath("NOEXT.000"));
}

void TestProcessFiles::unpackAndRunBatches()
{
    QStringList status;
    // Nothing there: nothing happens, no status line.
    UnpackAndRunBatches(In().chopped(1), [&](const QString &t) { status << t; });
    QVERIFY(status.isEmpty());
    MakeZip(In("batch.zzm"), {{"scripts/zelmor1.bat", "echo one >> marks.txt\n"}, {"data/tool.cfg", "cfg", 1, 0444}});
    WriteAll(In("zelmor2.bat"), "echo two >> marks.txt\n");
    WriteAll(In("other.bat"), "echo other >> marks.txt\n");
    UnpackAndRunBatches(In().chopped(1), [&](const QString &t) { status << t; });
    QCOMPARE(status, QStringList({"Bezig met uitpakken van : batch.zzm", "Bezig met uitvoeren van : zelmor1.bat",
                                  "Bezig met uitvoeren van : zelmor2.bat"}));
    QVERIFY(!QFile::exists(In("batch.zzm")));
    QCOMPARE(ReadAll(In("tool.cfg")), QByteArray("cfg")); // flattened, attributes kept
    QVERIFY(!(QFile::permissions(In("tool.cfg")) & QFile::WriteOwner));
    QVERIFY(QFile::exists(In("STZELBAT.BAT")));
    QTRY_VERIFY(ReadAll(In("marks.txt")).contains("one") && ReadAll(In("marks.txt")).contains("two"));
    QVERIFY(!ReadAll(In("marks.txt")).contains("other"));
    // A damaged archive stops the routine before any batch runs; it stays for next time.
    QFile::remove(In("marks.txt"));
    WriteAll(In("bad.zzm"), "not a zip");
    QVERIFY_THROWS_EXCEPTION(EZipError, UnpackAndRunBatches(In().chopped(1), {}));
    QVERIFY(QFile::exists(In("bad.zzm")));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(In("marks.txt")));
}

QTEST_GUILESS_MAIN(TestProcessFiles)
#include "tst_processfiles.moc"
