// Runs the processing of incoming files once on the data folder ZELMOR_SHARED_DOCS names,
// as the client does after an FTP session; for the benchmark beside unzip.
#include "files/uProcessFiles.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        zelmor::TProcessFiles p;
        p.Execute();
        p.CloseLog();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
