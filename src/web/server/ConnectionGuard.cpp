#include "web/server/ConnectionGuard.h"

#include <QTimer>

#include <unistd.h>

namespace {

// The first to hear of a socket's data, before the HTTP server reads it.
class SocketWatch final : public QObject
{
public:
    SocketWatch(QTcpSocket* socket, const ConnectionLimits& limits)
        : QObject(socket)
        , m_socket(socket)
        , m_limits(limits)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, m_socket, &QAbstractSocket::abort);
        connect(m_socket, &QIODevice::readyRead, this, &SocketWatch::received);
        connect(m_socket, &QIODevice::bytesWritten, this, &SocketWatch::answered);
        // A client that connects and says nothing holds a connection as a
        // slow one does.
        m_timer.start(m_limits.requestMilliseconds);
    }

private:
    void received()
    {
        if (m_refused) {
            m_socket->readAll();
            return;
        }
        if (!m_inRequest) {
            m_inRequest = true;
            m_timer.start(m_limits.requestMilliseconds);
        }
        m_bytes += m_socket->bytesAvailable();
        if (m_bytes <= m_limits.requestBytes)
            return;
        // Read away here, so that the HTTP server never parses it.
        m_refused = true;
        m_socket->readAll();
        m_socket->write(QByteArrayLiteral("HTTP/1.1 413 Payload Too Large\r\n"
                                          "Content-Length: 0\r\n"
                                          "Connection: close\r\n"
                                          "Cache-Control: no-store\r\n"
                                          "X-Content-Type-Options: nosniff\r\n\r\n"));
        m_socket->disconnectFromHost();
    }

    void answered()
    {
        if (m_refused || m_socket->bytesToWrite() > 0)
            return;
        m_bytes = 0;
        m_inRequest = false;
        m_timer.start(m_limits.idleMilliseconds);
    }

    QTcpSocket* m_socket;
    ConnectionLimits m_limits;
    QTimer m_timer;
    qint64 m_bytes = 0;
    bool m_inRequest = false;
    bool m_refused = false;
};

// Each socket is the listener's child from its first byte (a TLS socket from
// its handshake on) until it is gone.
bool roomFor(const QTcpServer& server, const ConnectionLimits& limits, qintptr handle)
{
    if (server.findChildren<QAbstractSocket*>(Qt::FindDirectChildrenOnly).size() < limits.connections)
        return true;
    ::close(int(handle));
    return false;
}

QTcpSocket* watched(QTcpSocket* socket, const ConnectionLimits& limits)
{
    if (socket)
        new SocketWatch(socket, limits);
    return socket;
}

} // namespace

GuardedTcpServer::GuardedTcpServer(const ConnectionLimits& limits, QObject* parent)
    : QTcpServer(parent)
    , m_limits(limits)
{}

QTcpSocket* GuardedTcpServer::nextPendingConnection()
{
    return watched(QTcpServer::nextPendingConnection(), m_limits);
}

void GuardedTcpServer::incomingConnection(qintptr handle)
{
    if (roomFor(*this, m_limits, handle))
        QTcpServer::incomingConnection(handle);
}

GuardedSslServer::GuardedSslServer(const ConnectionLimits& limits, const QSslConfiguration& configuration,
                                   QObject* parent)
    : QSslServer(parent)
    , m_limits(limits)
{
    setSslConfiguration(configuration);
    setHandshakeTimeout(limits.requestMilliseconds);
}

QTcpSocket* GuardedSslServer::nextPendingConnection()
{
    return watched(QSslServer::nextPendingConnection(), m_limits);
}

void GuardedSslServer::incomingConnection(qintptr handle)
{
    if (roomFor(*this, m_limits, handle))
        QSslServer::incomingConnection(handle);
}
