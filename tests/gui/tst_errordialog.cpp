#include "TestDirs.h"

#include "app/ZelmorApplication.h"
#include "logs/fZelmorException.h"
#include "logs/uSimpleExceptionLog.h"
#include "platform/DebugSupport.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Messages.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <thread>

using namespace zelmor;

namespace {

// Runs check once the dialog shows its finished report, then lets the dialog go on.
void WhenReportBuilt(std::function<void(TfrmExceptionDialog *)> check)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        TfrmExceptionDialog *d = TfrmExceptionDialog::Instance();
        if (!d || !d->isVisible() || !d->findChild<QPushButton *>("DetailsBtn")->isEnabled())
            return;
        poll->stop();
        poll->deleteLater();
        check(d);
    });
    poll->start(5);
}

QString Memo(TfrmExceptionDialog *d, const char *name) { return d->findChild<QPlainTextEdit *>(name)->toPlainText(); }

} // namespace

class TestErrorDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void errorFromButtonHandlerShowsDialogAndLogs();
    void closesOnOkAndMessageWithStopStaysAsItIs();
    void errorOfAnotherThreadNamesTheThread();

private:
    TSharedDocs m_docs;
    QStringList m_boxes;
};

void TestErrorDialog::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    SetTimeScale(0.05); // the seven seconds pass in 350 ms
    InstallExceptionDialog();
    SetMessageBoxHook([this](TMsgKind, const QString &, const QString &text) { m_boxes << text; });
}

void TestErrorDialog::errorFromButtonHandlerShowsDialogAndLogs()
{
    const QString logPath = TSimpleExceptionLog::DefaultFileName();
    QVERIFY2(logPath.startsWith(m_docs.Base() + "log/"), qPrintable(logPath)); // no log folder beside the program
    QWidget form;
    form.setObjectName("frmTest");
    auto *button = new QPushButton("Go", &form);
    button->setObjectName("btnGo");
    QObject::connect(button, &QPushButton::clicked, [] { throw EInOutError("Disk full\nwhile writing"); });
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    button->setFocus();

    QString label, details, clip;
    bool shownDetails = false;
    WhenReportBuilt([&](TfrmExceptionDialog *d) {
        label = Memo(d, "TextLabel");
        QTest::keyClick(d->findChild<QPlainTextEdit *>("TextLabel"), Qt::Key_C, Qt::ControlModifier);
        clip = QApplication::clipboard()->text();
        // A second error while the dialog is up gets the plain box.
        DispatchAppException(ERangeError("second"));
        d->findChild<QPushButton *>("DetailsBtn")->click();
        shownDetails = d->ShowDetails() && d->findChild<QPlainTextEdit *>("DetailsMemo")->isVisible() &&
                       d->findChild<QPushButton *>("DetailsBtn")->text() == "<< &Details";
        details = Memo(d, "DetailsMemo");
        const QString out = qEnvironmentVariable("ZELMOR_SCREENSHOT_DIR");
        if (!out.isEmpty())
            d->grab().save(out + "/errordialog.png");
        // No OK press: the dialog closes by itself.
    });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton); // returns when the dialog has closed
    QVERIFY(clock.elapsed() >= 300);
    QVERIFY(!TfrmExceptionDialog::Instance());
    QVERIFY(!TfrmExceptionDialog::ExceptionShowing());

    QCOMPARE(label, QString("Disk full\nwhile writing."));
    QVERIFY(shownDetails);
    QCOMPARE(m_boxes, QStringList({"second"}));
    for (const char *part : {"Exception class: EInOutError", "Stack list, generated ", "System   : ", "Processor: ",
                             "Display  : ", "List of loaded modules:", "(no version info)", "Active Controls hiearchy:",
                             "QPushButton \"btnGo\"", "QWidget \"frmTest\""})
        QVERIFY2(details.contains(part), part);
    QVERIFY(details.indexOf("Stack list") < details.indexOf("System   :"));
    QVERIFY(details.indexOf("System   :") < details.indexOf("List of loaded modules:"));
    QVERIFY2(details.contains("errorFromButtonHandlerShowsDialogAndLogs"), "the raise site is in the stack list");
    QVERIFY(clip.startsWith("Disk full\r\nwhile writing.\r\n\r\nException class: EInOutError\r\n"));
    QVERIFY(clip.contains("List of loaded modules:")); // the whole report, though the details were hidden

    const QByteArray log = ReadAll(logPath);
    const QByteArray rule(100, '=');
    QVERIFY(log.startsWith(rule + "\r\n= ")); // the first block has no empty line before it
    const QList<QByteArray> lines = log.split('\n');
    QCOMPARE(lines[1].size(), 101); // "= <time> padded =" plus CR
    QVERIFY(lines[1].endsWith(" =\r"));
    QCOMPARE(lines[3], QByteArray("Disk full\r"));
    QVERIFY(log.contains("\r\nException class: EInOutError\r\n"));
    QVERIFY(!log.contains(" \r\n")); // trailing blanks removed

    // A later report in the same log starts with an empty line.
    QTimer::singleShot(0, [] { WhenReportBuilt([](TfrmExceptionDialog *d) { d->findChild<QPushButton *>("OkBtn")->click(); }); });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(ReadAll(logPath).mid(log.size()).startsWith("\r\n" + rule + "\r\n= "));
}

void TestErrorDialog::closesOnOkAndMessageWithStopStaysAsItIs()
{
    QString label;
    QElapsedTimer clock;
    clock.start();
    WhenReportBuilt([&](TfrmExceptionDialog *d) {
        label = Memo(d, "TextLabel");
        d->findChild<QPushButton *>("OkBtn")->click();
    });
    HandleAppException(EConvertError("Bad value."));
    QCOMPARE(label, QString("Bad value."));
    QVERIFY(clock.elapsed() < 300);
}

void TestErrorDialog::errorOfAnotherThreadNamesTheThread()
{
    QString details;
    std::thread worker([] { RunReportingErrors("Dialler", [] { throw EComponentError("line dropped"); }); });
    worker.join();
    WhenReportBuilt([&](TfrmExceptionDialog *d) {
        details = Memo(d, "DetailsMemo");
        d->findChild<QPushButton *>("OkBtn")->click();
    });
    QTRY_VERIFY(details.contains("Thread: Dialler"));
    QVERIFY(details.contains("Exception class: EComponentError"));
    QVERIFY(!details.contains("Exception address"));
}

int main(int argc, char **argv)
{
    TZelmorApplication app(argc, argv);
    TestErrorDialog t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_errordialog.moc"
