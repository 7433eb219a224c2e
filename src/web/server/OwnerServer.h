#pragma once

#include "core/base/Result.h"
#include "web/server/ConnectionGuard.h"
#include "web/server/OwnerSessions.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSslConfiguration>

#include <optional>

// The owner's read-only view over HTTP: the login, the session every page
// needs, and the headers that keep a browser from framing, sniffing or
// storing a page. Only GET reaches a page, and only the login and the logout
// are POSTed; no request names a file, the pages and their assets are built
// into the program.
class OwnerServer final : public QAbstractHttpServer
{
    Q_OBJECT

public:
    // Reads the hall through db, which WebStore opened.
    explicit OwnerServer(const QSqlDatabase& db, QObject* parent = nullptr);

    // Listens at the address, over TLS when tls is given, with the limits
    // on each client; the port it listens on (the system chooses one for 0).
    ResultOf<quint16> start(const QHostAddress& address, quint16 port, const std::optional<QSslConfiguration>& tls,
                            const ConnectionLimits& limits = {});

    // The certificate and key of two PEM files, ready for start().
    static ResultOf<QSslConfiguration> tlsFrom(const QString& certificateFile, const QString& keyFile);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Reply
    {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
    };

    Reply answer(const QHttpServerRequest& request);
    Reply logIn(const QHttpServerRequest& request);
    Reply logOut(const QHttpServerRequest& request);
    Reply readPage(const QString& path, const QHttpServerRequest& request);
    QByteArray sessionCookie(const QByteArray& token, qint64 maxAge) const;

    QSqlDatabase m_db;
    OwnerSessions m_sessions;
    bool m_secure = false;
};
