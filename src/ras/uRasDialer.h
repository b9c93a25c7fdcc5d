#pragma once
// Brings a dial-up connection up and down through the remote-access service: up to three
// attempts per dial, a status text for every connection state, a watch on the line once a
// second, and word to its user when the line is up and when it is down.
#include "platform/Messages.h"
#include "platform/RemoteAccess.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

namespace zelmor {

class TLogFile;

constexpr unsigned WM_RASDIALEVENT = 0xCCCD;

class TZelmorRasDialer : public QObject {
    Q_OBJECT
public:
    explicit TZelmorRasDialer(QObject *owner = nullptr);
    ~TZelmorRasDialer() override;

    void Dial(const QString &entryName, const QString &userName, const QString &password,
              const QString &phoneNumber, const QString &deviceName);
    void HangUp();
    void SetLogFileName(const QString &name);
    void SetOnStatus(std::function<void(int number, const QString &text)> f) { OnStatus = std::move(f); }
    void SetOnConnected(std::function<void()> f) { OnConnected = std::move(f); }
    void SetOnDisconnected(std::function<void()> f) { OnDisconnected = std::move(f); }

    QStringList Devices;
    QStringList Entries;
    bool Connected() const { return FConnected; }
    bool Dialing() const { return FDialing; }

private:
    void Attempt();
    TRasHandle FindConnection();
    void ReportStatus(int number, const QString &text);
    void ConnectedPath();
    void DisconnectedPath();
    void HandleMessage(unsigned msg, std::intptr_t wParam, std::intptr_t lParam);
    void TimerTick();
    void FillDevices();
    void FillEntries();

    TRasHandle FConnHandle = 0;
    bool FConnected = false;
    bool FCreatedEntry = false;
    std::function<void(int, const QString &)> OnStatus;
    std::function<void()> OnConnected;
    std::function<void()> OnDisconnected;
    TMessageWindow *FHandle;
    QTimer *FTimer;
    int FMaxAttempts = 3;
    int FAttempts = 0;
    bool FDialing = false;
    bool FActive = false; // from Dial until the end has been reported
    int FGeneration = 0;
    QString FEntryName, FUserName, FPassword, FPhoneNumber, FDeviceName;
    std::unique_ptr<TLogFile> FLog;
    QString FLogFileName;
};

} // namespace zelmor
