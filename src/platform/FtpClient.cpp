#include "FtpClient.h"

#include "Messages.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpSocket>
#include <exception>

#include <netdb.h>

namespace zelmor {

namespace {

constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kMaxBuffered = 256 * 1024;

} // namespace

TFtpClient::TFtpClient(QObject *parent) : QObject(parent)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { Guarded([this] { TimedOut(); }); });
}

TFtpClient::~TFtpClient()
{
    m_silent = true;
    CleanupTransfer(false);
    if (m_ctrl)
        m_ctrl->abort();
}

template <typename F> void TFtpClient::Guarded(F &&f)
{
    // An error inside our own event processing must not escape into the event loop.
    try {
        f();
    } catch (const std::exception &e) {
        if (OnBgException)
            OnBgException(QString::fromLocal8Bit(e.what()));
    }
}

quint16 TFtpClient::PortNumber(const QString &port)
{
    bool ok = false;
    const uint n = port.trimmed().toUInt(&ok);
    if (ok)
        return n > 0 && n <= 65535 ? quint16(n) : 0;
    if (port.trimmed().compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0)
        return 21;
    const QByteArray name = port.trimmed().toLatin1();
    if (const servent *s = getservbyname(name.constData(), "tcp"))
        return ntohs(quint16(s->s_port));
    return 0;
}

QString TFtpClient::ErrorText(int code)
{
    switch (code) {
    case errConnectFailed: return QStringLiteral("connection to the server failed");
    case errTimeout: return QStringLiteral("time-out: the server did not answer in time");
    case errDataConnection: return QStringLiteral("data connection failed");
    case errLocalFile: return QStringLiteral("local file cannot be read or written");
    case errIncomplete: return QStringLiteral("transfer incomplete");
    case errBadReply: return QStringLiteral("the server's reply is not FTP");
    case errConnectionClosed: return QStringLiteral("the server closed the connection");
    case errBusy: return QStringLiteral("a request is already under way");
    case errNotConnected: return QStringLiteral("not connected");
    case errBadPasv: return QStringLiteral("unusable passive-mode reply");
    default: return QStringLiteral("reply %1").arg(code);
    }
}

bool TFtpClient::Connected() const
{
    return m_ctrl && m_ctrl->state() == QAbstractSocket::ConnectedState;
}

void TFtpClient::SetState(TFtpState state)
{
    if (state == m_state)
        return;
    m_state = state;
    if (OnStateChange && !m_silent)
        OnStateChange(state);
}

void TFtpClient::ArmTimeout() { m_timeout.start(ScaledMs(Timeout * 1000.0)); }

bool TFtpClient::Begin(TFtpRequest request)
{
    if (m_request != ftpNone) {
        // Reported later, like every completion, so the caller's step has finished first.
        QTimer::singleShot(0, this, [this, request] {
            if (OnRequestDone)
                OnRequestDone(request, errBusy);
        });
        return false;
    }
    m_request = request;
    m_lastError.clear();
    m_lastReply.clear();
    ArmTimeout();
    return true;
}

void TFtpClient::Finish(int error)
{
    const TFtpRequest done = m_request;
    m_request = ftpNone;
    m_phase = Phase::Idle;
    m_timeout.stop();
    if (Connected())
        SetState(ftpReady);
    if (error != 0) {
        if (m_lastError.isEmpty())
            m_lastError = error < 1000 && !m_lastReply.isEmpty() ? m_lastReply : ErrorText(error);
        if (OnError && !m_silent)
            OnError(m_lastError);
    }
    if (OnRequestDone && !m_silent && done != ftpNone)
        OnRequestDone(done, error);
}

void TFtpClient::Fail(int error, const QString &why)
{
    if (!why.isEmpty())
        m_lastError = why;
    CleanupTransfer(false);
    Finish(error);
}

void TFtpClient::LoseConnection(int error, const QString &why)
{
    // The connection goes first, so that the completion sees it closed.
    SetState(ftpInternalAbort);
    CleanupTransfer(false);
    if (m_ctrl) {
        m_silent = true;
        m_ctrl->abort();
        m_silent = false;
    }
    SetState(ftpNotConnected);
    if (m_request != ftpNone) {
        if (!why.isEmpty())
            m_lastError = why;
        Finish(error);
    }
    if (!m_closedReported) {
        m_closedReported = true;
        if (OnSessionClosed)
            OnSessionClosed();
    }
}

void TFtpClient::Abort()
{
    m_silent = true;
    m_timeout.stop();
    CleanupTransfer(false);
    if (m_ctrl)
        m_ctrl->abort();
    m_request = ftpNone;
    m_phase = Phase::Idle;
    m_state = ftpNotConnected;
    m_closedReported = true;
    m_silent = false;
}

void TFtpClient::SendCommand(const QString &command)
{
    if (OnCommand && !m_silent)
        OnCommand(command);
    m_ctrl->write(command.toLatin1() + "\r\n");
    SetState(ftpWaitingResponse);
}

// ---- requests --------------------------------------------------------------------------

void TFtpClient::Open()
{
    // A connection still open from an earlier run is dropped without a word.
    if (m_ctrl) {
        Abort();
        m_ctrl->deleteLater();
        m_ctrl = nullptr;
    }
    if (!Begin(ftpOpen))
        return;
    m_parser.Reset();
    m_closedReported = false;
    m_phase = Phase::Connecting;
    const quint16 port = PortNumber(Port);
    m_ctrl = new QTcpSocket(this);
    connect(m_ctrl, &QTcpSocket::connected, this, [this] { Guarded([this] { OnControlConnected(); }); });
    connect(m_ctrl, &QTcpSocket::readyRead, this, [this] { Guarded([this] { OnControlData(); }); });
    connect(m_ctrl, &QTcpSocket::disconnected, this, [this] { Guarded([this] { OnControlClosed(); }); });
    connect(m_ctrl, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        Guarded([this] {
            if (m_silent || !m_ctrl)
                return;
            if (m_phase == Phase::Connecting)
                LoseConnection(errConnectFailed, m_ctrl->errorString());
            else if (m_ctrl->state() != QAbstractSocket::ConnectedState)
                OnControlClosed();
        });
    });
    if (port == 0) {
        QTimer::singleShot(0, this, [this] { LoseConnection(errConnectFailed, QStringLiteral("unknown port \"%1\"").arg(Port)); });
        return;
    }
    SetState(ftpDnsLookup);
    m_ctrl->connectToHost(HostName, port);
}

void TFtpClient::OnControlConnected()
{
    // Keep-alive carries the idle control connection through long transfers.
    m_ctrl->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_ctrl->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    SetState(ftpConnected);
    if (OnSessionConnected && !m_silent)
        OnSessionConnected();
    m_phase = Phase::Banner;
    SetState(ftpWaitingBanner);
    ArmTimeout();
}

void TFtpClient::SimpleCommand(TFtpRequest request, const QString &command)
{
    if (!Begin(request))
        return;
    if (!Connected()) {
        QTimer::singleShot(0, this, [this] { Finish(errNotConnected); });
        return;
    }
    m_phase = Phase::Command;
    SendCommand(command);
}

void TFtpClient::User() { SimpleCommand(ftpUser, QStringLiteral("USER ") + UserName); }
void TFtpClient::Pass() { SimpleCommand(ftpPass, QStringLiteral("PASS ") + PassWord); }
void TFtpClient::TypeSet() { SimpleCommand(ftpTypeSet, Binary ? QStringLiteral("TYPE I") : QStringLiteral("TYPE A")); }
void TFtpClient::Dele() { SimpleCommand(ftpDele, QStringLiteral("DELE ") + HostFileName); }
void TFtpClient::Quit() { SimpleCommand(ftpQuit, QStringLiteral("QUIT")); }
void TFtpClient::Put() { StartTransfer(ftpPut); }
void TFtpClient::Get() { StartTransfer(ftpGet); }
void TFtpClient::Ls() { StartTransfer(ftpLs); }

void TFtpClient::StartTransfer(TFtpRequest request)
{
    if (!Begin(request))
        return;
    if (!Connected()) {
        QTimer::singleShot(0, this, [this] { Finish(errNotConnected); });
        return;
    }
    m_bytes = 0;
    m_expected = -1;
    m_lastProgress = -1;
    m_finalOk = m_dataDone = m_uploadEnded = false;
    m_file = std::make_unique<QFile>();
    if (request == ftpPut) {
        m_file->setFileName(LocalFileName);
        if (!m_file->open(QIODevice::ReadOnly)) {
            const QString why = QStringLiteral("cannot read %1: %2").arg(LocalFileName, m_file->errorString());
            QTimer::singleShot(0, this, [this, why] { Fail(errLocalFile, why); });
            return;
        }
    } else {
        // Written under a hidden name beside the target and renamed when complete.
        const QFileInfo target(LocalFileName);
        m_tempName = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".part");
        m_file->setFileName(m_tempName);
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const QString why = QStringLiteral("cannot write %1: %2").arg(m_tempName, m_file->errorString());
            m_tempName.clear();
            QTimer::singleShot(0, this, [this, why] { Fail(errLocalFile, why); });
            return;
        }
    }
    m_phase = Phase::Pasv;
    SendCommand(QStringLiteral("PASV"));
}

// ---- control connection ----------------------------------------------------------------

void TFtpClient::OnControlData()
{
    if (!m_ctrl)
        return;
    const QByteArray bytes = m_ctrl->readAll();
    if (bytes.isEmpty())
        return;
    if (m_request != ftpNone)
        ArmTimeout();
    QList<TFtpReply> replies;
    QString error;
    const bool ok = m_parser.Feed(bytes, replies, &error);
    for (const TFtpReply &r : replies) {
        if (OnDisplay && !m_silent)
            for (const QString &line : r.Lines)
                OnDisplay(line);
        HandleReply(r);
        if (!m_ctrl)
            return;
    }
    if (!ok)
        LoseConnection(errBadReply, error);
}

void TFtpClient::OnControlClosed()
{
    if (m_silent)
        return;
    // Replies that came with the close are still read.
    if (m_ctrl && m_ctrl->bytesAvailable() > 0)
        OnControlData();
    LoseConnection(m_request == ftpOpen ? errConnectFailed : errConnectionClosed,
                   m_request != ftpNone ? QStringLiteral("the server closed the connection") : QString());
}

void TFtpClient::HandleReply(const TFtpReply &reply)
{
    if (!reply.Preliminary())
        m_lastReply = reply.Lines.last();
    switch (m_request) {
    case ftpNone:
        return; // an unasked reply, such as a 421 before the server hangs up
    case ftpOpen:
        if (m_phase != Phase::Banner || reply.Preliminary())
            return;
        if (reply.Code >= 200 && reply.Code < 300)
            Finish(0);
        else
            LoseConnection(reply.Code, QString());
        return;
    case ftpUser:
    case ftpPass:
    case ftpTypeSet:
    case ftpDele:
    case ftpQuit: {
        if (reply.Preliminary())
            return;
        const bool ok = reply.Code >= 200 && reply.Code < 300 ? true : (m_request == ftpUser && reply.Code == 331);
        const bool quit = m_request == ftpQuit;
        Finish(ok ? 0 : reply.Code);
        // After a good QUIT the connection is ours to close when the server has not.
        if (quit && ok && m_ctrl && m_request == ftpNone) {
            m_ctrl->disconnectFromHost();
            if (m_ctrl->state() == QAbstractSocket::UnconnectedState)
                LoseConnection(0, QString());
        }
        return;
    }
    case ftpPut:
    case ftpGet:
    case ftpLs:
        break;
    }
    if (m_phase == Phase::Pasv) {
        HandlePasvReply(reply);
        return;
    }
    if (reply.Preliminary()) {
        // "150 Opening BINARY mode data connection for x (8192 bytes)."
        static const QRegularExpression size(QStringLiteral("\\((\\d+) bytes\\)"));
        const auto m = size.match(reply.Text());
        if (m.hasMatch())
            m_expected = m.captured(1).toLongLong();
        if (m_request == ftpPut)
            PumpUpload();
        return;
    }
    if (reply.Code >= 200 && reply.Code < 300) {
        m_finalOk = true;
        TryCompleteTransfer();
    } else {
        Fail(reply.Code, QString());
    }
}

void TFtpClient::HandlePasvReply(const TFtpReply &reply)
{
    if (reply.Preliminary())
        return;
    if (reply.Code != 227) {
        Fail(reply.Code, QString());
        return;
    }
    static const QRegularExpression numbers(QStringLiteral("(\\d+),(\\d+),(\\d+),(\\d+),(\\d+),(\\d+)"));
    const auto m = numbers.match(reply.Text());
    int p1 = -1, p2 = -1;
    if (m.hasMatch()) {
        p1 = m.captured(5).toInt();
        p2 = m.captured(6).toInt();
    }
    if (p1 < 0 || p1 > 255 || p2 < 0 || p2 > 255 || (p1 == 0 && p2 == 0)) {
        Fail(errBadPasv, QStringLiteral("unusable passive-mode reply: %1").arg(reply.Text().left(80)));
        return;
    }
    // The announced address may be unroutable (a server behind NAT): the data connection
    // goes to the host that answers on the control connection.
    m_phase = Phase::DataConnecting;
    m_data = new QTcpSocket(this);
    // Bounded: a disk slower than the network holds the sender back instead of filling memory.
    m_data->setReadBufferSize(kMaxBuffered);
    connect(m_data, &QTcpSocket::connected, this, [this] { Guarded([this] { OnDataConnected(); }); });
    connect(m_data, &QTcpSocket::readyRead, this, [this] { Guarded([this] { OnDataReadable(); }); });
    connect(m_data, &QTcpSocket::bytesWritten, this, [this](qint64) { Guarded([this] { PumpUpload(); }); });
    connect(m_data, &QTcpSocket::disconnected, this, [this] { Guarded([this] { OnDataClosed(); }); });
    connect(m_data, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        Guarded([this, e] {
            if (m_silent || !m_data)
                return;
            if (m_phase == Phase::DataConnecting)
                Fail(errDataConnection, QStringLiteral("data connection failed: %1").arg(m_data->errorString()));
            else if (e != QAbstractSocket::RemoteHostClosedError)
                OnDataClosed();
        });
    });
    m_data->connectToHost(m_ctrl->peerAddress(), quint16(p1 * 256 + p2));
}

// ---- data connection -------------------------------------------------------------------

void TFtpClient::OnDataConnected()
{
    m_phase = Phase::Transfer;
    SetState(ftpPasvReady);
    if (m_request == ftpPut)
        SendCommand(QStringLiteral("STOR ") + HostFileName);
    else if (m_request == ftpGet)
        SendCommand(QStringLiteral("RETR ") + HostFileName);
    else
        SendCommand(QStringLiteral("NLST"));
}

void TFtpClient::Progress(qint64 bytes)
{
    // At most a few per second: a label update per 64 KB would slow a fast transfer.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (bytes == m_lastProgress || (now - m_lastProgressMs < 100 && bytes != m_expected))
        return;
    m_lastProgress = bytes;
    m_lastProgressMs = now;
    if (OnProgress && !m_silent)
        OnProgress(bytes);
}

void TFtpClient::OnDataReadable()
{
    if (!m_data || !m_file || m_request == ftpPut)
        return;
    ArmTimeout();
    while (m_data->bytesAvailable() > 0) {
        const QByteArray chunk = m_data->read(kChunk);
        if (m_file->write(chunk) != chunk.size()) {
            Fail(errLocalFile, QStringLiteral("cannot write %1: %2").arg(m_tempName, m_file->errorString()));
            return;
        }
        m_bytes += chunk.size();
    }
    Progress(m_bytes);
}

void TFtpClient::PumpUpload()
{
    if (!m_data || !m_file || m_request != ftpPut || m_phase != Phase::Transfer || m_uploadEnded)
        return;
    ArmTimeout();
    while (m_data->bytesToWrite() < kMaxBuffered) {
        const QByteArray chunk = m_file->read(kChunk);
        if (chunk.isEmpty()) {
            if (m_file->error() != QFile::NoError) {
                Fail(errLocalFile, QStringLiteral("cannot read %1: %2").arg(LocalFileName, m_file->errorString()));
                return;
            }
            if (m_data->bytesToWrite() == 0) {
                // All handed over: closing the data connection ends the file for the server.
                m_uploadEnded = true;
                m_data->disconnectFromHost();
                if (m_data && m_data->state() == QAbstractSocket::UnconnectedState)
                    OnDataClosed();
            }
            break;
        }
        m_data->write(chunk);
        m_bytes += chunk.size();
    }
    Progress(m_bytes);
}

void TFtpClient::OnDataClosed()
{
    if (m_silent || !m_data || m_dataDone)
        return;
    if (m_request != ftpPut)
        OnDataReadable();
    if (m_request == ftpNone)
        return;
    if (m_request == ftpPut && !m_uploadEnded) {
        Fail(errDataConnection, QStringLiteral("the data connection closed before the file was sent"));
        return;
    }
    m_dataDone = true;
    TryCompleteTransfer();
}

void TFtpClient::TryCompleteTransfer()
{
    if (!m_finalOk || !m_dataDone)
        return;
    if (m_request == ftpGet && m_expected >= 0 && m_bytes != m_expected) {
        Fail(errIncomplete, QStringLiteral("%1: %2 of %3 bytes arrived").arg(HostFileName).arg(m_bytes).arg(m_expected));
        return;
    }
    if (m_request != ftpPut) {
        if (!m_file->flush()) {
            Fail(errLocalFile, QStringLiteral("cannot write %1: %2").arg(m_tempName, m_file->errorString()));
            return;
        }
        m_file->close();
        if (m_request == ftpLs)
            QFile::remove(LocalFileName);
        if (QFileInfo::exists(LocalFileName) || !QFile::rename(m_tempName, LocalFileName)) {
            Fail(errLocalFile, QStringLiteral("cannot place %1").arg(LocalFileName));
            return;
        }
        m_tempName.clear();
    }
    Progress(m_bytes);
    CleanupTransfer(true);
    Finish(0);
}

void TFtpClient::CloseData()
{
    if (!m_data)
        return;
    QTcpSocket *d = m_data;
    m_data = nullptr;
    d->disconnect(this);
    d->abort();
    d->deleteLater();
}

void TFtpClient::CleanupTransfer(bool keep)
{
    CloseData();
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
    // A transfer that did not complete leaves nothing under any name.
    if (!keep && !m_tempName.isEmpty())
        QFile::remove(m_tempName);
    m_tempName.clear();
}

void TFtpClient::TimedOut()
{
    if (m_request == ftpNone)
        return;
    SetState(ftpAbort);
    LoseConnection(errTimeout, QStringLiteral("time-out after %1 s without progress").arg(Timeout));
}

} // namespace zelmor
