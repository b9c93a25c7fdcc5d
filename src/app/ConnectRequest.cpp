#include "ConnectRequest.h"

#include "config/uComSettings.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace zelmor {

QString ConnectServerName()
{
    // One name per data directory, so clients of separate seats do not meet.
    const QByteArray h = QCryptographicHash::hash(BaseDir().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("zelmor-client-") + QString::fromLatin1(h);
}

TConnectRequestServer::TConnectRequestServer(std::function<bool()> accept, QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this)), m_accept(std::move(accept))
{
    const QString name = ConnectServerName();
    if (!m_server->listen(name)) {
        // A socket left by a client that died: take it over when nobody answers on it.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (!probe.waitForConnected(200)) {
            QLocalServer::removeServer(name);
            m_server->listen(name);
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &TConnectRequestServer::OnConnection);
}

bool TConnectRequestServer::Listening() const { return m_server->isListening(); }

void TConnectRequestServer::OnConnection()
{
    while (QLocalSocket *s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (!s->canReadLine()) {
                if (s->bytesAvailable() > 256)
                    s->disconnectFromServer();
                return;
            }
            const QByteArray line = s->readLine(256).trimmed().toUpper();
            if (line == "CONNECT")
                s->write(m_accept && m_accept() ? "OK\n" : "BUSY\n");
            else
                s->write("ERROR unknown request\n");
            s->flush();
            s->disconnectFromServer();
        });
    }
}

int SendConnectRequest(QString *answer)
{
    QLocalSocket s;
    s.connectToServer(ConnectServerName());
    if (!s.waitForConnected(3000))
        return 2;
    s.write("CONNECT\n");
    s.flush();
    QByteArray reply;
    while (!reply.contains('\n') && s.waitForReadyRead(10000))
        reply += s.readAll();
    reply = reply.trimmed();
    if (answer)
        *answer = QString::fromLatin1(reply);
    return reply == "OK" ? 0 : reply.isEmpty() ? 2 : 1;
}

} // namespace zelmor
