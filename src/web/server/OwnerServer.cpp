#include "web/server/OwnerServer.h"

#include "core/admin/OwnerPassword.h"
#include "core/base/PasswordHash.h"
#include "web/pages/OwnerPages.h"
#include "web/server/WebStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSslKey>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

const QByteArray CookieName = QByteArrayLiteral("tavoro_session");
const QByteArray CookiePrefix = QByteArrayLiteral("tavoro_session=");
const QByteArray TextType = QByteArrayLiteral("text/plain; charset=utf-8");

// Sent with every answer, whatever it is.
const QList<QPair<QByteArray, QByteArray>> SecurityHeaders = {
    {QByteArrayLiteral("Content-Security-Policy"), QByteArrayLiteral("default-src 'self'; frame-ancestors 'none'")},
    {QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff")},
    {QByteArrayLiteral("X-Frame-Options"), QByteArrayLiteral("DENY")},
    {QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store")},
    {QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer")},
};

QByteArray header(const QHttpServerRequest& request, const QByteArray& name)
{
    for (const auto& [key, value] : request.headers()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QByteArray sessionToken(const QHttpServerRequest& request)
{
    for (const QByteArray& cookie : header(request, QByteArrayLiteral("Cookie")).split(';')) {
        const QByteArray trimmed = cookie.trimmed();
        if (trimmed.startsWith(CookiePrefix))
            return trimmed.mid(CookiePrefix.size());
    }
    return {};
}

QByteArray text(const char* source)
{
    return QCoreApplication::translate("OwnerServer", source).toUtf8();
}

} // namespace

OwnerServer::OwnerServer(const QSqlDatabase& db, QObject* parent)
    : QAbstractHttpServer(parent)
    , m_db(db)
{}

ResultOf<quint16> OwnerServer::start(const QHostAddress& address, quint16 port,
                                     const std::optional<QSslConfiguration>& tls, const ConnectionLimits& limits)
{
    m_secure = tls.has_value();
    QTcpServer* listener = tls ? static_cast<QTcpServer*>(new GuardedSslServer(limits, *tls, this))
                               : static_cast<QTcpServer*>(new GuardedTcpServer(limits, this));
    if (!listener->listen(address, port)) {
        const QString said = listener->errorString();
        delete listener;
        return Result::failure(QCoreApplication::translate("OwnerServer", "无法在 %1 端口 %2 上提供服务：%3")
                                   .arg(address.toString())
                                   .arg(port)
                                   .arg(said));
    }
    bind(listener);
    return listener->serverPort();
}

ResultOf<QSslConfiguration> OwnerServer::tlsFrom(const QString& certificateFile, const QString& keyFile)
{
    const auto refuse = [](const QString& file) {
        return Result::failure(
            QCoreApplication::translate("OwnerServer", "无法读取 HTTPS 的证书或密钥文件 %1").arg(file));
    };
    QFile certificateText(certificateFile);
    if (!certificateText.open(QIODevice::ReadOnly))
        return refuse(certificateFile);
    const QList<QSslCertificate> chain = QSslCertificate::fromData(certificateText.readAll(), QSsl::Pem);
    QFile keyText(keyFile);
    if (chain.isEmpty() || !keyText.open(QIODevice::ReadOnly))
        return refuse(chain.isEmpty() ? certificateFile : keyFile);
    const QByteArray pem = keyText.readAll();
    QSslKey key(pem, QSsl::Rsa, QSsl::Pem);
    if (key.isNull())
        key = QSslKey(pem, QSsl::Ec, QSsl::Pem);
    if (key.isNull())
        return refuse(keyFile);
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

bool OwnerServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const Reply reply = answer(request);
    QHttpServerResponder responder = makeResponder(request, socket);
    responder.writeStatusLine(QHttpServerResponder::StatusCode(reply.status));
    for (const auto& [name, value] : SecurityHeaders)
        responder.writeHeader(name, value);
    for (const auto& [name, value] : reply.headers)
        responder.writeHeader(name, value);
    if (!reply.contentType.isEmpty())
        responder.writeHeader(QByteArrayLiteral("Content-Type"), reply.contentType);
    responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(reply.body.size()));
    responder.writeBody(reply.body);
    return true;
}

void OwnerServer::missingHandler(const QHttpServerRequest&, QTcpSocket*)
{
    // handleRequest answers every request.
}

OwnerServer::Reply OwnerServer::answer(const QHttpServerRequest& request)
{
    using Method = QHttpServerRequest::Method;
    const QString path = request.url().path(QUrl::FullyEncoded);
    if (request.method() == Method::Post && path == QLatin1String("/login"))
        return logIn(request);
    if (request.method() == Method::Post && path == QLatin1String("/logout"))
        return logOut(request);
    if (request.method() != Method::Get)
        return {405,
                TextType,
                text(QT_TRANSLATE_NOOP("OwnerServer", "不支持这种请求")),
                {{QByteArrayLiteral("Allow"), QByteArrayLiteral("GET, POST")}}};
    if (path == QLatin1String("/login")) {
        const OwnerPages::Page page = OwnerPages::login(QString());
        return {page.status, page.contentType, page.body, {}};
    }
    if (const std::optional<OwnerPages::Page> asset = OwnerPages::asset(path))
        return {asset->status, asset->contentType, asset->body, {}};
    if (!m_sessions.holds(sessionToken(request), request.remoteAddress())) {
        // The board's refresh asks from a page already shown; a redirect to
        // the login form would be read as its rows.
        if (path == QLatin1String("/board.json"))
            return {401, TextType, text(QT_TRANSLATE_NOOP("OwnerServer", "请先登录")), {}};
        return {303, {}, {}, {{QByteArrayLiteral("Location"), QByteArrayLiteral("/login")}}};
    }
    return readPage(path, request);
}

OwnerServer::Reply OwnerServer::readPage(const QString& path, const QHttpServerRequest& request)
{
    if (const Result ready = WebStore::keepReady(m_db); !ready)
        return {500, TextType, ready.message().toUtf8(), {}};
    const std::optional<OwnerPages::Page> page = OwnerPages::page(m_db, path, request.query());
    if (!page)
        return {404, TextType, text(QT_TRANSLATE_NOOP("OwnerServer", "没有这个页面")), {}};
    return {page->status, page->contentType, page->body, {}};
}

OwnerServer::Reply OwnerServer::logIn(const QHttpServerRequest& request)
{
    const auto refuse = [](int status, const QString& refusal) {
        const OwnerPages::Page page = OwnerPages::login(refusal);
        return Reply{status, page.contentType, page.body, {}};
    };
    if (const qint64 wait = m_sessions.secondsToWait(); wait > 0)
        return refuse(429,
                      QCoreApplication::translate("OwnerServer", "口令错误次数过多，请等待 %1 秒后再登录！").arg(wait));
    const ResultOf<QString> stored = OwnerPassword::storedHash(m_db);
    if (!stored)
        return refuse(500, stored.result().message());
    if (stored->isEmpty())
        return refuse(403, QCoreApplication::translate("OwnerServer", "店主网页已关闭：柜台上没有设置店主网页口令。"));
    // A form encodes a blank as '+'.
    QByteArray form = request.body();
    form.replace('+', QByteArrayLiteral("%20"));
    const QString typed =
        QUrlQuery(QString::fromLatin1(form)).queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded);
    if (PasswordHash::verify(*stored, typed) == PasswordHash::Check::Mismatch) {
        m_sessions.recordFailure();
        return refuse(401, QCoreApplication::translate("OwnerServer", "口令不正确！"));
    }
    m_sessions.clearFailures();
    const QByteArray token = m_sessions.open(request.remoteAddress());
    return {303,
            {},
            {},
            {{QByteArrayLiteral("Location"), QByteArrayLiteral("/")},
             {QByteArrayLiteral("Set-Cookie"), sessionCookie(token, OwnerSessions::LifetimeSeconds)}}};
}

OwnerServer::Reply OwnerServer::logOut(const QHttpServerRequest& request)
{
    m_sessions.close(sessionToken(request));
    return {303,
            {},
            {},
            {{QByteArrayLiteral("Location"), QByteArrayLiteral("/login")},
             {QByteArrayLiteral("Set-Cookie"), sessionCookie(QByteArray(), 0)}}};
}

QByteArray OwnerServer::sessionCookie(const QByteArray& token, qint64 maxAge) const
{
    QByteArray cookie =
        CookieName + '=' + token + "; HttpOnly; SameSite=Strict; Path=/; Max-Age=" + QByteArray::number(maxAge);
    if (m_secure)
        cookie += "; Secure";
    return cookie;
}
