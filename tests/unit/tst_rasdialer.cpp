#include "Peers.h"
#include "TestDirs.h"

#include "config/uComSettings.h"
#include "ftp/uZelmor2FTP.h"
#include "platform/Messages.h"
#include "platform/RemoteAccess.h"
#include "ras/uRasDialer.h"
#include "ras/uRasError.h"

#include <QtTest>

using namespace zelmor;

namespace {

// A simulated service from a configuration written by the test; it is the one in use.
std::shared_ptr<TSimulatedRemoteAccess> Simulate(const QTemporaryDir &dir, const QByteArray &json)
{
    WriteAll(dir.filePath("ras.json"), json);
    auto sim = CreateSimulatedRemoteAccess(dir.filePath("ras.json"));
    SetRemoteAccess(sim);
    return sim;
}

struct TWatch {
    QStringList status;
    int connected = 0, disconnected = 0;
    void Attach(TZelmorRasDialer &d)
    {
        d.SetOnStatus([this](int, const QString &t) { status << t; });
        d.SetOnConnected([this] { ++connected; });
        d.SetOnDisconnected([this] { ++disconnected; });
    }
};

QStringList LogTexts(const QString &path)
{
    QStringList texts;
    for (const QString &line : QString::fromLatin1(ReadAll(path)).split("\r\n", Qt::SkipEmptyParts))
        texts.prepend(line.mid(line.indexOf(" : ") + 3));
    return texts; // oldest first
}

} // namespace

class TestRasDialer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetTimeScale(0.01); }
    void cleanup() { SetRemoteAccess(nullptr); }
    void stateTexts_data();
    void stateTexts();
    void threeFailingAttempts();
    void entryAlreadyConnected();
    void lineDropsAfterConnect();
    void listsAtCreation();
    void pppdBackend();
    void dialUpSessionDialsExchangesAndHangsUp_data();
    void dialUpSessionDialsExchangesAndHangsUp();

private:
    QTemporaryDir m_dir;
};

void TestRasDialer::stateTexts_data()
{
    QTest::addColumn<uint>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("open port") << 0u << "Open Poort";
    QTest::newRow("auth retry keeps its blank") << 7u << "Hercontrole op de inloggegevens ";
    QTest::newRow("auth notify shows nothing") << 6u << "";
    QTest::newRow("sub-entry connected") << 22u << "";
    QTest::newRow("sub-entry disconnected") << 23u << "";
    QTest::newRow("password expired") << 0x1003u << "Het wachtwoord is verlopen";
    QTest::newRow("connected") << 0x2000u << "Verbonden met inbelserver";
    QTest::newRow("unknown") << 30u << "Verbindings status #30";
}

void TestRasDialer::stateTexts()
{
    QFETCH(uint, state);
    QTEST(RasStateText(state), "text");
}

void TestRasDialer::threeFailingAttempts()
{
    auto sim = Simulate(m_dir, R"({"dial": {"*": {"states": [0, 1, 2], "results": ["fail"]}}})");
    const QString log = m_dir.filePath("log/zm2ras.log");
    QFile::remove(log);
    TWatch w;
    {
        TZelmorRasDialer d;
        d.SetLogFileName(log);
        w.Attach(d);
        d.Dial("ZELMOR2", "zeluser", "mirtap", "0,123", "Sim Modem");
        QVERIFY(QTest::qWaitFor([&] { return w.disconnected > 0; }, 10000));
        QTest::qWait(50);
    }
    QStringList attempt{"Open Poort", "Poort Geopend", "Bezig met verbinding op te zetten", "Verbinding verbroken",
                        "Verbing maken mislukt."};
    const QStringList expected = QStringList{"Poging 1."} + attempt + QStringList{"Poging 2."} + attempt +
                                 QStringList{"Poging 3."} + attempt;
    QCOMPARE(w.status, expected);
    QCOMPARE(w.connected, 0);
    QCOMPARE(w.disconnected, 1);
    const QStringList closing{"Internet verbinding verbroken", "=============================="};
    QCOMPARE(LogTexts(log).mid(1, expected.size() + 2), expected + closing);
    const QStringList calls = SimulatedRemoteAccessCalls(*sim);
    QCOMPARE(calls.filter("SetEntryProperties ZELMOR2 0,123 Sim Modem").size(), 3);
    QCOMPARE(calls.filter("Dial ZELMOR2 0,123 zeluser mirtap").size(), 3);
    QCOMPARE(calls.last(), QString("DeleteEntry ZELMOR2"));
}

void TestRasDialer::entryAlreadyConnected()
{
    auto sim = Simulate(m_dir, R"({"entries": {"KPN": {"user": "k", "password": "s"}}, "connections": ["kpn"]})");
    TWatch w;
    TZelmorRasDialer d;
    w.Attach(d);
    d.Dial("KPN", "", "", "", "");
    QCOMPARE(w.connected, 1); // at once, without dialling
    QVERIFY(w.status.isEmpty());
    d.HangUp(); // hangs up the connection it did not make
    QVERIFY(QTest::qWaitFor([&] { return w.disconnected == 1; }, 5000));
    // Stored credentials: no entry written, none deleted.
    QCOMPARE(SimulatedRemoteAccessCalls(*sim), QStringList({"HangUp"}));
}

void TestRasDialer::lineDropsAfterConnect()
{
    auto sim = Simulate(m_dir, R"({"entries": {"KPN": {"user": "kpnuser", "password": "secret"}},
                                  "dial": {"KPN": {"states": [0, 3, 14], "results": ["connect"], "dropAfterMs": 3000}}})");
    TWatch w;
    TZelmorRasDialer d;
    w.Attach(d);
    d.Dial("KPN", "", "", "", "");
    QVERIFY(QTest::qWaitFor([&] { return w.connected == 1; }, 5000));
    QVERIFY(d.Connected());
    QCOMPARE(w.status, QStringList({"Poging 1.", "Open Poort", "Verbinding gemaakt", "Inloggegevens OK", "Verbonden met inbelserver"}));
    QVERIFY(QTest::qWaitFor([&] { return w.disconnected == 1; }, 5000)); // the watch finds the dropped line
    QVERIFY(!d.Connected());
    QTest::qWait(50);
    QCOMPARE(w.disconnected, 1);
    QCOMPARE(SimulatedRemoteAccessCalls(*sim), QStringList({"GetEntryDialParams KPN", "Dial KPN  kpnuser secret"}));
}

void TestRasDialer::listsAtCreation()
{
    Simulate(m_dir, R"({"devices": [{"type": "modem", "name": "A"}, {"type": "", "name": "B"}, {"type": "isdn", "name": "C"}],
                        "entries": {"One": {}, "Two": {}}})");
    {
        TZelmorRasDialer d;
        QCOMPARE(d.Devices, QStringList({"A", "C"}));
        QCOMPARE(d.Entries, QStringList({"One", "Two"}));
    }
    QByteArray many = R"({"entries": {)";
    for (int i = 0; i < 17; ++i)
        many += QString("\"E%1\": {}%2").arg(i).arg(i < 16 ? "," : "").toLatin1();
    Simulate(m_dir, many + "}}");
    TZelmorRasDialer d;
    QCOMPARE(d.Entries, QStringList()); // too many for the enumeration
}

void TestRasDialer::pppdBackend()
{
    const QString peers = m_dir.path() + "/peers";
    QDir().mkpath(peers);
    qputenv("ZELMOR_PPP_PEERS", peers.toUtf8());
    WriteAll(peers + "/provider", "/dev/ttyS0\n# standin: fail\n");
    SetRemoteAccess(CreatePppdRemoteAccess(ZELMOR_SOURCE_DIR "/tests/peers/pppd_standin.sh", peers));
    TWatch w;
    TZelmorRasDialer d;
    QCOMPARE(d.Entries, QStringList({"provider"}));
    w.Attach(d);
    // An entry of our own: written as a peer file, dialled, up, hung up, deleted.
    d.Dial("ZELMOR2", "zeluser", "mirtap", "0,123", "/dev/ttyS0");
    QVERIFY(ReadAll(peers + "/ZELMOR2").contains("ATDT0,123"));
    QVERIFY(QTest::qWaitFor([&] { return w.connected == 1; }, 10000));
    QVERIFY(w.status.contains("Verbinding gemaakt"));
    QVERIFY(w.status.contains("Inloggegevens OK"));
    d.HangUp();
    QVERIFY(QTest::qWaitFor([&] { return w.disconnected == 1; }, 10000));
    QVERIFY(!QFile::exists(peers + "/ZELMOR2"));
    // The provider's own entry fails each time: three attempts, and the entry stays.
    d.Dial("provider", "", "", "", "");
    QVERIFY(QTest::qWaitFor([&] { return w.disconnected == 2; }, 10000));
    QCOMPARE(w.status.count("Verbing maken mislukt."), 3);
    QVERIFY(QFile::exists(peers + "/provider"));
    QVERIFY(ReadAll(m_dir.path() + "/standin.log").contains("args: call ZELMOR2 nodetach user zeluser password mirtap"));
}

void TestRasDialer::dialUpSessionDialsExchangesAndHangsUp_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("dialled");
    QTest::newRow("default") << "Zelmor2" << "22222222222";
    QTest::newRow("outside line") << "0,Zelmor2" << "0,22222222222";
    QTest::newRow("capitals, first only") << "9,ZELMOR2zelmor2" << "9,22222222222zelmor2";
    QTest::newRow("no token") << "0201234567" << "0201234567";
}

void TestRasDialer::dialUpSessionDialsExchangesAndHangsUp()
{
    QFETCH(QString, number);
    auto sim = Simulate(m_dir, R"({"dial": {"*": {"states": [0, 14], "results": ["connect"]}}})");
    TSharedDocs docs;
    for (const char *d : {"log", "msg/in", "msg/out", "zelpost"})
        QDir().mkpath(docs.Base() + d);
    QTemporaryDir server;
    TPeer ftp("ftpd_pyftpdlib.py", {server.path(), server.path() + "/commands.log", "ZM0012345:*FIRST*"});
    WriteAll(IniFileName(), QString("[SERVICE]\nFTPHOST=127.0.0.1\nZELMOR2NUMBER=22222222222\n[GENERAL]\nConnectiontype=1\n"
                                    "[ZELMOR2]\nDEVICE=Sim Modem\nPHONENUMBER=%1\n[INTERNET]\nFTPPORT=%2\n")
                                .arg(number).arg(ftp.Port()).toLatin1());
    WriteAll(docs.Base() + "KSCOMWKS.USR", QByteArray("ZM0012345\0\0\0", 12));
    QObject owner;
    auto *s = new TZelmor2FTP(&owner);
    QStringList status;
    int ends = 0;
    s->SetOnStatusLine([&](QObject *, const QString &t) { status << t; });
    s->SetOnSessionEnd([&](QObject *) { ++ends; });
    s->Start();
    QVERIFY(QTest::qWaitFor([&] { return ends > 0; }, 20000));
    QCOMPARE(s->Restarts(), 0);
    delete s;
    QFETCH(QString, dialled);
    const QStringList calls = SimulatedRemoteAccessCalls(*sim);
    const QStringList expected{"SetEntryProperties ZELMOR2 " + dialled + " Sim Modem",
                               "Dial ZELMOR2 " + dialled + " zeluser mirtap", "HangUp", "DeleteEntry ZELMOR2"};
    QCOMPARE(calls, expected);
    QVERIFY(status.contains("Poging 1."));
    QVERIFY(status.contains("Verbonden met inbelserver"));
    QVERIFY(status.indexOf("Verbonden met inbelserver") < status.indexOf("Verbonden met Zelmor Server."));
    QVERIFY(ReadAll(docs.Base() + "log/zm2ras.log").contains(" : Internet verbinding verbroken\r\n"));
}

QTEST_GUILESS_MAIN(TestRasDialer)
#include "tst_rasdialer.moc"
