// Program entry of the client.
#include "ConnectRequest.h"
#include "ZelmorApplication.h"
#include "fZelmorClientMain.h"
#include "logs/fZelmorException.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include <malloc.h>

namespace {

enum class StartMode { Normal, Automation, EndNow };

// The automation switches are whole arguments introduced by "/" or "-".
StartMode AutomationStartMode(int argc, char **argv)
{
    StartMode mode = StartMode::Normal;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '/' && argv[i][0] != '-')
            continue;
        const QString sw = QString::fromLocal8Bit(argv[i] + 1).toUpper();
        if (sw == QLatin1String("REGSERVER") || sw == QLatin1String("UNREGSERVER"))
            return StartMode::EndNow;
        if (sw == QLatin1String("AUTOMATION") || sw == QLatin1String("EMBEDDING"))
            mode = StartMode::Automation;
    }
    return mode;
}

} // namespace

int main(int argc, char **argv)
{
    // "--send-connect" asks the running client to connect, as other programs do.
    if (argc == 2 && std::strcmp(argv[1], "--send-connect") == 0) {
        QCoreApplication app(argc, argv);
        QString answer;
        const int rc = zelmor::SendConnectRequest(&answer);
        std::printf("%s\n", rc == 2 ? "no running client" : qPrintable(answer));
        return rc;
    }
    const StartMode mode = AutomationStartMode(argc, argv);
    if (mode == StartMode::EndNow)
        return 0;
#ifdef Q_OS_LINUX
    // An unattended client on a machine without a display still runs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Qt's own event dispatcher costs fewer system calls per event than glib's.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // Transfers allocate and free buffers all the time: keep the freed memory instead of
    // handing it back to the system after every file.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    zelmor::TZelmorApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelmor Client"));
    zelmor::InstallExceptionDialog();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    zelmor::TfrmZelmorClient form(arguments, mode == StartMode::Automation);
    form.show();
    return app.exec();
}
