#include "DebugSupport.h"

#include "SharedFolders.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QRegularExpression>
#include <QSysInfo>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>

#include <elf.h>
#include <execinfo.h>
#include <fcntl.h>
#include <link.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace zelmor {

QString SystemLine()
{
    struct utsname u {};
    uname(&u);
    const QStringList parts = QString::fromLatin1(u.release).split(QRegularExpression(QStringLiteral("[.-]")));
    const int major = parts.value(0).toInt();
    const int minor = parts.value(1).toInt();
    const int build = parts.value(2).toInt();
    return QStringLiteral("System   : %1 %2, Version: %3.%4, Build: %5, \"%6\"")
        .arg(QSysInfo::prettyProductName(), QSysInfo::productType())
        .arg(major)
        .arg(minor)
        .arg(QString::number(build, 16).toUpper(), QString::fromLatin1(u.version));
}

QString ProcessorLine()
{
    QString vendor, name, flags;
    double mhz = 0;
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly)) {
        for (const QByteArray &raw : f.readAll().split('\n')) {
            const QString line = QString::fromLatin1(raw);
            const int colon = line.indexOf(':');
            if (colon < 0)
                continue;
            const QString key = line.left(colon).trimmed(), value = line.mid(colon + 1).trimmed();
            if (key == QLatin1String("vendor_id") && vendor.isEmpty())
                vendor = value;
            else if (key == QLatin1String("model name") && name.isEmpty())
                name = value;
            else if (key == QLatin1String("cpu MHz") && mhz == 0)
                mhz = value.toDouble();
            else if (key == QLatin1String("flags") && flags.isEmpty())
                flags = value;
        }
    }
    const bool mmx = flags.split(' ').contains(QStringLiteral("mmx"));
    // No processor of this century has the division fault.
    return QStringLiteral("Processor: %1, %2, %3 MHz %4%5")
        .arg(vendor, name)
        .arg(qRound(mhz))
        .arg(mmx ? QStringLiteral("MMX") : QString(), QString());
}

namespace {

// A shared object's version from its file name (libfoo.so.6.4.2); the program's own from the build.
void FillVersion(TModuleInfo &m)
{
    int v[4];
    if (GetFileVersion(m.Path, v[0], v[1], v[2], v[3])) {
        std::copy(v, v + 4, m.Version);
        m.HasVersion = true;
        m.VersionText = QStringLiteral("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
        m.Description = QCoreApplication::applicationName();
        return;
    }
    const QString real = QFileInfo(m.Path).canonicalFilePath();
    static const QRegularExpression re(QStringLiteral("\\.so\\.(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?(?:\\.(\\d+))?$"));
    const auto match = re.match(real.isEmpty() ? m.Path : real);
    if (!match.hasMatch())
        return;
    QStringList texts;
    for (int i = 0; i < 4; ++i) {
        m.Version[i] = match.captured(i + 1).toInt();
        if (!match.captured(i + 1).isEmpty())
            texts << match.captured(i + 1);
    }
    m.HasVersion = true;
    m.VersionText = texts.join('.');
}

int CollectModule(dl_phdr_info *info, size_t, void *data)
{
    auto *list = static_cast<std::vector<TModuleInfo> *>(data);
    TModuleInfo m;
    std::uintptr_t firstLoad = 0;
    for (int i = 0; i < info->dlpi_phnum; ++i)
        if (info->dlpi_phdr[i].p_type == PT_LOAD) {
            firstLoad = info->dlpi_phdr[i].p_vaddr;
            break;
        }
    m.PreferredBase = firstLoad;
    m.LoadAddress = info->dlpi_addr + firstLoad;
    m.Path = QString::fromLocal8Bit(info->dlpi_name);
    if (m.Path.isEmpty())
        m.Path = ProgramFilePath();
    if (m.Path.startsWith(QLatin1String("linux-vdso")))
        return 0; // no file behind it
    FillVersion(m);
    list->push_back(m);
    return 0;
}

TThreadExceptionHandler g_threadHandler;

// Prepared before any signal, because nothing may be allocated in the handler.
char g_errorLogPath[4096];

void WriteAll(int fd, const char *s)
{
    size_t n = std::strlen(s);
    while (n > 0) {
        const ssize_t w = ::write(fd, s, n);
        if (w <= 0)
            return;
        s += w;
        n -= size_t(w);
    }
}

void FatalSignal(int sig)
{
    const int fd = ::open(g_errorLogPath, O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (fd >= 0) {
        char rule[102];
        std::memset(rule, '=', 100);
        rule[100] = '\n';
        rule[101] = 0;
        WriteAll(fd, "\n");
        WriteAll(fd, rule);
        WriteAll(fd, "= Fatal signal ");
        char num[16];
        int n = sig, i = 15;
        num[i] = 0;
        do {
            num[--i] = char('0' + n % 10);
            n /= 10;
        } while (n && i > 0);
        WriteAll(fd, num + i);
        WriteAll(fd, " (");
        WriteAll(fd, sig == SIGSEGV ? "segmentation fault" : sig == SIGABRT ? "abort" : sig == SIGBUS ? "bus error"
                     : sig == SIGFPE ? "arithmetic error" : "illegal instruction");
        WriteAll(fd, "): the program ended\n");
        WriteAll(fd, rule);
        void *frames[64];
        const int count = backtrace(frames, 64);
        backtrace_symbols_fd(frames, count, fd);
        ::close(fd);
    }
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

} // namespace

std::vector<TModuleInfo> LoadedModules()
{
    std::vector<TModuleInfo> list;
    dl_iterate_phdr(CollectModule, &list);
    std::sort(list.begin(), list.end(), [](const TModuleInfo &a, const TModuleInfo &b) { return a.LoadAddress < b.LoadAddress; });
    return list;
}

void SetThreadExceptionHandler(TThreadExceptionHandler handler) { g_threadHandler = std::move(handler); }

void RunReportingErrors(const QString &threadName, const std::function<void()> &fn)
{
    try {
        fn();
    } catch (...) {
        std::exception_ptr error = std::current_exception();
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [threadName, error] {
                if (g_threadHandler)
                    g_threadHandler(threadName, error);
            }, Qt::QueuedConnection);
    }
}

void InstallFatalSignalLog(const QString &errorLogPath)
{
    const QByteArray p = QFile::encodeName(errorLogPath);
    std::strncpy(g_errorLogPath, p.constData(), sizeof g_errorLogPath - 1);
    void *warm[1];
    backtrace(warm, 1); // loads the unwinder now, not inside the handler
    struct sigaction sa {};
    sa.sa_handler = FatalSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND;
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        sigaction(sig, &sa, nullptr);
}

} // namespace zelmor
