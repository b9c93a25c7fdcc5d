#include "RemoteAccess.h"

#include "FileUtils.h"
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace zelmor {

// ---- the simulation ------------------------------------------------------------------------

TSimulatedRemoteAccess::TSimulatedRemoteAccess(const QString &configFile)
{
    QFile f(configFile);
    if (f.open(QIODevice::ReadOnly))
        m_config = QJsonDocument::fromJson(f.readAll()).object();
    for (const QJsonValue &v : m_config.value(QStringLiteral("connections")).toArray()) {
        auto line = std::make_shared<Line>();
        line->entry = v.toString();
        line->alive = true;
        m_lines[m_nextHandle++] = line;
    }
}

TSimulatedRemoteAccess::~TSimulatedRemoteAccess()
{
    m_stopping = true;
    for (std::thread &t : m_threads)
        if (t.joinable())
            t.join();
}

void TSimulatedRemoteAccess::Record(const QString &call)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_calls << call;
}

QStringList TSimulatedRemoteAccess::Calls()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

bool TSimulatedRemoteAccess::EnumDevices(std::vector<TRasDevice> &devices)
{
    devices.clear();
    for (const QJsonValue &v : m_config.value(QStringLiteral("devices")).toArray())
        devices.push_back({v[QStringLiteral("type")].toString(), v[QStringLiteral("name")].toString()});
    return true;
}

bool TSimulatedRemoteAccess::EnumEntries(QStringList &entries)
{
    entries = m_config.value(QStringLiteral("entries")).toObject().keys();
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const QString &e : m_writtenEntries)
        if (!entries.contains(e))
            entries << e;
    return entries.size() <= kMaxRasEntries;
}

bool TSimulatedRemoteAccess::EnumConnections(std::vector<TRasConnection> &connections)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    connections.clear();
    for (const auto &[handle, line] : m_lines)
        if (line->alive && !line->failed)
            connections.push_back({line->entry, handle});
    return connections.size() <= size_t(kMaxRasConnections);
}

void TSimulatedRemoteAccess::SetEntryProperties(const QString &entry, const QString &phoneNumber, const QString &device)
{
    Record(QStringLiteral("SetEntryProperties %1 %2 %3").arg(entry, phoneNumber, device));
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_writtenEntries.contains(entry))
        m_writtenEntries << entry;
}

void TSimulatedRemoteAccess::GetEntryDialParams(const QString &entry, QString &userName, QString &password)
{
    Record(QStringLiteral("GetEntryDialParams %1").arg(entry));
    const QJsonObject e = m_config.value(QStringLiteral("entries")).toObject().value(entry).toObject();
    userName = e.value(QStringLiteral("user")).toString();
    password = e.value(QStringLiteral("password")).toString();
}

QJsonObject TSimulatedRemoteAccess::DialPlan(const QString &entry) const
{
    const QJsonObject dial = m_config.value(QStringLiteral("dial")).toObject();
    return dial.contains(entry) ? dial.value(entry).toObject() : dial.value(QStringLiteral("*")).toObject();
}

void TSimulatedRemoteAccess::Dial(const QString &entry, const QString &phoneNumber, const QString &userName,
                                  const QString &password, TRasNotifier notifier, TRasHandle &handle)
{
    Record(QStringLiteral("Dial %1 %2 %3 %4").arg(entry, phoneNumber, userName, password));
    const QJsonObject plan = DialPlan(entry);
    const QJsonArray results = plan.value(QStringLiteral("results")).toArray();
    QString result = QStringLiteral("connect");
    auto line = std::make_shared<Line>();
    line->entry = entry;
    line->alive = true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const int n = m_dialCount[entry]++;
        if (!results.isEmpty())
            result = results.at(qMin(n, int(results.size()) - 1)).toString();
        handle = m_nextHandle++;
        m_lines[handle] = line;
    }
    QList<unsigned> states;
    for (const QJsonValue &v : plan.value(QStringLiteral("states")).toArray({0, 1, 2, 3, 4, 5, 14}))
        states << unsigned(v.toInt());
    const int stepMs = ScaledMs(plan.value(QStringLiteral("stepMs")).toDouble(20));
    const int dropMs = ScaledMs(plan.value(QStringLiteral("dropAfterMs")).toDouble(0));
    // The service reports from a thread of its own, as the real one does.
    m_threads.emplace_back([this, line, states, stepMs, dropMs, result, notifier] {
        auto pause = [this](int ms) {
            for (int waited = 0; waited < ms && !m_stopping; waited += 5)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        };
        for (unsigned s : states) {
            pause(stepMs);
            if (m_stopping || line->hungUp)
                return;
            notifier(s, 0);
        }
        pause(stepMs);
        if (m_stopping || line->hungUp)
            return;
        if (result == QLatin1String("fail")) {
            // As with the real service, a failed dial keeps its handle until it is hung up;
            // its status is the error, not an invalid handle.
            line->failed = true;
            notifier(RASCS_Disconnected, 678);
        } else if (result == QLatin1String("vanish")) {
            line->alive = false;
        } else {
            notifier(RASCS_Connected, 0);
            if (dropMs > 0) {
                pause(dropMs);
                line->alive = false; // the line drops; only the status shows it
            }
        }
    });
}

int TSimulatedRemoteAccess::GetConnectStatus(TRasHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_lines.find(handle);
    if (it == m_lines.end() || !it->second->alive)
        return ERROR_INVALID_HANDLE;
    return it->second->failed ? 678 : 0;
}

void TSimulatedRemoteAccess::HangUp(TRasHandle handle)
{
    Record(QStringLiteral("HangUp"));
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_lines.find(handle);
    if (it != m_lines.end()) {
        it->second->hungUp = true;
        it->second->alive = false;
    }
}

void TSimulatedRemoteAccess::DeleteEntry(const QString &entry)
{
    Record(QStringLiteral("DeleteEntry %1").arg(entry));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writtenEntries.removeAll(entry);
}

std::shared_ptr<TSimulatedRemoteAccess> CreateSimulatedRemoteAccess(const QString &configFile)
{
    return std::make_shared<TSimulatedRemoteAccess>(configFile);
}

QStringList SimulatedRemoteAccessCalls(TSimulatedRemoteAccess &service) { return service.Calls(); }

// ---- pppd ----------------------------------------------------------------------------------

class TPppdRemoteAccess : public TRemoteAccess {
public:
    TPppdRemoteAccess(const QString &pppd, const QString &peers) : m_pppd(pppd), m_peers(WithSeparator(peers)) {}
    ~TPppdRemoteAccess() override
    {
        for (auto &[handle, p] : m_processes) {
            p->disconnect();
            p->terminate();
            p->waitForFinished(1000);
        }
    }
    QString Name() const override { return QStringLiteral("pppd"); }

    bool EnumDevices(std::vector<TRasDevice> &devices) override
    {
        devices.clear();
        for (const QString &n : QDir(QStringLiteral("/dev")).entryList({"ttyS*", "ttyUSB*", "ttyACM*"}, QDir::System))
            devices.push_back({QStringLiteral("modem"), QStringLiteral("/dev/") + n});
        return true;
    }
    bool EnumEntries(QStringList &entries) override
    {
        entries = ScanFiles(m_peers);
        return entries.size() <= kMaxRasEntries;
    }
    bool EnumConnections(std::vector<TRasConnection> &connections) override
    {
        connections.clear();
        for (auto &[handle, p] : m_processes)
            if (p->state() != QProcess::NotRunning)
                connections.push_back({p->property("entry").toString(), handle});
        return connections.size() <= size_t(kMaxRasConnections);
    }
    void SetEntryProperties(const QString &entry, const QString &phoneNumber, const QString &device) override
    {
        // A peer file of our own: the device, and a chat script that dials the number.
        const QByteArray peer = "# written by the Zelmor client\n" + device.toLocal8Bit() +
                                "\n115200\nconnect \"/usr/sbin/chat -v '' ATZ OK ATDT" + phoneNumber.toLocal8Bit() +
                                " CONNECT ''\"\nnoauth\ndefaultroute\nusepeerdns\nmodem\ncrtscts\nlock\n";
        QDir().mkpath(m_peers);
        WriteFileAtomically(m_peers + entry, peer);
    }
    void GetEntryDialParams(const QString &, QString &userName, QString &password) override
    {
        // pppd reads the stored secrets itself.
        userName.clear();
        password.clear();
    }
    void Dial(const QString &entry, const QString &, const QString &userName, const QString &password,
              TRasNotifier notifier, TRasHandle &handle) override
    {
        auto *p = new QProcess;
        p->setProperty("entry", entry);
        QStringList args{QStringLiteral("call"), entry, QStringLiteral("nodetach")};
        if (!userName.isEmpty())
            args << QStringLiteral("user") << userName << QStringLiteral("password") << password;
        handle = ++m_nextHandle;
        m_processes[handle] = std::unique_ptr<QProcess>(p);
        p->setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(p, &QProcess::readyRead, p, [p, notifier] {
            while (p->canReadLine()) {
                const QByteArray line = p->readLine();
                if (line.contains("Using interface"))
                    notifier(1, 0);
                else if (line.contains("Connect:") || line.contains("Serial connection established"))
                    notifier(3, 0);
                else if (line.contains("authentication succeeded"))
                    notifier(14, 0);
                else if (line.contains("local  IP address") || line.contains("local IP address"))
                    notifier(RASCS_Connected, 0);
            }
        });
        QObject::connect(p, &QProcess::finished, p, [notifier] { notifier(RASCS_Disconnected, 0); });
        QObject::connect(p, &QProcess::errorOccurred, p, [notifier](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                notifier(RASCS_Disconnected, 0);
        });
        notifier(0, 0);
        p->start(m_pppd, args);
    }
    int GetConnectStatus(TRasHandle handle) override
    {
        const auto it = m_processes.find(handle);
        return it != m_processes.end() && it->second->state() != QProcess::NotRunning ? 0 : ERROR_INVALID_HANDLE;
    }
    void HangUp(TRasHandle handle) override
    {
        const auto it = m_processes.find(handle);
        if (it != m_processes.end())
            it->second->terminate(); // SIGTERM: pppd hangs up and ends
    }
    void DeleteEntry(const QString &entry) override
    {
        const QString path = m_peers + entry;
        QFile f(path);
        // Only entries of our own making go.
        if (f.open(QIODevice::ReadOnly) && f.readLine().startsWith("# written by the Zelmor client")) {
            f.close();
            QFile::remove(path);
        }
    }

private:
    QString m_pppd, m_peers;
    std::map<TRasHandle, std::unique_ptr<QProcess>> m_processes;
    TRasHandle m_nextHandle = 0x1000;
};

std::shared_ptr<TRemoteAccess> CreatePppdRemoteAccess(const QString &pppdPath, const QString &peersDir)
{
    return std::make_shared<TPppdRemoteAccess>(pppdPath, peersDir);
}

namespace {
std::shared_ptr<TRemoteAccess> g_service;
}

void SetRemoteAccess(std::shared_ptr<TRemoteAccess> service) { g_service = std::move(service); }

TRemoteAccess &RemoteAccess()
{
    if (!g_service) {
        const QString sim = qEnvironmentVariable("ZELMOR_RAS_SIM");
        if (!sim.isEmpty()) {
            g_service = CreateSimulatedRemoteAccess(sim);
        } else {
            const QString pppd = qEnvironmentVariable("ZELMOR_PPPD", QStringLiteral("/usr/sbin/pppd"));
            const QString peers = qEnvironmentVariable("ZELMOR_PPP_PEERS", QStringLiteral("/etc/ppp/peers"));
            g_service = CreatePppdRemoteAccess(pppd, peers);
        }
    }
    return *g_service;
}

} // namespace zelmor
