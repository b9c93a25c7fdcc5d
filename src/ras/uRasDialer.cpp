#include "uRasDialer.h"

#include "uRasError.h"

#include "logs/uLogFile.h"
#include "platform/Translation.h"

#include <mutex>

namespace zelmor {

namespace {

// The window the service's notifications go to: one dialer dials at a time.
std::mutex g_targetMutex;
TMessageWindow *g_target = nullptr;

void SetTarget(TMessageWindow *w)
{
    std::lock_guard<std::mutex> lock(g_targetMutex);
    g_target = w;
}

// Runs on the service's thread: it only posts. The attempt number travels along, so a
// report of an earlier attempt that arrives late is known for what it is.
TRasNotifier RasNotification(int attempt)
{
    return [attempt](unsigned state, unsigned) {
        std::lock_guard<std::mutex> lock(g_targetMutex);
        if (g_target)
            g_target->Post(WM_RASDIALEVENT, std::intptr_t(state), std::intptr_t(attempt));
    };
}

} // namespace

TZelmorRasDialer::TZelmorRasDialer(QObject *owner) : QObject(owner)
{
    FHandle = new TMessageWindow([this](unsigned msg, std::intptr_t w, std::intptr_t l) { HandleMessage(msg, w, l); }, this);
    FTimer = new QTimer(this);
    FTimer->setInterval(ScaledMs(1000));
    connect(FTimer, &QTimer::timeout, this, &TZelmorRasDialer::TimerTick);
    FillDevices();
    FillEntries();
}

TZelmorRasDialer::~TZelmorRasDialer()
{
    FTimer->stop();
    {
        std::lock_guard<std::mutex> lock(g_targetMutex);
        if (g_target == FHandle)
            g_target = nullptr;
    }
    FLog.reset();
}

void TZelmorRasDialer::FillDevices()
{
    Devices.clear();
    std::vector<TRasDevice> devices;
    if (RemoteAccess().EnumDevices(devices))
        for (const TRasDevice &d : devices)
            if (!d.Type.isEmpty())
                Devices << d.Name;
}

void TZelmorRasDialer::FillEntries()
{
    Entries.clear();
    QStringList entries;
    if (RemoteAccess().EnumEntries(entries))
        Entries = entries;
}

void TZelmorRasDialer::SetLogFileName(const QString &name)
{
    FLog.reset(); // writes the old log
    FLogFileName = name;
    if (!name.isEmpty())
        FLog = std::make_unique<TLogFile>(name);
}

void TZelmorRasDialer::Dial(const QString &entryName, const QString &userName, const QString &password,
                            const QString &phoneNumber, const QString &deviceName)
{
    FAttempts = 0;
    FDialing = true;
    FActive = true;
    FEntryName = entryName;
    FUserName = userName;
    FPassword = password;
    FPhoneNumber = phoneNumber;
    FDeviceName = deviceName;
    Attempt();
}

TRasHandle TZelmorRasDialer::FindConnection()
{
    std::vector<TRasConnection> connections;
    if (!RemoteAccess().EnumConnections(connections))
        return 0;
    for (const TRasConnection &c : connections)
        if (c.EntryName.compare(FEntryName, Qt::CaseInsensitive) == 0)
            return c.Handle;
    return 0;
}

void TZelmorRasDialer::Attempt()
{
    if (FAttempts >= FMaxAttempts) {
        FDialing = false;
        DisconnectedPath();
        return;
    }
    ++FAttempts;
    ++FGeneration;
    FConnHandle = FindConnection();
    if (FConnHandle != 0) {
        ConnectedPath();
        return;
    }
    QString user = FUserName, password = FPassword;
    if (FUserName.isEmpty() && FPassword.isEmpty()) {
        FCreatedEntry = false;
        RemoteAccess().GetEntryDialParams(FEntryName, user, password);
    } else {
        FCreatedEntry = true;
        RemoteAccess().SetEntryProperties(FEntryName, FPhoneNumber, FDeviceName);
    }
    FConnHandle = 0;
    SetTarget(FHandle);
    FTimer->start();
    ReportStatus(0, QStringLiteral("Poging %1.").arg(FAttempts));
    RemoteAccess().Dial(FEntryName, FCreatedEntry ? FPhoneNumber : QString(), user, password, RasNotification(FGeneration), FConnHandle);
}

void TZelmorRasDialer::HangUp()
{
    FDialing = false;
    WaitHolding(1000);
    if (FConnHandle != 0)
        RemoteAccess().HangUp(FConnHandle);
}

void TZelmorRasDialer::ReportStatus(int number, const QString &text)
{
    if (OnStatus)
        OnStatus(number, text);
    if (FLog && !text.isEmpty())
        FLog->Add(text);
}

void TZelmorRasDialer::HandleMessage(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (msg != WM_RASDIALEVENT || lParam != FGeneration)
        return;
    const unsigned state = unsigned(wParam);
    ReportStatus(int(state), RasStateText(state));
    if (state == RASCS_Connected)
        ConnectedPath();
    else if (state == RASCS_Disconnected)
        DisconnectedPath();
}

void TZelmorRasDialer::TimerTick()
{
    if (FConnHandle == 0 || RemoteAccess().GetConnectStatus(FConnHandle) == ERROR_INVALID_HANDLE)
        DisconnectedPath();
}

void TZelmorRasDialer::ConnectedPath()
{
    FConnected = true;
    FDialing = false;
    FTimer->start();
    if (OnConnected)
        OnConnected();
}

void TZelmorRasDialer::DisconnectedPath()
{
    if (FDialing) {
        ReportStatus(0, QStringLiteral("Verbing maken mislukt."));
        FTimer->stop();
        // Reports of the failed attempt still queued would count against the next one.
        FHandle->Discard(WM_RASDIALEVENT, WM_RASDIALEVENT);
        WaitHolding(3000);
        Attempt();
        return;
    }
    // The end is reported once, whether the timer or a notification sees it first.
    if (!FActive)
        return;
    FActive = false;
    FConnected = false;
    FTimer->stop();
    FHandle->Discard(WM_RASDIALEVENT, WM_RASDIALEVENT);
    WaitHolding(1000);
    if (FCreatedEntry)
        RemoteAccess().DeleteEntry(FEntryName);
    if (FLog) {
        FLog->Add(Translate(QStringLiteral("Internet verbinding verbroken")));
        FLog->Add(QStringLiteral("=============================="));
    }
    FConnHandle = 0;
    if (OnDisconnected)
        OnDisconnected();
}

} // namespace zelmor
