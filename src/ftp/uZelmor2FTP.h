#pragma once
// One connection run over FTP: bring up the line when needed, log in, send every waiting
// file, fetch and delete every file the server holds, log out and take the line down; a run
// that ended early is started again, up to three times. A numbered step machine driven by
// messages to its own hidden window.
#include "config/uComSettings.h"
#include "files/uPostFiles.h"
#include "platform/Callbacks.h"
#include "platform/FtpClient.h"
#include "platform/Messages.h"
#include "ras/uRasDialer.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <memory>

namespace zelmor {

class TLogFile;


constexpr unsigned UM_FTP_STEP = WM_USER + 500;

class TZelmor2FTP : public QObject {
    Q_OBJECT
public:
    // The FTP client and the dialer are made with the owner as theirs, beside the session.
    explicit TZelmor2FTP(QObject *owner);
    ~TZelmor2FTP() override;

    void SetOnStatusLine(TTextEvent f) { OnStatusLine = std::move(f); }
    void SetOnFileName(TTextEvent f) { OnFileName = std::move(f); }
    void SetOnFileSize(TTextEvent f) { OnFileSize = std::move(f); }
    void SetOnProgress(TTextEvent f) { OnProgress = std::move(f); }
    void SetOnTransferStatus(TTextEvent f) { OnTransferStatus = std::move(f); }
    void SetOnSessionEnd(TNotifyEvent f) { OnSessionEnd = std::move(f); }
    void SetVerbose(bool verbose) { Verbose = verbose; }

    void Start();
    void Stop();
    // Adds the closing line and writes the FTP log; raises EInOutError when it cannot.
    void CloseLog();

    // For those who watch a run (tests and diagnostics).
    int Step() const { return FStep; }
    int Restarts() const { return FRestarts; }
    TFtpClient *FtpClient() const { return FFtpClient; }
    TZelmorRasDialer *Dialer() const { return FDialer; }

private:
    void HandleMessage(unsigned msg, std::intptr_t wParam);
    void PostStep(int step);
    void ExecuteStep(int step);
    void Status(const QString &text);
    void StepLineUp();
    void StepLineDown();
    void StepSend(const QString &dir, int none);
    void StepCollectPostFiles();
    void StepSendPostFile();
    void StepFetchList();
    void StepLoadList();
    void StepFetchNext();
    void RequestDone(TFtpClient::TFtpRequest request, int error);
    void LoginFailure();
    bool DeleteSent(const QString &path);
    QString FirstUnsent(const QString &dir);
    void Detach();

    TTextEvent OnStatusLine, OnFileName, OnFileSize, OnProgress, OnTransferStatus;
    TNotifyEvent OnSessionEnd;
    QPointer<TFtpClient> FFtpClient;
    QPointer<TZelmorRasDialer> FDialer;
    TMessageWindow *FHandle;
    TComSettings FSettings;
    TPostFileList FPostFiles;
    QStringList FServerFiles;
    int FStep = 0;
    int FRestarts = 0;
    int FMaxRestarts = 3;
    QString FListFileName;
    bool FNoRestart = false;
    std::unique_ptr<TLogFile> FLog;
    bool Verbose = false;

    bool FLineDown = false;  // step 26 has run in this run: a second request for it is stale
    bool FEnded = false;     // OnSessionEnd has fired
    QSet<QString> FUndeletable; // sent, but could not be deleted: not sent again
};

} // namespace zelmor
