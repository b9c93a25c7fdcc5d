#pragma once
// Real peers started by a test on 127.0.0.1 and stopped with it, also when the test fails.
#include <QProcess>
#include <QTcpServer>
#include <QString>
#include <QStringList>
#include <QtTest>

class TPeer {
public:
    // Runs a script of tests/peers with Debian's Python; it prints "READY <port>".
    TPeer(const QString &script, const QStringList &args)
    {
        m_process.setProgram("/usr/bin/python3");
        m_process.setArguments(QStringList{QStringLiteral(ZELMOR_SOURCE_DIR "/tests/peers/") + script} + args);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return;
        QByteArray line;
        while (!line.contains('\n') && m_process.waitForReadyRead(20000))
            line += m_process.readAllStandardOutput();
        if (line.startsWith("READY "))
            m_port = line.mid(6).trimmed().toInt();
    }
    ~TPeer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    int Port() const { return m_port; }

private:
    QProcess m_process;
    int m_port = 0;
};

// A port on 127.0.0.1 where nobody listens.
inline int ClosedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const int port = s.serverPort();
    s.close();
    return port;
}
