// Dies of the signal named on its command line after installing the fatal-signal record.
#include "platform/DebugSupport.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    zelmor::InstallFatalSignalLog(QString::fromLocal8Bit(argv[1]));
    if (std::atoi(argv[2]) == SIGABRT)
        std::abort();
    volatile int *nowhere = nullptr;
    return *nowhere; // a real segmentation fault
}
