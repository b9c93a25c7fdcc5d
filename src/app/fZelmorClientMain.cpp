#include "fZelmorClientMain.h"

#include "ConnectRequest.h"

#include "config/uComSettings.h"
#include "config/uIdentity.h"
#include "files/uProcessFiles.h"
#include "files/uUnpackBatches.h"
#include "ftp/uZelmor2FTP.h"
#include "platform/Errors.h"
#include "platform/FileUtils.h"
#include "platform/FormTranslator.h"
#include "platform/SharedFolders.h"
#include "platform/Translation.h"
#include "platform/Version.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <memory>
#include <QTimer>
#include <QVBoxLayout>

namespace zelmor {

namespace {

QLineEdit *ReadOnlyField(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QLabel *StaticText(const QString &name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton *Button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumWidth(150);
    return b;
}

} // namespace

TfrmZelmorClient::TfrmZelmorClient(const QStringList &arguments, bool automationMode, QWidget *parent)
    : QWidget(parent), m_arguments(arguments), m_automationMode(automationMode)
{
    BuildForm();
    m_translator = new TFormTranslator(this);
    m_messages = new TMessageWindow([this](unsigned msg, std::intptr_t, std::intptr_t) { HandleMessage(msg); }, this);

    const QString base = BaseDir();
    const QString exchange = ExchangeDir();
    for (const QString &dir : {base, base + QStringLiteral("log"), base + QStringLiteral("msg"),
                               base + QStringLiteral("msg/in"), base + QStringLiteral("msg/out"),
                               base + QStringLiteral("zelpost"), exchange, exchange + QStringLiteral("in"),
                               exchange + QStringLiteral("out")})
        CreateDir(dir);

    m_messages->Post(UM_CLIENT_STARTUP);
    m_extraInfo = false;
    m_connectServer = new TConnectRequestServer([this] { return AcceptConnectRequest(); }, this);
}

TfrmZelmorClient::~TfrmZelmorClient()
{
    delete m_ftp;
}

void TfrmZelmorClient::BuildForm()
{
    setObjectName(QStringLiteral("frmZelmorClient"));
    setWindowTitle(QStringLiteral("Zelmor"));

    auto *pnlSettings = new QFrame(this);
    pnlSettings->setObjectName(QStringLiteral("pnlSettings"));
    pnlSettings->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(pnlSettings);
    const char *captions[] = {"Type verbinding", "Medium", "Gebruiker", "Sessie"};
    m_edtConnectionType = ReadOnlyField(QStringLiteral("edtConnectionType"), pnlSettings);
    m_edtMedium = ReadOnlyField(QStringLiteral("EdtMedium"), pnlSettings);
    m_edtUser = ReadOnlyField(QStringLiteral("EdtUser"), pnlSettings);
    m_edtSession = ReadOnlyField(QStringLiteral("edtSession"), pnlSettings);
    QLineEdit *fields[] = {m_edtConnectionType, m_edtMedium, m_edtUser, m_edtSession};
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QString::fromUtf8(captions[i]), pnlSettings);
        label->setBuddy(fields[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(fields[i], i, 1);
    }
    m_btbtnConnect = Button(QStringLiteral("btbtnConnect"), QStringLiteral("&Maak verbinding"), pnlSettings);
    m_btbtnDisconnect = Button(QStringLiteral("btbtnDisconnect"), QStringLiteral("&Verbreek verbinding"), pnlSettings);
    m_btbtnSettings = Button(QStringLiteral("btbtnSettings"), QStringLiteral("&Instellingen"), pnlSettings);
    m_btbtnConnect->setDefault(true);
    grid->addWidget(m_btbtnConnect, 0, 2);
    grid->addWidget(m_btbtnDisconnect, 1, 2);
    grid->addWidget(m_btbtnSettings, 3, 2);
    grid->setColumnStretch(1, 1);

    auto *pnlMessage = new QFrame(this);
    pnlMessage->setObjectName(QStringLiteral("pnlMessage"));
    auto *msgLayout = new QVBoxLayout(pnlMessage);
    msgLayout->setContentsMargins(6, 2, 6, 2);
    auto *lblStatusScreen = new QLabel(QStringLiteral("Status"), pnlMessage);
    lblStatusScreen->setObjectName(QStringLiteral("lblStatusScreen"));
    m_rchEditStatus = new QPlainTextEdit(pnlMessage);
    m_rchEditStatus->setObjectName(QStringLiteral("rchEditStatus"));
    m_rchEditStatus->setReadOnly(true);
    m_rchEditStatus->setFocusPolicy(Qt::ClickFocus); // not in the tab order
    m_rchEditStatus->setPlainText(QString()); // one empty line to start with
    m_rchEditStatus->setUndoRedoEnabled(false); // a log that only grows needs no undo history
    msgLayout->addWidget(lblStatusScreen);
    msgLayout->addWidget(m_rchEditStatus, 1);

    auto *pnlTransfer = new QFrame(this);
    pnlTransfer->setObjectName(QStringLiteral("pnlTransfer"));
    auto *transferLayout = new QVBoxLayout(pnlTransfer);
    transferLayout->setContentsMargins(6, 0, 6, 6);
    auto *grpbxTranfes = new QGroupBox(QStringLiteral("Bestands Overdracht"), pnlTransfer);
    grpbxTranfes->setObjectName(QStringLiteral("grpbxTranfes"));
    auto *tgrid = new QGridLayout(grpbxTranfes);
    const char *tcaptions[] = {"Bestandsnaam", "Bestandsgrootte", "Voortgang", "Status"};
    m_stctxtFileName = StaticText(QStringLiteral("stctxtFileName"), grpbxTranfes);
    m_stctxtFileSize = StaticText(QStringLiteral("stctxtFileSize"), grpbxTranfes);
    m_stctxtProgress = StaticText(QStringLiteral("stctxtProgress"), grpbxTranfes);
    m_stctxtStatus = StaticText(QStringLiteral("stctxtStatus"), grpbxTranfes);
    QLabel *texts[] = {m_stctxtFileName, m_stctxtFileSize, m_stctxtProgress, m_stctxtStatus};
    for (int i = 0; i < 4; ++i) {
        tgrid->addWidget(new QLabel(QString::fromUtf8(tcaptions[i]), grpbxTranfes), i, 0);
        tgrid->addWidget(texts[i], i, 1);
    }
    tgrid->setColumnStretch(1, 1);
    transferLayout->addWidget(grpbxTranfes);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlSettings);
    layout->addWidget(pnlMessage, 1);
    layout->addWidget(pnlTransfer);

    connect(m_btbtnConnect, &QPushButton::clicked, this, &TfrmZelmorClient::btbtnConnectClick);
    connect(m_btbtnDisconnect, &QPushButton::clicked, this, &TfrmZelmorClient::btbtnDisconnectClick);
    connect(m_btbtnSettings, &QPushButton::clicked, this, &TfrmZelmorClient::btbtnSettingsClick);
    // Enter presses the default button and Esc the cancel button, as in a dialog.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, m_btbtnConnect, &QPushButton::animateClick);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, m_btbtnDisconnect,
            &QPushButton::animateClick);

    m_paintTimer = new QTimer(this);
    m_paintTimer->setSingleShot(true);
    connect(m_paintTimer, &QTimer::timeout, this,
            [this] { QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority); });
    m_captionTimer = new QTimer(this);
    m_captionTimer->setSingleShot(true);
    m_captionTimer->setInterval(100);
    connect(m_captionTimer, &QTimer::timeout, this, &TfrmZelmorClient::ShowCaptions);

    resize(492, 426);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TfrmZelmorClient::event(QEvent *e)
{
    // During a transfer every step would paint the window again; a screen shows no more
    // than some thirty frames a second, so paints closer together than that are put off.
    // The status memo still paints each line as it comes.
    if (e->type() == QEvent::UpdateRequest) {
        const qint64 since = m_paintClock.isValid() ? m_paintClock.elapsed() : kFrameMs;
        if (since < kFrameMs) {
            if (!m_paintTimer->isActive())
                m_paintTimer->start(int(kFrameMs - since));
            return true;
        }
        m_paintClock.start();
    }
    return QWidget::event(e);
}

void TfrmZelmorClient::HandleMessage(unsigned msg)
{
    switch (msg) {
    case UM_CLIENT_STARTUP:
        ClientStartup();
        break;
    case UM_CLIENT_CONNECT:
        // Another program's request; one that arrives while a session runs is refused.
        if (m_sessionRunning)
            OnStatusLine(this, Translate(QStringLiteral("Verzoek om verbinding geweigerd: er loopt al een sessie.")));
        else
            StartZelmorConnection();
        break;
    case UM_SESSION_ENDED:
        SessionEnded();
        break;
    default:
        break;
    }
}

bool TfrmZelmorClient::AcceptConnectRequest()
{
    const bool accepted = !m_sessionRunning;
    m_messages->Post(UM_CLIENT_CONNECT);
    return accepted;
}

void TfrmZelmorClient::ClientStartup()
{
    // Only the arguments are searched: the program's own path may hold "/C" or "/M".
    const QString commandLine = m_arguments.join(QLatin1Char(' ')).toUpper();
    const bool manual = commandLine.contains(QLatin1String("/M")) || commandLine.contains(QLatin1String("/C"));
    try {
        ClientStartupSteps(commandLine);
    } catch (...) {
        // An unattended run that cannot start must not wait for a user who is not there:
        // the program ends once the error has been shown.
        if (!manual && !m_automationMode)
            QTimer::singleShot(0, this, &QWidget::close);
        throw;
    }
}

void TfrmZelmorClient::ClientStartupSteps(const QString &commandLine)
{
    // A documented diagnostic: shows that an error in a handler reaches the error dialog.
    if (qEnvironmentVariable("ZELMOR_FORCE_ERROR") == QLatin1String("1"))
        throw EComponentError(QStringLiteral("Forced error for diagnostics (ZELMOR_FORCE_ERROR=1)"));
    if (commandLine.contains(QLatin1String("/COUNTRY=")) && commandLine.contains(QLatin1String("/HERDNUMBER=")) &&
        commandLine.contains(QLatin1String("/SERIAL="))) {
        StoreCommandLineIdentity(commandLine);
        close();
    }
    ApplySettings();
    m_manualMode = commandLine.contains(QLatin1String("/M")) || commandLine.contains(QLatin1String("/C"));
    if (!m_manualMode && !m_automationMode)
        StartZelmorConnection();
}

void TfrmZelmorClient::ApplySettings()
{
    TComSettings s;
    ReadSettings(s);
    TDictionary::Instance().SetLanguage(s.Language);
    m_translator->Translate();

    int major, minor, release, build;
    GetFileVersion(ProgramFilePath(), major, minor, release, build);
    m_versionText = Translate(QStringLiteral("Versie")) + QStringLiteral(" %1.%2.%3.%4").arg(major).arg(minor).arg(release).arg(build);

    m_connectionType = s.ConnectionType;
    m_extraInfo = s.ExtraInfo;
    switch (s.ConnectionType) {
    case 0:
        m_edtConnectionType->setText(QStringLiteral("Zelmor 1"));
        if (s.Zelmor1Access == 0)
            m_edtMedium->setText(s.Zelmor1Modem);
        else if (s.Zelmor1Access == 1)
            m_edtMedium->setText(s.Zelmor1ComNumber);
        setWindowTitle(Translate(QStringLiteral("Zelmor (0.45 EPM) ") + m_versionText));
        break;
    case 1:
        m_edtConnectionType->setText(Translate(QStringLiteral("Zelmor 2 (RAS)")));
        m_edtMedium->setText(s.Zelmor2PhoneNumber);
        setWindowTitle(Translate(QStringLiteral("Zelmor (0.45 EPM) ") + m_versionText));
        break;
    case 2:
        m_edtConnectionType->setText(Translate(QStringLiteral("Internet")));
        if (s.InternetAccess == 0)
            m_edtMedium->setText(Translate(QStringLiteral("ADSL/Kabel")));
        else if (s.InternetAccess == 1)
            m_edtMedium->setText(s.RasProvider);
        setWindowTitle(Translate(QStringLiteral("Zelmor ") + m_versionText));
        break;
    default:
        break;
    }
    m_edtUser->setText(s.ZelmorId);
    m_edtSession->setText(QString::number(s.LoginNumber));
}

void TfrmZelmorClient::SetButtons(bool connect, bool settings, bool disconnect)
{
    m_btbtnConnect->setEnabled(connect);
    m_btbtnSettings->setEnabled(settings);
    m_btbtnDisconnect->setEnabled(disconnect);
}

TSessionCallbacks TfrmZelmorClient::SessionCallbacks()
{
    TSessionCallbacks c;
    c.OnStatusLine = [this](QObject *s, const QString &t) { OnStatusLine(s, t); };
    c.OnFileName = [this](QObject *s, const QString &t) { OnFileName(s, t); };
    c.OnFileSize = [this](QObject *s, const QString &t) { OnFileSize(s, t); };
    c.OnProgress = [this](QObject *s, const QString &t) { OnProgress(s, t); };
    c.OnTransferStatus = [this](QObject *s, const QString &t) { OnTransferStatus(s, t); };
    c.OnSessionEnd = [this](QObject *s) { OnSessionEnd(s); };
    return c;
}

void TfrmZelmorClient::StartZelmorConnection()
{
    OnStatusLine(this, Translate(QStringLiteral("Er wordt contact gezocht met de Zelmor-Server.")));
    SetButtons(false, false, true);
    for (QLabel *l : {m_stctxtFileName, m_stctxtFileSize, m_stctxtProgress, m_stctxtStatus}) {
        l->setProperty("pendingText", QVariant());
        l->clear();
    }
    m_rchEditStatus->setFocus();
    m_sessionRunning = true;

    switch (m_connectionType) {
    case 0:
        OnStatusLine(this, QStringLiteral("Zelmor 1 Client Started"));
        OnStatusLine(this, Translate(QStringLiteral("Dit verbindingstype is in deze versie nog niet beschikbaar.")));
        break;
    case 1:
    case 2: {
        OnStatusLine(this, QStringLiteral("Zelmor 2 Client Started"));
        if (!m_ftp)
            m_ftp = new TZelmor2FTP(this);
        const TSessionCallbacks c = SessionCallbacks();
        m_ftp->SetOnStatusLine(c.OnStatusLine);
        m_ftp->SetOnFileName(c.OnFileName);
        m_ftp->SetOnFileSize(c.OnFileSize);
        m_ftp->SetOnProgress(c.OnProgress);
        m_ftp->SetOnTransferStatus(c.OnTransferStatus);
        m_ftp->SetOnSessionEnd(c.OnSessionEnd);
        m_ftp->SetVerbose(m_extraInfo);
        m_ftp->Start();
        return;
    }
    default:
        OnStatusLine(this, Translate(QStringLiteral("Onbekend verbindingstype %1: kies een verbindingstype bij Instellingen."))
                               .arg(m_connectionType));
        break;
    }
    // No session runs: end the way a session ends, so that the window becomes usable
    // again (manual run) or the program closes (unattended run) instead of waiting for ever.
    m_messages->Post(UM_SESSION_ENDED);
}

void TfrmZelmorClient::btbtnConnectClick()
{
    if (m_sessionRunning)
        return;
    StartZelmorConnection();
}

void TfrmZelmorClient::btbtnDisconnectClick()
{
    // With no session there is nothing to stop; the press is ignored.
    if (!m_sessionRunning)
        return;
    m_btbtnDisconnect->setEnabled(false);
    OnStatusLine(this, Translate(QStringLiteral("Verbindig verbroken door gebruiker.")));
    if ((m_connectionType == 1 || m_connectionType == 2) && m_ftp)
        m_ftp->Stop();
}

void TfrmZelmorClient::btbtnSettingsClick()
{
    OnStatusLine(this, Translate(QStringLiteral("Het instellingenvenster is in deze versie nog niet beschikbaar.")));
    ApplySettings();
}

void TfrmZelmorClient::SessionEnded()
{
    ShowCaptions();
    // Whatever fails in the work after a session, the window still becomes usable again or
    // closes; the error is shown afterwards.
    std::exception_ptr failure;
    try {
        FinishSession();
    } catch (...) {
        failure = std::current_exception();
    }
    m_sessionRunning = false;
    if (m_manualMode)
        SetButtons(true, true, true);
    else if (!m_automationMode)
        close();
    if (failure)
        std::rethrow_exception(failure);
}

void TfrmZelmorClient::FinishSession()
{
    if (m_connectionType == 0) {
        UnpackAndRunBatches(FindPath(FindPath(BaseDir(), QStringLiteral("msg")), QStringLiteral("in")),
                            [this](const QString &text) { OnStatusText(text); });
    } else if (m_connectionType == 1 || m_connectionType == 2) {
        std::unique_ptr<TZelmor2FTP> session(m_ftp);
        m_ftp = nullptr;
        if (session)
            session->CloseLog();
        session.reset();
        // Freed also when it fails; its log is written either way.
        auto processor = std::make_unique<TProcessFiles>(this);
        processor->SetOnStatusLine([this](QObject *s, const QString &t) { OnStatusLine(s, t); });
        try {
            processor->Execute();
        } catch (...) {
            processor.reset();
            throw;
        }
        processor->CloseLog();
    }
}

void TfrmZelmorClient::OnStatusLine(QObject *, const QString &text)
{
    QTextCursor c(m_rchEditStatus->document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock(); // one layout pass for the new line
    c.insertBlock();
    c.insertText(text);
    c.endEditBlock();
    m_rchEditStatus->verticalScrollBar()->setValue(m_rchEditStatus->verticalScrollBar()->maximum());
    m_rchEditStatus->viewport()->repaint();
}

void TfrmZelmorClient::OnStatusText(const QString &text) { OnStatusLine(this, text); }
void TfrmZelmorClient::OnFileName(QObject *, const QString &text) { SetCaption(m_stctxtFileName, text); }
void TfrmZelmorClient::OnFileSize(QObject *, const QString &text) { SetCaption(m_stctxtFileSize, text); }
void TfrmZelmorClient::OnProgress(QObject *, const QString &text) { SetCaption(m_stctxtProgress, text); }
void TfrmZelmorClient::OnTransferStatus(QObject *, const QString &text) { SetCaption(m_stctxtStatus, text); }

void TfrmZelmorClient::SetCaption(QLabel *label, const QString &text)
{
    // A transfer changes these many times a second: they are shown ten times a second at
    // most, so that laying out the window does not slow the transfer down.
    label->setProperty("pendingText", text);
    if (!m_captionTimer->isActive())
        m_captionTimer->start();
}

void TfrmZelmorClient::ShowCaptions()
{
    m_captionTimer->stop();
    for (QLabel *l : {m_stctxtFileName, m_stctxtFileSize, m_stctxtProgress, m_stctxtStatus}) {
        const QVariant pending = l->property("pendingText");
        if (pending.isValid()) {
            l->setText(pending.toString());
            l->setProperty("pendingText", QVariant());
        }
    }
}
void TfrmZelmorClient::OnSessionEnd(QObject *) { m_messages->Post(UM_SESSION_ENDED); }

} // namespace zelmor
