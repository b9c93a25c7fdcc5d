#pragma once
// The remote-access service as the dialer uses it: devices, phonebook entries, active
// connections, writing and deleting an entry, stored credentials, an asynchronous dial that
// reports connection states (possibly from another thread), status and hang-up.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>
#include <QJsonObject>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>

namespace zelmor {

using TRasHandle = std::uintptr_t;

constexpr unsigned RASCS_Connected = 0x2000;
constexpr unsigned RASCS_Disconnected = 0x2001;
constexpr int ERROR_INVALID_HANDLE = 6;
constexpr int kMaxRasConnections = 11;
constexpr int kMaxRasEntries = 16;

struct TRasDevice {
    QString Type;
    QString Name;
};

struct TRasConnection {
    QString EntryName;
    TRasHandle Handle = 0;
};

// Called with a connection state and an error code; may run on another thread.
using TRasNotifier = std::function<void(unsigned state, unsigned error)>;

class TRemoteAccess {
public:
    virtual ~TRemoteAccess() = default;
    virtual QString Name() const = 0;
    virtual bool EnumDevices(std::vector<TRasDevice> &devices) = 0;
    // Fails (false) with more entries than fit in kMaxRasEntries.
    virtual bool EnumEntries(QStringList &entries) = 0;
    // Fails (false) with more than kMaxRasConnections active connections.
    virtual bool EnumConnections(std::vector<TRasConnection> &connections) = 0;
    virtual void SetEntryProperties(const QString &entry, const QString &phoneNumber, const QString &device) = 0;
    virtual void GetEntryDialParams(const QString &entry, QString &userName, QString &password) = 0;
    virtual void Dial(const QString &entry, const QString &phoneNumber, const QString &userName,
                      const QString &password, TRasNotifier notifier, TRasHandle &handle) = 0;
    // 0 while the connection is there, ERROR_INVALID_HANDLE when it is gone.
    virtual int GetConnectStatus(TRasHandle handle) = 0;
    virtual void HangUp(TRasHandle handle) = 0;
    virtual void DeleteEntry(const QString &entry) = 0;
};

// The service in use: the simulation configured by the file that ZELMOR_RAS_SIM names, else
// pppd (ZELMOR_PPPD, default /usr/sbin/pppd; peer files in ZELMOR_PPP_PEERS, default /etc/ppp/peers).
TRemoteAccess &RemoteAccess();
// Replaces the service in use (tests); nullptr goes back to the configured one.
void SetRemoteAccess(std::shared_ptr<TRemoteAccess> service);

// A simulated service configured by a JSON file:
//   {"devices": [{"type": "modem", "name": "Sim Modem"}],
//    "entries": {"KPN": {"user": "u", "password": "p"}},      phonebook with stored credentials
//    "connections": ["KPN"],                                  connected before any dial
//    "dial": {"ZELMOR2": {"states": [0, 1, 2, 3, 14], "results": ["fail", "connect"],
//                         "stepMs": 20, "dropAfterMs": 0}}}   per entry; "*" for any other
// A result is "connect" (RASCS_Connected, the line stays until hung up or dropAfterMs),
// "fail" (RASCS_Disconnected) or "vanish" (the handle goes invalid without a word); the
// results are taken in turn per dial of the entry, the last one repeating.
class TSimulatedRemoteAccess : public TRemoteAccess {
public:
    explicit TSimulatedRemoteAccess(const QString &configFile);
    ~TSimulatedRemoteAccess() override;
    QString Name() const override { return QStringLiteral("simulation"); }
    bool EnumDevices(std::vector<TRasDevice> &devices) override;
    bool EnumEntries(QStringList &entries) override;
    bool EnumConnections(std::vector<TRasConnection> &connections) override;
    void SetEntryProperties(const QString &entry, const QString &phoneNumber, const QString &device) override;
    void GetEntryDialParams(const QString &entry, QString &userName, QString &password) override;
    void Dial(const QString &entry, const QString &phoneNumber, const QString &userName, const QString &password,
              TRasNotifier notifier, TRasHandle &handle) override;
    int GetConnectStatus(TRasHandle handle) override;
    void HangUp(TRasHandle handle) override;
    void DeleteEntry(const QString &entry) override;
    QStringList Calls();

private:
    struct Line {
        QString entry;
        std::atomic<bool> alive{false};
        std::atomic<bool> hungUp{false};
        std::atomic<bool> failed{false};
    };
    void Record(const QString &call);
    QJsonObject DialPlan(const QString &entry) const;

    std::mutex m_mutex;
    QJsonObject m_config;
    QStringList m_calls;
    std::map<TRasHandle, std::shared_ptr<Line>> m_lines;
    std::map<QString, int> m_dialCount;
    QStringList m_writtenEntries;
    TRasHandle m_nextHandle = 0x100;
    std::vector<std::thread> m_threads;
    std::atomic<bool> m_stopping{false};
};

std::shared_ptr<TSimulatedRemoteAccess> CreateSimulatedRemoteAccess(const QString &configFile);
// What was asked of the simulation, one line per call ("Dial ZELMOR2 0,123 zeluser", ...).
QStringList SimulatedRemoteAccessCalls(TSimulatedRemoteAccess &service);
// pppd: phonebook entries are peer files in peersDir; pppd is started from pppdPath.
std::shared_ptr<TRemoteAccess> CreatePppdRemoteAccess(const QString &pppdPath, const QString &peersDir);

} // namespace zelmor
