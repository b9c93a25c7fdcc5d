#pragma once
// Other programs ask a running client to connect through a local socket named after the
// client's data directory: one line "CONNECT", answered "OK" (a session starts) or "BUSY".
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace zelmor {

QString ConnectServerName();

class TConnectRequestServer : public QObject {
    Q_OBJECT
public:
    // accept() is asked for each request; true means it will be acted on.
    TConnectRequestServer(std::function<bool()> accept, QObject *parent = nullptr);
    bool Listening() const;

private:
    void OnConnection();
    QLocalServer *m_server;
    std::function<bool()> m_accept;
};

// Sends one request and waits for the answer: 0 = accepted, 1 = busy, 2 = no client.
int SendConnectRequest(QString *answer = nullptr);

} // namespace zelmor
