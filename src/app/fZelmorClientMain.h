#pragma once
// The main window: start-up decisions, starting and stopping sessions, the status and
// transfer display, and the work after a session.
#include "platform/Callbacks.h"
#include "platform/Messages.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zelmor {

class TConnectRequestServer;
class TFormTranslator;
class TZelmor2FTP;

constexpr unsigned UM_CLIENT_STARTUP = WM_USER + 301;
constexpr unsigned UM_CLIENT_CONNECT = WM_USER + 302;
constexpr unsigned UM_SESSION_ENDED = WM_USER + 330;

class TfrmZelmorClient : public QWidget {
    Q_OBJECT
public:
    // arguments: the program's arguments without its own path. automationMode: started by
    // the automation switches.
    TfrmZelmorClient(const QStringList &arguments, bool automationMode, QWidget *parent = nullptr);
    ~TfrmZelmorClient() override;

    void StartZelmorConnection();
    void ApplySettings();
    void FinishSession();

    // Session callbacks.
    void OnStatusLine(QObject *sender, const QString &text);
    void OnFileName(QObject *sender, const QString &text);
    void OnFileSize(QObject *sender, const QString &text);
    void OnProgress(QObject *sender, const QString &text);
    void OnTransferStatus(QObject *sender, const QString &text);
    void OnSessionEnd(QObject *sender);
    void OnStatusText(const QString &text);
    TSessionCallbacks SessionCallbacks();

    bool ManualMode() const { return m_manualMode; }
    bool SessionRunning() const { return m_sessionRunning; }
    TZelmor2FTP *FtpSession() const { return m_ftp; }
    std::uint8_t ConnectionType() const { return m_connectionType; }
    QString VersionText() const { return m_versionText; }
    // Posts a private message to the window, as another program would.
    void PostMessage(unsigned msg) { m_messages->Post(msg); }
    // Tells whether a connect request of another program will be acted on, and posts it.
    bool AcceptConnectRequest();

protected:
    bool event(QEvent *e) override;

private:
    static constexpr qint64 kFrameMs = 33;
    void BuildForm();
    void btbtnConnectClick();
    void btbtnDisconnectClick();
    void btbtnSettingsClick();
    void HandleMessage(unsigned msg);
    void ClientStartup();
    void ClientStartupSteps(const QString &commandLine);
    void SessionEnded();
    void SetButtons(bool connect, bool settings, bool disconnect);
    void SetCaption(QLabel *label, const QString &text);
    void ShowCaptions();

    QLineEdit *m_edtConnectionType, *m_edtMedium, *m_edtUser, *m_edtSession;
    QPushButton *m_btbtnConnect, *m_btbtnDisconnect, *m_btbtnSettings;
    QPlainTextEdit *m_rchEditStatus;
    QLabel *m_stctxtFileName, *m_stctxtFileSize, *m_stctxtProgress, *m_stctxtStatus;
    QTimer *m_captionTimer = nullptr;
    QTimer *m_paintTimer = nullptr;
    QElapsedTimer m_paintClock;
    TFormTranslator *m_translator = nullptr;
    TMessageWindow *m_messages = nullptr;
    TConnectRequestServer *m_connectServer = nullptr;
    TZelmor2FTP *m_ftp = nullptr;

    QStringList m_arguments;
    bool m_automationMode;
    bool m_manualMode = false;
    bool m_extraInfo = false;
    bool m_sessionRunning = false;
    std::uint8_t m_connectionType = 2;
    QString m_versionText;
};

} // namespace zelmor
