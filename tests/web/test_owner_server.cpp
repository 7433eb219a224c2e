#include "core/admin/OwnerPassword.h"
#include "core/base/ServerUri.h"
#include "core/base/Sql.h"
#include "core/goods/StockBalance.h"
#include "core/reports/DayTakings.h"
#include "support/HallFixture.h"
#include "web/server/OwnerServer.h"
#include "web/server/WebStore.h"

#include <QTcpSocket>
#include <QTest>

#include <memory>

namespace {

const QString ThePassword = QStringLiteral("owner 8341");
// The role the manual tells a hall on a server to make for the view.
const QString ReaderRole = QStringLiteral("tavoro_owner_view");

// The security headers every answer carries, whatever its status.
const QList<QPair<QByteArray, QByteArray>> SecurityHeaders = {
    {"content-security-policy", "default-src 'self'; frame-ancestors 'none'"},
    {"x-content-type-options", "nosniff"},
    {"x-frame-options", "DENY"},
    {"cache-control", "no-store"},
    {"referrer-policy", "no-referrer"},
};

struct Answer
{
    int status = 0; // 0: no answer came
    QList<QPair<QByteArray, QByteArray>> headers;
    bool closed = false;

    QByteArray header(const QByteArray& name) const
    {
        for (const auto& [key, value] : headers) {
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        }
        return {};
    }
};

Answer parse(const QByteArray& raw, bool closed)
{
    Answer answer;
    answer.closed = closed;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (end < 0)
        return answer;
    const QList<QByteArray> lines = raw.left(end).split('\n');
    answer.status = lines.constFirst().split(' ').value(1).toInt();
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        answer.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return answer;
}

bool complete(const QByteArray& raw)
{
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const Answer head = parse(raw, false);
    return raw.size() - end - 4 >= head.header("Content-Length").toLongLong();
}

// Sends the raw bytes from the address (any when null) and waits for a whole
// answer, or for the server to close the connection; with keepWatching, on
// past the answer for the close.
Answer exchange(quint16 port, const QByteArray& request, const QHostAddress& from = {}, int waitMs = 3000,
                bool keepWatching = false)
{
    QTcpSocket socket;
    if (!from.isNull())
        socket.bind(from);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 3000))
        return {};
    socket.write(request);
    QByteArray raw;
    const auto over = [&] {
        raw += socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState || (!keepWatching && complete(raw));
    };
    static_cast<void>(QTest::qWaitFor(over, waitMs));
    return parse(raw, socket.state() == QAbstractSocket::UnconnectedState);
}

QByteArray request(const QByteArray& method, const QByteArray& path, const QByteArray& token = {},
                   const QByteArray& body = {})
{
    QByteArray text = method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    if (!token.isEmpty())
        text += "Cookie: theme=dark; tavoro_session=" + token + "\r\n";
    if (!body.isEmpty())
        text +=
            "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\n";
    return text + "\r\n" + body;
}

// The hall with an owner password, read by the view through its own
// connection, as tavoro-web reads it, and the view listening on a free port.
struct View
{
    explicit View(const ConnectionLimits& limits = {})
    {
        static int views = 0;
        m_connection = QStringLiteral("web%1").arg(++views);
        // On a server the role is made first, as the manual has it: the
        // password's table, made later, must be readable by it too.
        if (!f.ready() || !f.addTables(3) || !f.openVisit(1, today("19:00:00")) ||
            !f.addGoods(1, QStringLiteral("可乐"), 2, 10) || (TestHall::onServer() && !grantReading()) ||
            !OwnerPassword::set(f.hall.db(), ThePassword))
            return;
        if (TestHall::onServer()) {
            const ResultOf<ServerUri::Named> named = ServerUri::parse(f.hall.place());
            if (!named || !WebStore::openServer(named->place, ReaderRole, m_connection, &db))
                return;
        } else if (!WebStore::openFile(f.hall.state.DbFullName, m_connection, &db)) {
            return;
        }
        server = std::make_unique<OwnerServer>(db);
        const ResultOf<quint16> listening = server->start(QHostAddress::LocalHost, 0, std::nullopt, limits);
        if (listening)
            port = *listening;
    }

    ~View()
    {
        server.reset();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }

    // The statements the manual gives for the view's role.
    bool grantReading()
    {
        const QStringList statements = {
            QStringLiteral("DO $$BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '%1') THEN "
                           "CREATE ROLE %1 LOGIN; END IF; END$$")
                .arg(ReaderRole),
            QStringLiteral("GRANT CONNECT ON DATABASE \"%1\" TO %2").arg(f.hall.serverDatabase(), ReaderRole),
            QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(ReaderRole),
            QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1").arg(ReaderRole),
            QStringLiteral("ALTER DEFAULT PRIVILEGES IN SCHEMA public GRANT SELECT ON TABLES TO %1").arg(ReaderRole)};
        for (const QString& statement : statements) {
            if (!Sql::execDefinition(f.hall.db(), statement))
                return false;
        }
        return true;
    }

    // The session token of a successful login; empty when refused.
    QByteArray logIn(const QString& password = ThePassword, Answer* answer = nullptr)
    {
        const Answer got =
            exchange(port, request("POST", "/login", {}, "password=" + QUrl::toPercentEncoding(password)));
        if (answer)
            *answer = got;
        const QByteArray cookie = got.header("Set-Cookie");
        return cookie.startsWith("tavoro_session=") ? cookie.mid(15, cookie.indexOf(';') - 15) : QByteArray();
    }

    HallFixture f;
    QSqlDatabase db;
    std::unique_ptr<OwnerServer> server;
    quint16 port = 0;

private:
    QString m_connection;
};

} // namespace

class TestOwnerServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void withoutSession_data();
    void withoutSession();
    void cookiesRefused_data();
    void cookiesRefused();
    void loginPause();
    void connectionCap();
    void crawlLeavesHallUnchanged();

private:
    // One hall for the cases that never log in, cutting off a request or an
    // idle connection after 300 ms.
    std::unique_ptr<View> m_view;
};

void TestOwnerServer::initTestCase()
{
    ConnectionLimits limits;
    limits.requestMilliseconds = 300;
    limits.idleMilliseconds = 300;
    m_view = std::make_unique<View>(limits);
    QVERIFY2(m_view->port != 0, qPrintable(m_view->f.error()));
}

void TestOwnerServer::cleanupTestCase()
{
    m_view.reset();
}

void TestOwnerServer::withoutSession_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("location");
    const auto row = [](const char* name, const QByteArray& raw, int status, const QByteArray& location = {}) {
        QTest::newRow(name) << raw << status << location;
    };
    for (const char* page : {"/", "/takings", "/statistics?from=2026-12-01&to=2026-12-06", "/stock", "/giveaways",
                             "/nothing", "/../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd"})
        row(page, request("GET", page), 303, "/login");
    // The board's refresh is read by a script, which a redirect would mislead.
    row("board rows", request("GET", "/board.json"), 401);
    row("login form", request("GET", "/login"), 200);
    row("post to a page", request("POST", "/takings", {}, "x=1"), 405);
    row("delete", request("DELETE", "/"), 405);
    row("put login", request("PUT", "/login", {}, "password=x"), 405);
    row("options", request("OPTIONS", "*"), 405);
    row("odd method", request("BREW", "/"), 405);
    row("no request line", "HELLO\r\n\r\n", 0);
    const QByteArray longHeader = "X-Filler: " + QByteArray(20 * 1024, 'x') + "\r\n";
    row("oversized headers", "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n" + longHeader + "\r\n", 413);
    row("oversized body", request("POST", "/login", {}, "password=" + QByteArray(20 * 1024, 'x')), 413);
    row("slow request", "GET / HTTP/1.1\r\nHost: 127", 0);
    row("silent", {}, 0);
}

void TestOwnerServer::withoutSession()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, status);
    // Watched past the answer: every connection, answered or not, is closed
    // once it has said nothing for the limit.
    const Answer answer = exchange(m_view->port, raw, {}, 2000, true);
    QCOMPARE(answer.status, status);
    QVERIFY(answer.closed);
    // The connection guard's 413 is written before the pages' headers exist.
    if (status == 0 || status == 413)
        return;
    QTEST(answer.header("Location"), "location");
    for (const auto& [name, value] : SecurityHeaders)
        QCOMPARE(answer.header(name), value);
}

void TestOwnerServer::cookiesRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("passes");
    QTest::newRow("valid") << QStringLiteral("valid") << true;
    for (const char* kind : {"valid from another address", "forged", "shortened", "expired", "logged out"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << false;
}

void TestOwnerServer::cookiesRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, passes);
    View view;
    QVERIFY2(view.port != 0, qPrintable(view.f.error()));
    QByteArray token = view.logIn();
    QCOMPARE(token.size(), qsizetype(64));
    QHostAddress from;
    if (kind == QLatin1String("valid from another address"))
        from = QHostAddress(QStringLiteral("127.0.0.2"));
    else if (kind == QLatin1String("forged"))
        token = QByteArray(32, 'a').toHex();
    else if (kind == QLatin1String("shortened"))
        token.chop(2);
    else if (kind == QLatin1String("expired"))
        view.f.clock.advanceMinutes(8 * 60);
    else if (kind == QLatin1String("logged out"))
        QCOMPARE(exchange(view.port, request("POST", "/logout", token, "x")).status, 303);
    const Answer answer = exchange(view.port, request("GET", "/board.json", token), from);
    // The stub pages answer 404 behind the session; the real ones 200.
    QVERIFY2((answer.status != 401) == passes, QByteArray::number(answer.status).constData());
    if (passes)
        QCOMPARE(exchange(view.port, request("GET", "/nothing", token)).status, 404);
}

// The counter's doubling pause, counted in memory: while it lasts even the
// right password is refused.
void TestOwnerServer::loginPause()
{
    View view;
    QVERIFY2(view.port != 0, qPrintable(view.f.error()));
    Answer answer;
    const auto attempt = [&](const QString& password, int status) {
        const QByteArray token = view.logIn(password, &answer);
        return answer.status == status && token.isEmpty() == (status != 303);
    };
    QVERIFY(attempt(QStringLiteral("wrong"), 401));
    QVERIFY(attempt(ThePassword, 429));
    view.f.clock.advanceMinutes(1);
    QVERIFY(attempt(QStringLiteral("wrong"), 401));
    view.f.clock.set(Clock::now().addSecs(1));
    QVERIFY(attempt(ThePassword, 429));
    view.f.clock.set(Clock::now().addSecs(1));
    QVERIFY(attempt(ThePassword, 303));
    QCOMPARE(answer.header("Location"), QByteArray("/"));
    QVERIFY(answer.header("Set-Cookie").endsWith("; HttpOnly; SameSite=Strict; Path=/; Max-Age=28800"));
    // A success clears the count: one failure pauses one second again.
    QVERIFY(attempt(QStringLiteral("wrong"), 401));
    view.f.clock.set(Clock::now().addSecs(1));
    QVERIFY(attempt(ThePassword, 303));
}

void TestOwnerServer::connectionCap()
{
    ConnectionLimits limits;
    limits.connections = 2;
    View view(limits);
    QVERIFY2(view.port != 0, qPrintable(view.f.error()));
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < 2; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress::LocalHost, view.port);
        QVERIFY(QTest::qWaitFor([&] { return held.back()->state() == QAbstractSocket::ConnectedState; }));
    }
    QTest::qWait(50);
    const Answer refused = exchange(view.port, request("GET", "/login"), {}, 1000);
    QCOMPARE(refused.status, 0);
    QVERIFY(refused.closed);
    held.front()->abort();
    QVERIFY(QTest::qWaitFor([&] { return exchange(view.port, request("GET", "/login"), {}, 500).status == 200; }));
}

// Every page read with a session, and the reports that fill scratch tables
// run on the view's connection, leave every row of the hall as it was; the
// view cannot write the hall even when asked to.
void TestOwnerServer::crawlLeavesHallUnchanged()
{
    View view;
    QVERIFY2(view.port != 0, qPrintable(view.f.error()));
    const QStringList before = everyRow(view.f.hall.db());
    const QByteArray token = view.logIn();
    QVERIFY(!token.isEmpty());
    for (const char* page :
         {"/", "/board.json", "/takings", "/takings?date=2026-12-06", "/statistics?from=2026-12-01&to=2026-12-06",
          "/stock", "/stock?month=2026-12", "/giveaways", "/giveaways?from=2026-12-01&to=2026-12-06"}) {
        const int status = exchange(view.port, request("GET", page, token)).status;
        QVERIFY2(status == 200 || status == 404, page);
    }
    QVERIFY(DayTakings::list(view.db, {QDate(2026, 12, 6), QString(), std::nullopt}));
    QVERIFY(
        StockBalance::compute(view.db, QDate(2026, 12, 1), QDate(2026, 12, 31), StockBalance::Grouping::ByStore, true));
    QVERIFY(!Sql::exec(view.db, QStringLiteral("update zhdy set tx=tx+1")));
    QVERIFY(!Sql::exec(view.db, QStringLiteral("insert into login_pause (failures, last_failure) values (1, ?)"),
                       {QStringLiteral("x")}));
    QCOMPARE(everyRow(view.f.hall.db()), before);

    // Its reads, even inside a transaction, never keep the counter from
    // writing the file.
    const Result read = Sql::transaction(view.db, [&] {
        const ResultOf<QVariant> tables = Sql::scalar(view.db, QStringLiteral("select count(*) from zhdy"));
        if (!tables)
            return tables.result();
        return view.f.hall.exec(QStringLiteral("update zhdy set tx=5 where zhao=2"))
                   ? Result::success()
                   : Result::failure(QStringLiteral("held up"));
    });
    QVERIFY2(read, qPrintable(read.message()));
}

QTEST_MAIN(TestOwnerServer)
#include "test_owner_server.moc"
