#include "Peers.h"
#include "TestDirs.h"

#include "app/ZelmorApplication.h"
#include "app/fZelmorClientMain.h"
#include "config/uComSettings.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/Profile.h"
#include "platform/Translation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace zelmor;

namespace {

QString Field(QWidget &w, const char *name) { return w.findChild<QLineEdit *>(name)->text(); }
QPushButton *Btn(QWidget &w, const char *name) { return w.findChild<QPushButton *>(name); }
QStringList StatusLines(QWidget &w) { return w.findChild<QPlainTextEdit *>("rchEditStatus")->toPlainText().split('\n'); }

struct Buttons {
    bool connect, settings, disconnect;
    bool operator==(const Buttons &o) const = default;
};
Buttons ButtonsOf(QWidget &w)
{
    return {Btn(w, "btbtnConnect")->isEnabled(), Btn(w, "btbtnSettings")->isEnabled(), Btn(w, "btbtnDisconnect")->isEnabled()};
}
char *toString(const Buttons &b) { return qstrdup(QString("%1/%2/%3").arg(b.connect).arg(b.settings).arg(b.disconnect).toLatin1()); }

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void identityStoreEndsWithoutConnecting();
    void runModes_data();
    void runModes();
    void fieldsByConnectionType_data();
    void fieldsByConnectionType();
    void unknownConnectionTypeLeavesWindowUsable();
    void languageFromSettingsAndBadIndexReachesErrorHandling();
    void programRunsUnattendedFromPathWithSwitchLetters();
    void connectRequestFromAnotherProgram();
    void regServerEndsAtOnce();
    void formComponentsAndScreenshot();
    void unattendedExchangeAgainstFtpServer();
    void disconnectStopsRunningSession();
    void serviceSimulatorSessionIdsCarryOver();

private:
    QString ClientIni() const { return m_docs->Base() + "zelmor-client.ini"; }
    std::unique_ptr<TSharedDocs> m_docs;
    QStringList m_errors;
};

void TestMainWindow::initTestCase()
{
    SetTimeScale(0.01);
    QApplication::setQuitOnLastWindowClosed(false);
    SetAppExceptionHandler([this](const std::exception &e) { m_errors << ExceptionClassName(e) + ": " + ExceptionMessage(e); });
    SetMessageBoxHook([this](TMsgKind, const QString &, const QString &text) { m_errors << "box: " + text; });
}

void TestMainWindow::init()
{
    m_docs = std::make_unique<TSharedDocs>();
    // Sessions meet a closed port on this machine, never the real service.
    m_docs->MakeBase();
    const QByteArray service = QString("[SERVICE]\nFTPHOST=127.0.0.1\n[INTERNET]\nFTPPORT=%1\n").arg(ClosedPort()).toLatin1();
    WriteAll(IniFileName(), service);
    WriteAll(ClientIni(), service); // the program's own INI, for the runs of the real program
    m_errors.clear();
    TDictionary::Instance().SetLanguage(0);
}

void TestMainWindow::identityStoreEndsWithoutConnecting()
{
    TfrmZelmorClient w({"/country=528", "/HERDNUMBER=12345", "/SERIAL=X"}, false);
    w.show();
    QTRY_VERIFY(!w.isVisible());
    QVERIFY(w.ManualMode()); // "/C" is inside "/COUNTRY="
    QTest::qWait(50);
    QVERIFY(!StatusLines(w).join('\n').contains("Zelmor-Server"));
    TComSettings s;
    ReadSettings(s);
    QCOMPARE(s.ZelmorId, QString("ZM0012345"));
    QCOMPARE(s.Id, QString("12345"));
    QCOMPARE(Field(w, "EdtUser"), QString("ZM0012345"));
    QVERIFY(QFile::exists(m_docs->Base() + "KSCOMWKS.USR"));
    for (const char *dir : {"log", "msg/in", "msg/out", "zelpost"})
        QVERIFY2(QFileInfo(m_docs->Base() + dir).isDir(), dir);
    for (const char *dir : {"in", "out"})
        QVERIFY(QFileInfo(m_docs->dir.path() + "/DATAXCH/" + dir).isDir());
}

void TestMainWindow::runModes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("automation");
    QTest::addColumn<bool>("connectsAtStart");
    QTest::addColumn<bool>("closesAfterSession");
    QTest::addColumn<Buttons>("afterSession");
    QTest::newRow("unattended") << QStringList() << false << true << true << Buttons{false, false, true};
    QTest::newRow("manual, lower case") << QStringList{"/m"} << false << false << false << Buttons{true, true, true};
    QTest::newRow("only /COUNTRY= is manual") << QStringList{"/COUNTRY=528"} << false << false << false << Buttons{true, true, true};
    QTest::newRow("/C inside another argument") << QStringList{"x/cy"} << false << false << false << Buttons{true, true, true};
    QTest::newRow("automation") << QStringList{"/AUTOMATION"} << true << false << false << Buttons{false, false, true};
}

void TestMainWindow::runModes()
{
    QFETCH(QStringList, args);
    QFETCH(bool, automation);
    QFETCH(bool, connectsAtStart);
    QFETCH(bool, closesAfterSession);
    QFETCH(Buttons, afterSession);
    TfrmZelmorClient w(args, automation);
    w.show();
    QCOMPARE(ButtonsOf(w), (Buttons{true, true, true}));
    QTest::qWait(100);
    const bool connected = StatusLines(w).contains("Er wordt contact gezocht met de Zelmor-Server.");
    QCOMPARE(connected, connectsAtStart);
    if (!connected) {
        QVERIFY(w.isVisible());
        // Disconnect without a session does nothing harmful.
        Btn(w, "btbtnDisconnect")->click();
        QCOMPARE(ButtonsOf(w), (Buttons{true, true, true}));
        QTest::keyClick(&w, Qt::Key_Return); // Enter presses Connect
        QTRY_VERIFY(StatusLines(w).contains("Er wordt contact gezocht met de Zelmor-Server."));
    }
    QTRY_VERIFY(!w.SessionRunning());
    QCOMPARE(w.isVisible(), !closesAfterSession);
    if (!closesAfterSession)
        QCOMPARE(ButtonsOf(w), afterSession);
    QCOMPARE(StatusLines(w).first(), QString()); // the memo starts with one empty line
    QVERIFY(StatusLines(w).contains("Zelmor 2 Client Started"));
    QVERIFY(m_errors.isEmpty());
}

void TestMainWindow::fieldsByConnectionType_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("medium");
    QTest::addColumn<QString>("caption");
    QTest::newRow("modem, installed") << QByteArray("Connectiontype=0\n[ZELMOR1]\nACCESS=0\nMODEM=USR 56k\n") << "Zelmor 1"
                                      << "USR 56k" << "Zelmor (0.45 EPM) Versie 1.0.0.1";
    QTest::newRow("modem, own port") << QByteArray("Connectiontype=0\n[ZELMOR1]\nACCESS=1\nCOMNUMBER=COM3\n") << "Zelmor 1"
                                     << "COM3" << "Zelmor (0.45 EPM) Versie 1.0.0.1";
    QTest::newRow("modem, other access") << QByteArray("Connectiontype=0\n[ZELMOR1]\nACCESS=4\n") << "Zelmor 1" << ""
                                         << "Zelmor (0.45 EPM) Versie 1.0.0.1";
    QTest::newRow("dial-up keeps placeholder") << QByteArray("Connectiontype=1\n") << "Zelmor 2 (RAS)" << "Zelmor2"
                                               << "Zelmor (0.45 EPM) Versie 1.0.0.1";
    QTest::newRow("internet, permanent") << QByteArray("Connectiontype=2\n") << "Internet" << "ADSL/Kabel" << "Zelmor Versie 1.0.0.1";
    QTest::newRow("internet, provider") << QByteArray("Connectiontype=2\n[INTERNET]\nACCESS=1\nRASPROVIDER=KPN\n") << "Internet"
                                        << "KPN" << "Zelmor Versie 1.0.0.1";
}

void TestMainWindow::fieldsByConnectionType()
{
    QFETCH(QByteArray, ini);
    WriteAll(IniFileName(), ReadAll(IniFileName()) + "[GENERAL]\nLANGUAGE=0\n" + ini);
    WriteAll(m_docs->Base() + "KSCOMWKS.USR", QByteArray("ZM0012345\0\x2A\x01", 12));
    TfrmZelmorClient w({"/M"}, false);
    w.show();
    QTRY_COMPARE(Field(w, "EdtUser"), QString("ZM0012345"));
    QTEST(Field(w, "edtConnectionType"), "type");
    QTEST(Field(w, "EdtMedium"), "medium");
    QTEST(w.windowTitle(), "caption");
    QCOMPARE(Field(w, "edtSession"), QString("298"));
}

void TestMainWindow::unknownConnectionTypeLeavesWindowUsable()
{
    WriteAll(IniFileName(), "[GENERAL]\nConnectiontype=7\n");
    TfrmZelmorClient w({"/M"}, false);
    w.show();
    QTRY_COMPARE(w.ConnectionType(), std::uint8_t(7));
    Btn(w, "btbtnConnect")->click();
    QTRY_VERIFY(!w.SessionRunning());
    QCOMPARE(ButtonsOf(w), (Buttons{true, true, true}));
    QVERIFY(StatusLines(w).last().startsWith("Onbekend verbindingstype 7"));
}

void TestMainWindow::languageFromSettingsAndBadIndexReachesErrorHandling()
{
    WriteAll(IniFileName(), ReadAll(IniFileName()) + "[GENERAL]\nLANGUAGE=1\n");
    {
        TfrmZelmorClient w({"/M"}, false);
        w.show();
        QTRY_COMPARE(Btn(w, "btbtnConnect")->text(), QString("&Connect"));
        QCOMPARE(Field(w, "EdtMedium"), QString("ADSL/Cable"));
        QCOMPARE(w.windowTitle(), QString("Zelmor Version 1.0.0.1"));
        QCOMPARE(w.VersionText(), QString("Version 1.0.0.1"));
    }
    TDictionary::Instance().SetLanguage(0);
    WriteAll(IniFileName(), "[GENERAL]\nLANGUAGE=9\n");
    TfrmZelmorClient w({"/M"}, false);
    w.show();
    QTRY_COMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors.first().startsWith("ERangeError: Language index 9"), qPrintable(m_errors.first()));
    // The handler was aborted; the window goes on with its buttons as they were.
    QCOMPARE(ButtonsOf(w), (Buttons{true, true, true}));
    QVERIFY(QTest::qWaitFor([&] { return w.isVisible(); }));
}

void TestMainWindow::programRunsUnattendedFromPathWithSwitchLetters()
{
    // A program path such as /home/u/Code/Media/... must not switch manual mode on.
    const QString dir = m_docs->dir.path() + "/Code/Media";
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(QFile::link(ZELMOR_CLIENT_EXE, dir + "/zelmor-client"));
    QProcess p;
    p.setProgram(dir + "/zelmor-client");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZELMOR_TIME_SCALE", "0.01");
    p.setProcessEnvironment(env);
    p.start();
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(ReadAll(ClientIni()).contains("SESSIONID=*FIRST*")); // the program read and wrote it
}

void TestMainWindow::connectRequestFromAnotherProgram()
{
    TfrmZelmorClient w({"/M"}, false);
    w.show();
    QTest::qWait(50);
    QProcess sender;
    sender.start(ZELMOR_CLIENT_EXE, {"--send-connect"});
    QVERIFY(QTest::qWaitFor([&] { return sender.state() == QProcess::NotRunning; }, 20000));
    QCOMPARE(sender.readAllStandardOutput().trimmed(), QByteArray("OK"));
    QCOMPARE(sender.exitCode(), 0);
    QTRY_VERIFY(StatusLines(w).contains("Er wordt contact gezocht met de Zelmor-Server."));
    QTRY_VERIFY(!w.SessionRunning());
}

void TestMainWindow::regServerEndsAtOnce()
{
    for (const char *sw : {"/RegServer", "-unregserver"}) {
        QProcess p;
        p.start(ZELMOR_CLIENT_EXE, {sw});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(!QFileInfo::exists(m_docs->Base() + "log"), "nothing is created");
    }
}

void TestMainWindow::formComponentsAndScreenshot()
{
    WriteAll(m_docs->Base() + "KSCOMWKS.USR", QByteArray("ZM0012345\0\x07\x00", 12));
    TfrmZelmorClient w({"/M"}, false);
    w.show();
    QTRY_COMPARE(Field(w, "EdtUser"), QString("ZM0012345"));
    QCOMPARE(w.size(), QSize(492, 426));
    for (const char *name : {"pnlSettings", "pnlMessage", "pnlTransfer", "grpbxTranfes", "lblStatusScreen", "stctxtFileName",
                             "stctxtFileSize", "stctxtProgress", "stctxtStatus"})
        QVERIFY2(w.findChild<QWidget *>(name), name);
    QCOMPARE(Btn(w, "btbtnConnect")->text(), QString("&Maak verbinding"));
    QVERIFY(w.findChild<QLineEdit *>("EdtUser")->isReadOnly());
    QCOMPARE(w.findChild<QLineEdit *>("EdtUser")->focusPolicy(), Qt::NoFocus);
    w.OnStatusLine(nullptr, "Er wordt contact gezocht met de Zelmor-Server.");
    w.OnStatusLine(nullptr, "Zelmor 2 Client Started");
    w.OnFileName(nullptr, "ZM0012345_0001.zzf");
    w.OnFileSize(nullptr, "8192");
    w.OnProgress(nullptr, "100 %");
    w.OnTransferStatus(nullptr, "Ontvangen");
    QTRY_COMPARE(w.findChild<QLabel *>("stctxtFileName")->text(), QString("ZM0012345_0001.zzf")); // shown within 100 ms
    const QPixmap shot = w.grab();
    QVERIFY(!shot.isNull());
    const QString out = qEnvironmentVariable("ZELMOR_SCREENSHOT_DIR");
    if (!out.isEmpty())
        QVERIFY(shot.save(out + "/mainwindow.png"));
}

void TestMainWindow::unattendedExchangeAgainstFtpServer()
{
    QTemporaryDir server;
    const QString home = server.path() + "/ZM0012345/";
    QDir().mkpath(home);
    WriteAll(home + "entries.json", R"([{"name": "news.txt", "text": "from the service"},
                                     {"name": "NEWS.ZUI", "text": "FILE=NEWS.TXT,DESTDIR=C:\\DATAXCH\\IN,"}])");
    QProcess zip;
    zip.start("/usr/bin/python3", {ZELMOR_SOURCE_DIR "/tests/peers/make_zip.py", home + "news.zzf", home + "entries.json"});
    QVERIFY(zip.waitForFinished(20000));
    QFile::remove(home + "entries.json");
    WriteAll(home + "user.zif", "ENDDATE=31-12-2027\r\nSESSIONS=41\r\nSESSIONP=NEXT-42\r\n");
    TPeer ftp("ftpd_pyftpdlib.py", {server.path(), server.path() + "/commands.log", "ZM0012345:*FIRST*"});
    WriteAll(ClientIni(), QString("[SERVICE]\nFTPHOST=127.0.0.1\n[INTERNET]\nFTPPORT=%1\n").arg(ftp.Port()).toLatin1());
    WriteAll(m_docs->Base() + "KSCOMWKS.USR", QByteArray("ZM0012345\0\0\0", 12));
    QDir().mkpath(m_docs->Base() + "msg/out");
    WriteAll(m_docs->Base() + "msg/out/order.edi", "to the service");

    QProcess p;
    p.start(ZELMOR_CLIENT_EXE, QStringList());
    QVERIFY(p.waitForFinished(60000)); // it closes by itself
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(ReadAll(server.path() + "/received/order.edi"), QByteArray("to the service"));
    QVERIFY(!QFile::exists(m_docs->Base() + "msg/out/order.edi"));
    QVERIFY(QDir(home).entryList(QDir::Files).isEmpty()); // fetched and deleted on the server
    // Unpacked where the instructions say, and the next session's password stored.
    QCOMPARE(ReadAll(m_docs->dir.path() + "/DATAXCH/IN/NEWS.TXT"), QByteArray("from the service"));
    QVERIFY(QDir(m_docs->Base() + "msg/in").entryList(QDir::Files).isEmpty());
    const QByteArray ini = ReadAll(ClientIni());
    QVERIFY(ini.contains("SESSIONID=NEXT-42"));
    QVERIFY(ini.contains("SESSIONSLEFT=41"));
    QVERIFY(ReadAll(m_docs->Base() + "log/zm2ftp.log").contains(" : PASS ********"));
    QVERIFY(ReadAll(m_docs->Base() + "log/zm2files.log").contains(" : Unzipping news.txt to "));
}

void TestMainWindow::disconnectStopsRunningSession()
{
    // A server that never greets: the session waits until the user stops it.
    QTemporaryDir server;
    TPeer stall("ftpd_scripted.py", {server.path(), server.path() + "/commands.log", "stall"});
    WriteAll(IniFileName(), QString("[SERVICE]\nFTPHOST=127.0.0.1\n[INTERNET]\nFTPPORT=%1\n").arg(stall.Port()).toLatin1());
    SetTimeScale(1);
    TfrmZelmorClient w({"/M"}, false);
    w.show();
    QTest::qWait(50);
    Btn(w, "btbtnConnect")->click();
    QTRY_VERIFY(StatusLines(w).contains("Verbonden met Zelmor Server."));
    QCOMPARE(ButtonsOf(w), (Buttons{false, false, true}));
    // Another program's request while the session runs starts nothing.
    w.PostMessage(UM_CLIENT_CONNECT);
    QTRY_VERIFY(StatusLines(w).contains("Verzoek om verbinding geweigerd: er loopt al een sessie."));
    QTest::keyClick(&w, Qt::Key_Escape); // Esc presses Disconnect
    QTRY_COMPARE(ButtonsOf(w), (Buttons{true, true, true}));
    SetTimeScale(0.01);
    QVERIFY(!w.FtpSession());
    const QStringList lines = StatusLines(w);
    QVERIFY(lines.contains("Verbindig verbroken door gebruiker."));
    QVERIFY(lines.contains("Communicatie afgebroken door gebruiker"));
    QCOMPARE(lines.count("Er wordt contact gezocht met de Zelmor-Server."), 1);
}

void TestMainWindow::serviceSimulatorSessionIdsCarryOver()
{
    // The service changes the password after every session: the second run only gets in
    // with the session ID the first run fetched and stored.
    QTemporaryDir root;
    TPeer service("../service/zelmor_service.py", {root.path()});
    WriteAll(ClientIni(), QString("[SERVICE]\nFTPHOST=127.0.0.1\n[INTERNET]\nFTPPORT=%1\n").arg(service.Port()).toLatin1());
    WriteAll(m_docs->Base() + "KSCOMWKS.USR", QByteArray("ZM0012345\0\0\0", 12));
    QStringList ids;
    for (int run = 1; run <= 2; ++run) {
        QProcess p;
        p.start(ZELMOR_CLIENT_EXE, QStringList());
        QVERIFY(p.waitForFinished(60000));
        QVERIFY(QFile::exists(m_docs->dir.path() + QString("/DATAXCH/IN/BERICHT000%1.TXT").arg(run)));
        ids << TProfileFile(ClientIni()).ReadString("INTERNET", "SESSIONID", "");
    }
    QVERIFY(ids[0].startsWith("S"));
    QVERIFY(ids[1].startsWith("S"));
    QVERIFY(ids[0] != ids[1]);
    QVERIFY(QFile::exists(m_docs->Base() + "msg/in/ADMIN/REKENING.CSV"));
    QVERIFY(QFile::exists(m_docs->Base() + "msg/in/ADMIN/REKENING.000")); // the second is numbered
    QVERIFY(!ReadAll(m_docs->Base() + "log/zm2ftp.log").contains("Wachtwoord niet geldig"));
}

int main(int argc, char **argv)
{
    TZelmorApplication app(argc, argv);
    TestMainWindow t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_mainwindow.moc"
