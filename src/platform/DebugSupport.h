#pragma once
// What the error report asks of the system: version, processor, loaded modules, and a
// last-resort record of fatal signals.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

namespace zelmor {

QString SystemLine();
QString ProcessorLine();

struct TModuleInfo {
    std::uintptr_t LoadAddress = 0;
    std::uintptr_t PreferredBase = 0;
    QString Path;
    bool HasVersion = false;
    int Version[4] = {0, 0, 0, 0};
    QString VersionText;
    QString Description;
};
// Modules of the process, lowest load address first; empty when they cannot be read.
std::vector<TModuleInfo> LoadedModules();

// Runs fn; an error escaping it is handed to the user-interface thread with the thread's name.
void RunReportingErrors(const QString &threadName, const std::function<void()> &fn);
// Receives errors of other threads on the user-interface thread.
using TThreadExceptionHandler = std::function<void(const QString &threadName, std::exception_ptr error)>;
void SetThreadExceptionHandler(TThreadExceptionHandler handler);

// Writes a framed block to the error log with async-signal-safe calls when the process
// dies of a fatal signal, then lets the signal take its course.
void InstallFatalSignalLog(const QString &errorLogPath);

} // namespace zelmor
