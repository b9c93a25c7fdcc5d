#include "TestDirs.h"

#include "files/uPostFiles.h"
#include "logs/uLogFile.h"
#include "platform/Errors.h"
#include "platform/TimeStamp.h"

#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <QtTest>

using namespace zelmor;

namespace {

QStringList FileLines(const QString &path)
{
    QStringList lines = QString::fromLatin1(ReadAll(path)).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// "<date> <time> : <text>" in the day-month-year pattern of a system without regional settings.
QString TextOf(const QString &line)
{
    static const QRegularExpression re("^\\d\\d-\\d\\d-\\d{4}( \\d\\d:\\d\\d:\\d\\d)? : (.*)$");
    const auto m = re.match(line);
    return m.hasMatch() ? m.captured(2) : "<bad line: " + line + ">";
}

} // namespace

class TestLogs : public QObject {
    Q_OBJECT
private slots:
    void newLogNewestFirstWithMarkers();
    void sixHundredLinesTrimmedByAddOnly();
    void runWithoutAddKeepsEverything();
    void timeStampAtMidnightIsTheDateAlone();
    void unwritableAndUnreadableLogsRaise();
    void postFileLines_data();
    void postFileLines();
    void collectReadsOutFilesInOrder();
    void fatalSignalLeavesBlockInErrorLog();
};

void TestLogs::newLogNewestFirstWithMarkers()
{
    QTemporaryDir d;
    const QString path = d.path() + "/deep/log/zm2ftp.log"; // folders are created
    {
        TLogFile log(path);
        QCOMPARE(log.MaxLines(), 500);
        log.Add("first");
        log.Add("second");
    }
    const QStringList lines = FileLines(path);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(TextOf(lines[0]), QString("===== LOG END  ====="));
    QCOMPARE(TextOf(lines[1]), QString("second"));
    QCOMPARE(TextOf(lines[2]), QString("first"));
    QCOMPARE(TextOf(lines[3]), QString("===== LOG START ====="));
    QVERIFY(ReadAll(path).endsWith("=====\r\n"));
}

void TestLogs::sixHundredLinesTrimmedByAddOnly()
{
    QTemporaryDir d;
    const QString path = d.filePath("a.log");
    QByteArray old;
    for (int i = 599; i >= 0; --i)
        old += "old " + QByteArray::number(i) + "\n"; // LF line ends read as well
    WriteAll(path, old);
    TLogFile log(path);
    QCOMPARE(log.Lines().size(), 601);
    log.Add("new");
    QCOMPARE(log.Lines().size(), 500);
    QCOMPARE(TextOf(log.Lines()[0]), QString("new"));
    QCOMPARE(log.Lines()[2], QString("old 599"));
    QCOMPARE(log.Lines().last(), QString("old 102")); // the oldest went from the bottom
    log.Close();
    QCOMPARE(FileLines(path).size(), 501);
}

void TestLogs::runWithoutAddKeepsEverything()
{
    QTemporaryDir d;
    const QString path = d.filePath("a.log");
    QByteArray old;
    for (int i = 0; i < 700; ++i)
        old += "x\r\n";
    WriteAll(path, old);
    { TLogFile log(path); }
    const QStringList lines = FileLines(path);
    QCOMPARE(lines.size(), 702);
    QCOMPARE(TextOf(lines.first()), QString("===== LOG END  ====="));
    QCOMPARE(TextOf(lines[1]), QString("===== LOG START ====="));
}

void TestLogs::timeStampAtMidnightIsTheDateAlone()
{
    const QDate day(2026, 1, 2);
    QCOMPARE(FormatTimeStamp(QDateTime(day, QTime(0, 0))), QString("02-01-2026"));
    QCOMPARE(FormatTimeStamp(QDateTime(day, QTime(0, 0, 0, 1))), QString("02-01-2026 00:00:00"));
    QCOMPARE(FormatTimeStamp(QDateTime(day, QTime(13, 5, 9))), QString("02-01-2026 13:05:09"));
}

void TestLogs::unwritableAndUnreadableLogsRaise()
{
    QTemporaryDir d;
    QDir(d.path()).mkdir("taken.log");
    // A folder in the file's place can be neither read nor replaced.
    QVERIFY_THROWS_EXCEPTION(EInOutError, TLogFile(d.filePath("taken.log")));

    const QString path = d.filePath("a.log");
    WriteAll(path, "old\r\n");
    TLogFile log(path);
    log.Add("x");
    QFile::remove(path);
    QDir(d.path()).mkdir("a.log");
    QVERIFY_THROWS_EXCEPTION(EInOutError, log.Close());
}

void TestLogs::postFileLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("marker and LHA") << QByteArray("FILE:C:\\DATA\\X01.EDI //LHA\r\n") << QStringList{"C:\\DATA\\X01.EDI"};
    QTest::newRow("LHA any case, mid line") << QByteArray("FILE: a//lHab.edi \n") << QStringList{"ab.edi"};
    QTest::newRow("text before marker stays") << QByteArray("xFILE:y\n") << QStringList{"xy"};
    QTest::newRow("lower-case marker ignored") << QByteArray("file:a\nFile:b\nFILE:c\n") << QStringList{"c"};
    QTest::newRow("only the marker") << QByteArray("FILE:\n") << QStringList{""};
    QTest::newRow("same path twice") << QByteArray("FILE:a\nFILE:a") << QStringList{"a", "a"};
    QTest::newRow("control characters trimmed") << QByteArray("FILE:\t a.edi\x01\r\n") << QStringList{"a.edi"};
    QTest::newRow("ctrl-z ends the file") << QByteArray("FILE:a\n\x1A" "FILE:b\n") << QStringList{"a"};
    QTest::newRow("no marker") << QByteArray("hello\r\n\r\n") << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("second marker stays in name") << QByteArray("FILE:FILE:a\n") << QStringList{"FILE:a"};
}

void TestLogs::postFileLines()
{
    QFETCH(QByteArray, content);
    QTemporaryDir d;
    WriteAll(d.filePath("p.out"), content);
    TPostFile post;
    post.ReadPostFile(d.filePath("p.out"));
    QTEST(static_cast<QStringList>(post), "names");
    QCOMPARE(post.FileName, d.filePath("p.out"));
    QVERIFY(post.AllSent);
}

void TestLogs::collectReadsOutFilesInOrder()
{
    QTemporaryDir d;
    WriteAll(d.filePath("b.OUT"), "FILE:b1\nFILE:b2\n");
    WriteAll(d.filePath("a.out"), "FILE:a1\n");
    WriteAll(d.filePath("c.txt"), "FILE:c\n");
    QByteArray garbage;
    for (int i = 0; i < 1 << 20; ++i)
        garbage += char(i % 251 == 26 ? 'x' : i % 251); // binary, but no Ctrl+Z
    WriteAll(d.filePath("g.out"), garbage + "\nFILE:" + QByteArray(1 << 20, 'n') + "\n");
    TPostFileList list;
    list.Collect(d.path());
    list.Collect(QString(d.path() + "/missing")); // no folder: nothing added
    QCOMPARE(list.Count(), 3);
    QCOMPARE(static_cast<QStringList>(list.Items(0)), QStringList({"a1"}));
    QCOMPARE(static_cast<QStringList>(list.Items(1)), QStringList({"b1", "b2"}));
    QCOMPARE(list.Items(2).size(), 1);
    QCOMPARE(list.Items(2).first().size(), 1 << 20);
    list.Delete(0);
    QCOMPARE(list.Items(0).FileName, d.filePath("b.OUT"));
    TPostFile missing;
    QVERIFY_THROWS_EXCEPTION(EInOutError, missing.ReadPostFile(d.filePath("none.out")));
}

void TestLogs::fatalSignalLeavesBlockInErrorLog()
{
    QTemporaryDir d;
    const QString log = d.filePath("client_Err.log");
    WriteAll(log, "earlier report\r\n");
    for (int sig : {SIGSEGV, SIGABRT}) {
        QProcess p;
        // The sanitizer's own handlers stand aside, as in a release build.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ASAN_OPTIONS", "handle_segv=0:handle_abort=0:detect_leaks=0");
        p.setProcessEnvironment(env);
        p.start(CRASHER_EXE, {log, QString::number(sig)});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    }
    const QString text = QString::fromLatin1(ReadAll(log));
    QVERIFY(text.startsWith("earlier report\r\n\n" + QString(100, '=') + "\n= Fatal signal 11 (segmentation fault)"));
    QVERIFY(text.contains("= Fatal signal 6 (abort): the program ended"));
    QVERIFY2(text.contains("crasher"), "the stack names the program");
}

QTEST_GUILESS_MAIN(TestLogs)
#include "tst_logs.moc"
