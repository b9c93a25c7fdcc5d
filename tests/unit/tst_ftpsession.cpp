#include "Peers.h"
#include "TestDirs.h"

#include "config/uComSettings.h"
#include "ftp/uZelmor2FTP.h"
#include "platform/Messages.h"
#include "platform/Profile.h"

#include <QTcpServer>
#include <QtTest>

using namespace zelmor;

namespace {

// One session run as the main window drives it, with everything it reports.
struct TRun {
    QStringList status, fileNames, fileSizes, transfer;
    int ends = 0;
    int restarts = 0;
};

QStringList Lines(const QString &path)
{
    QStringList lines = QString::fromLatin1(ReadAll(path)).split('\n', Qt::SkipEmptyParts);
    for (QString &l : lines)
        l = l.trimmed();
    return lines;
}

} // namespace

class TestFtpSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void emptyExchange();
    void fullExchangeUpAndDown();
    void passwordRefusedEndsWithoutRestart();
    void failuresRestartFourRunsInAll_data();
    void failuresRestartFourRunsInAll();
    void brokenTransfersLeaveNothingHalfWritten_data();
    void brokenTransfersLeaveNothingHalfWritten();
    void quit500EndsAtOnce();
    void oddRepliesAndListsStillExchange_data();
    void oddRepliesAndListsStillExchange();
    void missingNamedFileKeepsItsPostFile();
    void userAbortDuringTransfer();

private:
    TRun Run(bool verbose = false, int timeoutMs = 60000, std::function<void(TZelmor2FTP *)> during = {});
    void UseServer(int port, const QString &sessionId = "*FIRST*");
    QString Dir(const QString &sub) const { return m_docs->Base() + sub; }
    QString Home() const { return m_server.path() + "/ZM0012345"; }

    std::unique_ptr<TSharedDocs> m_docs;
    QTemporaryDir m_server;
    QString m_cmdlog;
};

void TestFtpSession::initTestCase()
{
    SetTimeScale(0.05); // 15 s time-outs in 750 ms, 3 s pauses in 150 ms
}

void TestFtpSession::init()
{
    m_docs = std::make_unique<TSharedDocs>();
    for (const char *d : {"", "log", "msg", "msg/in", "msg/out", "zelpost"})
        QDir().mkpath(Dir(d));
    QDir(m_server.path()).removeRecursively();
    QDir().mkpath(m_server.path() + "/ZM0012345");
    m_cmdlog = m_server.path() + "/commands.log";
}

void TestFtpSession::UseServer(int port, const QString &sessionId)
{
    QVERIFY(port > 0);
    WriteAll(IniFileName(), QString("[SERVICE]\nFTPHOST=127.0.0.1\n[INTERNET]\nFTPPORT=%1\nSESSIONID=%2\n")
                                .arg(port).arg(sessionId).toLatin1());
    WriteAll(m_docs->Base() + "KSCOMWKS.USR", QByteArray("ZM0012345\0\0\0", 12));
}

TRun TestFtpSession::Run(bool verbose, int timeoutMs, std::function<void(TZelmor2FTP *)> during)
{
    TRun r;
    QObject owner;
    auto *s = new TZelmor2FTP(&owner);
    s->SetOnStatusLine([&](QObject *, const QString &t) { r.status << t; });
    s->SetOnFileName([&](QObject *, const QString &t) { r.fileNames << t; });
    s->SetOnFileSize([&](QObject *, const QString &t) { r.fileSizes << t; });
    s->SetOnTransferStatus([&](QObject *, const QString &t) { r.transfer << t; });
    s->SetOnSessionEnd([&](QObject *) { ++r.ends; });
    s->SetVerbose(verbose);
    s->Start();
    if (during)
        during(s);
    (void)QTest::qWaitFor([&] { return r.ends > 0; }, timeoutMs);
    QTest::qWait(20); // anything that would come after the end shows now
    r.restarts = s->Restarts();
    s->CloseLog();
    delete s;
    return r;
}

void TestFtpSession::emptyExchange()
{
    TPeer server("ftpd_pyftpdlib.py", {m_server.path(), m_cmdlog, "ZM0012345:*FIRST*"});
    UseServer(server.Port());
    const TRun r = Run(true);
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 0);
    QCOMPARE(Lines(m_cmdlog), QStringList({"USER ZM0012345", "PASS *FIRST*", "TYPE I", "PASV", "NLST", "QUIT"}));
    QVERIFY(r.status.contains("Verbonden met Zelmor Server."));
    QVERIFY(r.status.contains("Bezig met verzamelen te zenden EDI berichten"));
    QVERIFY(r.status.contains("Ophalen bestandenlijst van de server."));
    QVERIFY(r.status.contains("SessionState : 1"));
    QVERIFY(r.status.contains("RequestDone (1) Error (0)."));
    QVERIFY(r.status.contains("Finish"));
    QVERIFY(!r.status.contains("Herstart"));
    QVERIFY(r.transfer.contains("Verbonden met de Server"));
    const QString log = QString::fromLatin1(ReadAll(Dir("log/zm2ftp.log")));
    QVERIFY(log.contains(" : PASS ********\r\n"));
    QVERIFY(!log.contains("*FIRST*"));
    QVERIFY(log.contains(" : QUIT\r\n"));
    const QStringList logLines = log.split("\r\n");
    QVERIFY(logLines[0].endsWith(" : ===== LOG END  ====="));
    QVERIFY(logLines[1].endsWith(" : ===================="));
}

void TestFtpSession::fullExchangeUpAndDown()
{
    const QString home = m_server.path() + "/ZM0012345/";
    WriteAll(home + "a.zzf", QByteArray(300000, 'a'));
    WriteAll(home + "b.zif", "ENDDATE=2027\r\n");
    WriteAll(Dir("msg/in/a.zzf"), "older"); // a name already present
    WriteAll(Dir("msg/out/empty.edi"), "");
    WriteAll(Dir("msg/out/five.edi"), QByteArray(5000, '5'));
    QTemporaryDir elsewhere;
    WriteAll(elsewhere.filePath("X01.EDI"), "edi one");
    WriteAll(Dir("zelpost/p1.out"), ("FILE:" + elsewhere.filePath("X01.EDI") + " //LHA\r\n").toLatin1());
    WriteAll(Dir("zelpost/left.dat"), "left over");
    TPeer server("ftpd_pyftpdlib.py", {m_server.path(), m_cmdlog, "ZM0012345:*FIRST*"});
    UseServer(server.Port());

    const TRun r = Run();
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 0);
    // Up: message files, the post file's name, the file left in the post folder.
    const QString received = m_server.path() + "/received/";
    QCOMPARE(ReadAll(received + "five.edi"), QByteArray(5000, '5'));
    QCOMPARE(ReadAll(received + "X01.EDI"), QByteArray("edi one"));
    QCOMPARE(ReadAll(received + "left.dat"), QByteArray("left over"));
    QVERIFY(QFile::exists(received + "empty.edi"));
    QCOMPARE(QDir(Dir("msg/out")).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(Dir("zelpost")).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(QFile::exists(elsewhere.filePath("X01.EDI"))); // a named file is never deleted
    // Down: each fetched, then deleted on the server.
    QCOMPARE(ReadAll(Dir("msg/in/a.zzf")), QByteArray("older"));
    QCOMPARE(ReadAll(Dir("msg/in/a_0.zzf")), QByteArray(300000, 'a'));
    QCOMPARE(ReadAll(Dir("msg/in/b.zif")), QByteArray("ENDDATE=2027\r\n"));
    QCOMPARE(QDir(Dir("msg/in")).entryList(QDir::Files | QDir::Hidden).size(), 3);
    QVERIFY(!QFile::exists(home + "a.zzf"));
    QVERIFY(!QFile::exists(home + "b.zif"));
    const QStringList cmds = Lines(m_cmdlog);
    QCOMPARE(cmds.filter("STOR").size(), 4);
    QCOMPARE(cmds.filter(QRegularExpression("^(RETR|DELE) ")),
             QStringList({"RETR a.zzf", "DELE a.zzf", "RETR b.zif", "DELE b.zif"}));
    QCOMPARE(cmds.filter("NLST").size(), 1); // fetched once per run
    QCOMPARE(r.fileSizes, QStringList({"N.B.", "5000", "9", "N.B.", "N.B."}));
    QVERIFY(r.status.contains("Zend bestand X01.EDI."));
    QVERIFY(r.status.contains("Ophalen bestand a.zzf"));
    QVERIFY(r.transfer.contains("Bezig met bestandsoverdracht"));
    for (const QString &line : r.status)
        for (const char *verbose : {"SessionState : ", "Dispay :", "Error : ", "RequestDone (", "Finish"})
            QVERIFY2(!line.startsWith(verbose), qPrintable(line));
}

void TestFtpSession::passwordRefusedEndsWithoutRestart()
{
    TPeer server("ftpd_pyftpdlib.py", {m_server.path(), m_cmdlog, "ZM0012345:right"});
    UseServer(server.Port(), "wrong");
    WriteAll(IniFileName(), ReadAll(IniFileName()) + "[CONTRACT]\nENDDATE=31-12-2026\n");
    const TRun r = Run();
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 0);
    const int at = r.status.indexOf("Wachtwoord verkeerd of contractdatum verstreken");
    QVERIFY(at >= 0);
    QCOMPARE(r.status.mid(at + 1, 3), QStringList({"Gebruiker   = ZM0012345", "Wachtwoord  = wrong", "Einddatum   = 31-12-2026"}));
    QCOMPARE(Lines(m_cmdlog).last(), QString("QUIT"));
    QVERIFY(ReadAll(Dir("log/zm2ftp.log")).contains(" : Wachtwoord niet geldig of contract verlopen.\r\n"));
}

void TestFtpSession::failuresRestartFourRunsInAll_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("usersSeen");
    QTest::newRow("server down") << "down" << 0;
    QTest::newRow("530 to USER") << "user530" << 4;
    QTest::newRow("no greeting: time-out") << "stall" << 0;
    QTest::newRow("no name list: time-out") << "stall-list" << 4;
}

void TestFtpSession::failuresRestartFourRunsInAll()
{
    QFETCH(QString, mode);
    std::unique_ptr<TPeer> server;
    if (mode != "down")
        server = std::make_unique<TPeer>("ftpd_scripted.py", QStringList{Home(), m_cmdlog, mode});
    UseServer(server ? server->Port() : ClosedPort());
    const TRun r = Run();
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 3);
    QCOMPARE(r.status.count("Herstart"), 3);
    QCOMPARE(r.status.filter("Wachtwoord verkeerd").size(), 0);
    QTEST(int(Lines(m_cmdlog).filter(QRegularExpression("^USER ")).size()), "usersSeen");
    QVERIFY(!r.status.filter("Fout van de server of de verbinding: ").isEmpty());
}

void TestFtpSession::brokenTransfersLeaveNothingHalfWritten_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("dropped during RETR") << "drop-retr";
    QTest::newRow("half a file with 226") << "truncate";
    QTest::newRow("dropped during STOR") << "drop-stor";
}

void TestFtpSession::brokenTransfersLeaveNothingHalfWritten()
{
    QFETCH(QString, mode);
    WriteAll(Home() + "/big.zzf", QByteArray(200000, 'z'));
    WriteAll(Dir("msg/out/up.edi"), QByteArray(200000, 'u'));
    if (mode != "drop-stor")
        QFile::remove(Dir("msg/out/up.edi"));
    TPeer server("ftpd_scripted.py", {Home(), m_cmdlog, mode});
    UseServer(server.Port());
    const TRun r = Run();
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 3);
    QCOMPARE(QDir(Dir("msg/in")).entryList(QDir::Files | QDir::Hidden), QStringList()); // no partial, no temporary
    QVERIFY(Lines(m_cmdlog).filter("DELE").isEmpty());
    QVERIFY(QFile::exists(Home() + "/big.zzf"));
    if (mode == "drop-stor")
        QCOMPARE(ReadAll(Dir("msg/out/up.edi")), QByteArray(200000, 'u')); // kept for the next run
}

void TestFtpSession::quit500EndsAtOnce()
{
    TPeer server("ftpd_scripted.py", {Home(), m_cmdlog, "quit500"});
    UseServer(server.Port());
    const TRun r = Run(true, 5000);
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 0);
    QVERIFY(r.status.contains("RequestDone (15) Error (500)."));
    QCOMPARE(r.status.filter("SessionState : 26").size(), 1);
}

void TestFtpSession::oddRepliesAndListsStillExchange_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("restarts");
    QTest::addColumn<QStringList>("fetched");
    QTest::newRow("replies in pieces, multi-line greeting") << "pieces" << 0 << QStringList{"f1.zzf", "f2.zif"};
    QTest::newRow("unroutable passive address") << "nonat" << 0 << QStringList{"f1.zzf", "f2.zif"};
    QTest::newRow("paths, blanks and .. in the list") << "nlstpaths" << 0 << QStringList{"f1.zzf", "f2.zif"};
    QTest::newRow("550 to the name list") << "nlst550" << 0 << QStringList{};
    QTest::newRow("unusable passive reply") << "badpasv" << 3 << QStringList{};
    QTest::newRow("garbled reply") << "garbled" << 3 << QStringList{};
}

void TestFtpSession::oddRepliesAndListsStillExchange()
{
    QFETCH(QString, mode);
    WriteAll(Home() + "/f1.zzf", "one");
    WriteAll(Home() + "/f2.zif", "two");
    TPeer server("ftpd_scripted.py", {Home(), m_cmdlog, mode});
    UseServer(server.Port());
    const TRun r = Run();
    QCOMPARE(r.ends, 1);
    QTEST(r.restarts, "restarts");
    QTEST(QDir(Dir("msg/in")).entryList(QDir::Files | QDir::Hidden), "fetched");
    if (mode == "nlstpaths")
        QCOMPARE(r.status.filter("Ongeldige bestandsnaam in de bestandenlijst overgeslagen").size(), 2);
}

void TestFtpSession::missingNamedFileKeepsItsPostFile()
{
    TPeer server("ftpd_pyftpdlib.py", {m_server.path(), m_cmdlog, "ZM0012345:*FIRST*"});
    UseServer(server.Port());
    WriteAll(Dir("zelpost/stuck.out"), "FILE:/nonexistent/x.edi\n");
    const TRun r = Run();
    // A named file that is missing fails its upload in every run: four runs, then the end.
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 3);
    QCOMPARE(Lines(m_cmdlog).filter("STOR").size(), 0);
    QVERIFY(QFile::exists(Dir("zelpost/stuck.out")));
}

void TestFtpSession::userAbortDuringTransfer()
{
    TPeer server("ftpd_scripted.py", {Home(), m_cmdlog, "stall-list"});
    UseServer(server.Port());
    SetTimeScale(1); // a real 15 s time-out: the abort must come first
    const TRun r = Run(false, 10000, [](TZelmor2FTP *s) {
        (void)QTest::qWaitFor([s] { return s->Step() == 18; }, 5000);
        QTest::qWait(50);
        s->Stop();
    });
    SetTimeScale(0.05);
    QCOMPARE(r.ends, 1);
    QCOMPARE(r.restarts, 3);
    QVERIFY(r.status.contains("Communicatie afgebroken door gebruiker"));
    QVERIFY(!r.status.contains("Herstart"));
    QCOMPARE(QDir(Dir("msg/in")).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(!QFile::exists(Dir("dirfile.txt")));
}

QTEST_GUILESS_MAIN(TestFtpSession)
#include "tst_ftpsession.moc"
