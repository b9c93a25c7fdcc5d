#pragma once
// An asynchronous FTP client on the event loop: one request at a time, each completed by
// OnRequestDone with 0 or an error code, passive data connections to the control
// connection's peer, transfers streamed in bounded chunks, downloads placed under their
// final name only when complete, and OnSessionClosed after every end of the control
// connection. A request with no progress for Timeout seconds is aborted.
#include "FtpReply.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class QTcpSocket;

namespace zelmor {

class TFtpClient : public QObject {
    Q_OBJECT
public:
    // Request kinds as the session numbers them.
    enum TFtpRequest : int {
        ftpNone = 0, ftpOpen = 1, ftpUser = 2, ftpPass = 3, ftpLs = 8, ftpGet = 10,
        ftpQuit = 15, ftpPut = 18, ftpDele = 25, ftpTypeSet = 37
    };
    enum TFtpState {
        ftpNotConnected, ftpReady, ftpInternalReady, ftpDnsLookup, ftpConnected, ftpAbort,
        ftpInternalAbort, ftpWaitingBanner, ftpWaitingResponse, ftpPasvReady
    };
    // Codes of failures that are not the server's replies.
    enum TLocalError : int {
        errConnectFailed = 1001, errTimeout = 1002, errDataConnection = 1003, errLocalFile = 1004,
        errIncomplete = 1005, errBadReply = 1006, errConnectionClosed = 1007, errBusy = 1008,
        errNotConnected = 1009, errBadPasv = 1010
    };

    explicit TFtpClient(QObject *parent = nullptr);
    ~TFtpClient() override;

    QString HostName;
    QString Port = QStringLiteral("21");
    QString UserName;
    QString PassWord;
    QString LocalFileName;
    QString HostFileName;
    bool Binary = true;
    int Timeout = 15; // seconds, after the request or its last progress

    void Open();
    void User();
    void Pass();
    void TypeSet();
    void Put();
    void Ls();
    void Get();
    void Dele();
    void Quit();
    // Ends any request and the connection without a word: no event follows.
    void Abort();

    bool Connected() const;
    TFtpState State() const { return m_state; }
    TFtpRequest Request() const { return m_request; }
    static QString ErrorText(int code);
    // What went wrong with the last failed request: the server's reply or our own reason.
    QString LastErrorText() const { return m_lastError; }
    // "ftp", a number or a service name; 0 when unknown.
    static quint16 PortNumber(const QString &port);

    std::function<void(TFtpRequest request, int error)> OnRequestDone;
    std::function<void()> OnSessionConnected;
    std::function<void()> OnSessionClosed;
    std::function<void(TFtpState state)> OnStateChange;
    std::function<void(qint64 bytes)> OnProgress;
    std::function<void(const QString &command)> OnCommand;
    std::function<void(const QString &text)> OnDisplay;
    std::function<void(const QString &text)> OnDisplayFile;
    std::function<void(const QString &text)> OnError;
    std::function<void(const QString &message)> OnBgException;

private:
    enum class Phase { Idle, Connecting, Banner, Command, Pasv, DataConnecting, Transfer };

    bool Begin(TFtpRequest request);
    void SendCommand(const QString &command);
    void SimpleCommand(TFtpRequest request, const QString &command);
    void StartTransfer(TFtpRequest request);
    void OnControlData();
    void OnControlConnected();
    void OnControlClosed();
    void HandleReply(const TFtpReply &reply);
    void HandlePasvReply(const TFtpReply &reply);
    void OnDataConnected();
    void OnDataReadable();
    void OnDataClosed();
    void PumpUpload();
    void TryCompleteTransfer();
    void Finish(int error);
    void Fail(int error, const QString &why);
    void LoseConnection(int error, const QString &why);
    void CloseData();
    void CleanupTransfer(bool keep);
    void SetState(TFtpState state);
    void Progress(qint64 bytes);
    void ArmTimeout();
    void TimedOut();
    template <typename F> void Guarded(F &&f);

    QTcpSocket *m_ctrl = nullptr;
    QTcpSocket *m_data = nullptr;
    TFtpReplyParser m_parser;
    QTimer m_timeout;
    TFtpState m_state = ftpNotConnected;
    TFtpRequest m_request = ftpNone;
    Phase m_phase = Phase::Idle;
    bool m_silent = false;
    QString m_lastError;
    QString m_lastReply;
    bool m_closedReported = true;

    // The transfer under way.
    std::unique_ptr<QFile> m_file;
    QString m_tempName;
    qint64 m_bytes = 0;
    qint64 m_expected = -1;
    qint64 m_lastProgress = -1;
    qint64 m_lastProgressMs = 0;
    bool m_finalOk = false;
    bool m_dataDone = false;
    bool m_uploadEnded = false;
};

} // namespace zelmor
