#pragma once

#include <QSslConfiguration>
#include <QSslServer>
#include <QTcpServer>

// Qt's HTTP server reads whatever a client sends for as long as it sends
// it. The listeners here bound what one client may cost: the bytes of one
// request, the time to finish sending it, the time a kept-open connection may
// idle, and how many connections are open at once; a client past a bound is
// answered 413 or cut off.
struct ConnectionLimits
{
    qint64 requestBytes = 16 * 1024;
    int requestMilliseconds = 10'000;
    int idleMilliseconds = 30'000;
    int connections = 128;
};

class GuardedTcpServer final : public QTcpServer
{
public:
    explicit GuardedTcpServer(const ConnectionLimits& limits, QObject* parent = nullptr);
    QTcpSocket* nextPendingConnection() override;

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionLimits m_limits;
};

class GuardedSslServer final : public QSslServer
{
public:
    GuardedSslServer(const ConnectionLimits& limits, const QSslConfiguration& configuration, QObject* parent = nullptr);
    QTcpSocket* nextPendingConnection() override;

protected:
    void incomingConnection(qintptr handle) override;

private:
    ConnectionLimits m_limits;
};
