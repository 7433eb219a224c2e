#include "BenchHall.h"
#include "BenchStats.h"
#include "core/admin/OwnerPassword.h"
#include "core/base/Clock.h"
#include "core/base/Database.h"
#include "core/base/FixedClock.h"
#include "core/base/Sql.h"
#include "core/billing/Checkout.h"
#include "core/board/TableOpening.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr qint64 History = 100000;
const QString Password = QStringLiteral("bench owner");

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-web: %s\n", qUtf8Printable(text));
}

// The counter: opens and settles the hall's free tables for a cash guest,
// one checkout every `paceMs`, until the time is up, timing each checkout,
// and prints their times in ms.
int runCounter(const QString& place, double seconds, int paceMs)
{
    FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    Clock::install(&clock);
    AppState state;
    if (const Result opened = Database::openNamed(place, QStringLiteral("counter"), &state.DbConn); !opened) {
        fail(opened.message());
        return Failed;
    }
    state.OperatorName = QStringLiteral("bench");
    state.BusinessDate = QDate(2026, 12, 6);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; timer.elapsed() < seconds * 1000; ++i) {
        const QString table =
            QString::number(BenchHall::OpenTables + 1 + i % (BenchHall::Tables - BenchHall::OpenTables));
        const ResultOf<TableOpening::Opened> opened =
            TableOpening::openTable(state, {table, QString(), QString(), QStringLiteral("0"), QStringLiteral("0")});
        if (!opened) {
            fail(opened.result().message());
            return Failed;
        }
        QElapsedTimer checkout;
        checkout.start();
        const Checkout::Bill bill = Checkout::settle(state, {table, QString(), QString(), QStringLiteral("0")});
        const double millis = double(checkout.nsecsElapsed()) / 1e6;
        if (!bill.settled()) {
            fail(QStringLiteral("table %1 not settled: %2").arg(table, bill.error.message()));
            return Failed;
        }
        std::printf("%.3f\n", millis);
        QThread::msleep(qMax(0, paceMs - int(millis)));
    }
    Clock::install(nullptr);
    return WithinTarget;
}

void startCounter(QProcess& counter, const QString& place, double seconds, int paceMs)
{
    counter.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    counter.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--counter"), place, QString::number(seconds), QString::number(paceMs)});
}

QList<double> checkoutTimes(QProcess& counter, double seconds)
{
    QList<double> times;
    // Under load it ends while the clients' loop runs; waiting for it then
    // would say it timed out.
    const bool ended = counter.state() == QProcess::NotRunning || counter.waitForFinished(int(seconds * 1000) + 60000);
    if (!ended || counter.exitStatus() != QProcess::NormalExit || counter.exitCode() != 0)
        return times;
    for (const QByteArray& line : counter.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            times << line.toDouble();
    }
    return times;
}

// One phone: asks for the board page over its own connection, waits for the
// whole answer, pauses, and asks again; a connection the server closed is
// opened again, and that time counts too.
class Client : public QObject
{
public:
    Client(quint16 port, const QByteArray& cookie, int pauseMs, QList<double>* latencies)
        : m_port(port)
        , m_request("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: " + cookie + "\r\n\r\n")
        , m_pauseMs(pauseMs)
        , m_latencies(latencies)
    {
        connect(&m_socket, &QTcpSocket::readyRead, this, &Client::read);
        connect(&m_socket, &QTcpSocket::connected, this, [this] { m_socket.write(m_request); });
        connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
            if (m_asking)
                ++m_dropped;
        });
    }

    void ask()
    {
        m_answer.clear();
        m_asking = true;
        m_timer.start();
        if (m_socket.state() == QAbstractSocket::ConnectedState) {
            m_socket.write(m_request);
        } else {
            m_socket.abort();
            m_socket.connectToHost(QHostAddress::LocalHost, m_port);
        }
    }

    void stop() { m_stopped = true; }
    int errors() const { return m_errors + m_dropped; }

private:
    void read()
    {
        m_answer += m_socket.readAll();
        const qsizetype head = m_answer.indexOf("\r\n\r\n");
        if (head < 0)
            return;
        qsizetype length = 0;
        for (const QByteArray& line : m_answer.left(head).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
        }
        if (m_answer.size() < head + 4 + length)
            return;
        m_asking = false;
        if (m_answer.startsWith("HTTP/1.1 200"))
            m_latencies->append(double(m_timer.nsecsElapsed()) / 1e6);
        else
            ++m_errors;
        if (!m_stopped)
            QTimer::singleShot(m_pauseMs, this, &Client::ask);
    }

    quint16 m_port;
    QByteArray m_request;
    int m_pauseMs;
    QList<double>* m_latencies;
    QTcpSocket m_socket;
    QElapsedTimer m_timer;
    QByteArray m_answer;
    bool m_asking = false;
    bool m_stopped = false;
    int m_errors = 0;
    int m_dropped = 0;
};

// The session cookie of a login, as "tavoro_session=…"; empty on failure.
QByteArray login(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    const QByteArray form = "password=" + QUrl::toPercentEncoding(Password);
    socket.write("POST /login HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                 "Content-Length: " +
                 QByteArray::number(form.size()) + "\r\n\r\n" + form);
    QByteArray answer;
    while (!answer.contains("\r\n\r\n") && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    for (const QByteArray& line : answer.split('\n')) {
        if (line.toLower().startsWith("set-cookie:"))
            return line.mid(11).trimmed().split(';').first();
    }
    return {};
}

bool waitForServer(quint16 port)
{
    for (int tries = 0; tries < 100; ++tries) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(100);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QStringLiteral("--counter") && args.size() == 5)
        return runCounter(args[2], args[3].toDouble(), args[4].toInt());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the board page of tavoro-web under 50 clients on loopback while a counter process "
                       "settles tables of the same hall (%1 settled visits), and the counter's checkouts with and "
                       "without that load. Targets: the page's 99th percentile under 50 ms; the checkout's median "
                       "within 1.2 times its median without the load.")
            .arg(History));
    parser.addHelpOption();
    const QCommandLineOption secondsOption({QStringLiteral("s"), QStringLiteral("seconds")},
                                           QStringLiteral("Seconds each round lasts."), QStringLiteral("SECONDS"),
                                           QStringLiteral("20"));
    const QCommandLineOption clientsOption({QStringLiteral("c"), QStringLiteral("clients")},
                                           QStringLiteral("Clients asking at once."), QStringLiteral("COUNT"),
                                           QStringLiteral("50"));
    const QCommandLineOption pauseOption({QStringLiteral("p"), QStringLiteral("pause")},
                                         QStringLiteral("Milliseconds a client waits between its requests."),
                                         QStringLiteral("MS"), QStringLiteral("1000"));
    const QCommandLineOption paceOption(QStringLiteral("pace"),
                                        QStringLiteral("Milliseconds from one checkout of the counter to the next."),
                                        QStringLiteral("MS"), QStringLiteral("20"));
    parser.addOptions({secondsOption, clientsOption, pauseOption, paceOption});
    parser.process(app);
    const double seconds = parser.value(secondsOption).toDouble();
    const int clients = parser.value(clientsOption).toInt();
    const int pauseMs = parser.value(pauseOption).toInt();
    const int paceMs = parser.value(paceOption).toInt();
    if (seconds <= 0 || clients <= 0 || pauseMs < 0 || paceMs < 0) {
        fail(QStringLiteral("--seconds and --clients need numbers above 0, --pause and --pace ones of at least 0"));
        return Failed;
    }

    BenchHall hall;
    if (const Result filled = hall.fill(History); !filled) {
        fail(filled.message());
        return Failed;
    }
    if (const Result added = hall.addOperator(); !added) {
        fail(added.message());
        return Failed;
    }
    if (const Result set = OwnerPassword::set(hall.state.DbConn, Password); !set) {
        fail(set.message());
        return Failed;
    }

    // tavoro-web finds the hall where a counter's settings say.
    QTemporaryDir home;
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port = probe.serverPort();
    }
    const QFileInfo file(hall.file());
    QDir().mkpath(home.filePath(QStringLiteral("Tavoro")));
    QFile settings(home.filePath(QStringLiteral("Tavoro/Tavoro.conf")));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write(QStringLiteral("[main_path]\npath=%1/\ndata=%2\n\n[web]\nport=%3\n")
                           .arg(file.absolutePath(), file.fileName())
                           .arg(port)
                           .toUtf8()) < 0) {
        fail(settings.errorString());
        return Failed;
    }
    settings.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    QProcess web;
    web.setProcessEnvironment(environment);
    web.setProcessChannelMode(QProcess::ForwardedChannels);
    web.start(QStringLiteral(TAVORO_WEB), {});
    const QByteArray cookie = waitForServer(port) ? login(port) : QByteArray();
    if (cookie.isEmpty()) {
        fail(QStringLiteral("tavoro-web did not start or refused the login"));
        return Failed;
    }

    QProcess alone;
    startCounter(alone, hall.file(), seconds, paceMs);
    const QList<double> quiet = checkoutTimes(alone, seconds);

    QList<double> latencies;
    std::vector<std::unique_ptr<Client>> phones;
    for (int i = 0; i < clients; ++i) {
        phones.push_back(std::make_unique<Client>(port, cookie, pauseMs, &latencies));
        // Phones are not in step: each starts somewhere in the first pause.
        QTimer::singleShot(int(QRandomGenerator::global()->bounded(pauseMs + 1)), phones.back().get(), &Client::ask);
    }
    QProcess loaded;
    startCounter(loaded, hall.file(), seconds, paceMs);
    QTimer::singleShot(int(seconds * 1000), &app, [&] {
        for (auto& phone : phones)
            phone->stop();
        QTimer::singleShot(1000, &app, &QCoreApplication::quit);
    });
    app.exec();
    const QList<double> busy = checkoutTimes(loaded, seconds);
    int errors = 0;
    for (const auto& phone : phones)
        errors += phone->errors();
    web.terminate();
    web.waitForFinished(5000);
    if (quiet.isEmpty() || busy.isEmpty() || latencies.isEmpty()) {
        fail(QStringLiteral("a round measured nothing: %1 checkouts alone, %2 under load, %3 pages")
                 .arg(quiet.size())
                 .arg(busy.size())
                 .arg(latencies.size()));
        return Failed;
    }

    const double page99 = percentile(latencies, 0.99);
    const double ratio = median(busy) / median(quiet);
    std::printf("tavoro-web's board page, %d clients on loopback, each every %d ms, %g s, while a counter settles "
                "a table every %d ms:\n",
                clients, pauseMs, seconds, paceMs);
    std::printf("  %lld pages: median %.2f ms, 99th percentile %.2f ms, slowest %.2f ms; %d failed or dropped\n",
                static_cast<long long>(latencies.size()), median(latencies), page99, percentile(latencies, 1), errors);
    std::printf("  checkout without the pages: %lld, median %.2f ms; with them: %lld, median %.2f ms (%.2f times)\n",
                static_cast<long long>(quiet.size()), median(quiet), static_cast<long long>(busy.size()), median(busy),
                ratio);
    std::printf("  target: 99th percentile under 50 ms, checkout median within 1.2 times\n");
    return page99 < 50 && ratio <= 1.2 && errors == 0 ? WithinTarget : AboveTarget;
}
