// The owner's view as the owner meets it: tavoro-web started as its service
// starts it, on a hall with a table in play and takings of the day, and
// Chromium at a phone's size logging in and reading every page.

#include "core/admin/OwnerPassword.h"
#include "core/board/TableOpening.h"
#include "support/HallFixture.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Password = QStringLiteral("owner 1");
const QString Member = QStringLiteral("M4711");

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

bool answers(quint16 port)
{
    for (int tries = 0; tries < 100; ++tries) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(100))
            return true;
        QTest::qWait(100);
    }
    return false;
}

// The pages' text as the browser shows it, by path.
QHash<QString, QString> pageTexts(const QString& printed)
{
    QHash<QString, QString> texts;
    QString path;
    for (const QString& line : printed.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("== ")))
            path = line.mid(3);
        else
            texts[path] += line + QLatin1Char('\n');
    }
    return texts;
}

} // namespace

class OwnerBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void phonePagesShowTheHall()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
            QSKIP("chromium is not installed");
        // tavoro-web runs on the wall clock, so the hall's day is today.
        const QDateTime now = QDateTime::currentDateTime();
        HallFixture fx(now);
        QVERIFY2(fx.ready(), qPrintable(fx.error()));
        QVERIFY(fx.addTables(4));
        QVERIFY(fx.addMember(Member, QVariant(), QStringLiteral("优惠卡")));
        QVERIFY(fx.hall.exec(QStringLiteral("update zhdy set mc = ? where zhao = 2"), {QStringLiteral("贵宾台")}));
        QVERIFY(fx.openVisit(2, now.addSecs(-45 * 60)));
        QVERIFY(
            fx.hall.exec(QStringLiteral("insert into waimxd (zhao, khao, ksrc, jsrc, sc, dj, dj1, je, je1, djid, rc, "
                                        "czyname, fkfs, dzbj) values (3, '', ?, ?, 60, 30, 30, 188.5, 200, '1', ?, "
                                        "'system', '现金', '1')"),
                         {now.addSecs(-3 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                          now.addSecs(-2 * 3600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                          now.date().toString(Qt::ISODate)}));
        QVERIFY(OwnerPassword::set(fx.hall.db(), Password));

        // The service finds the hall where the counter's settings say.
        QTemporaryDir home;
        const QFileInfo file(fx.hall.place());
        const quint16 port = freePort();
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Tavoro"))));
        QFile settings(home.filePath(QStringLiteral("Tavoro/Tavoro.conf")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QStringLiteral("[main_path]\npath=%1/\ndata=%2\n\n[web]\nport=%3\n")
                           .arg(file.absolutePath(), file.fileName())
                           .arg(port)
                           .toUtf8());
        settings.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        environment.insert(QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8"));
        QProcess web;
        web.setProcessEnvironment(environment);
        web.setProcessChannelMode(QProcess::ForwardedChannels);
        web.start(QStringLiteral(TAVORO_WEB), {});
        QVERIFY2(answers(port), "tavoro-web does not answer");

        const QString shots = qEnvironmentVariable("TAVORO_WEB_SHOTS", home.filePath(QStringLiteral("shots")));
        QProcess browser;
        browser.start(QStringLiteral(TAVORO_WEBSHOTS),
                      {QStringLiteral("http://127.0.0.1:%1/").arg(port), Password, shots, QStringLiteral("--watch")});
        QByteArray heard;
        QTRY_VERIFY_WITH_TIMEOUT((heard += browser.readAllStandardOutput()).contains("watching\n"), 120000);
        // A table opened at the counter while the owner looks at the board.
        const ResultOf<TableOpening::Opened> opened = TableOpening::openTable(
            fx.hall.state, {QStringLiteral("4"), Member, QString(), QStringLiteral("0"), QStringLiteral("0")});
        QVERIFY(opened && opened->outcome == TableOpening::Outcome::Opened);
        browser.write("\n");
        QVERIFY(browser.waitForFinished(60000));
        const QString printed = QString::fromUtf8(heard + browser.readAllStandardOutput());
        QVERIFY2(browser.exitCode() == 0, browser.readAllStandardError().constData());
        web.kill();
        web.waitForFinished();

        QVERIFY2(!printed.contains(QStringLiteral("wider than the screen")), qPrintable(printed));
        const QHash<QString, QString> texts = pageTexts(printed);
        const QString board = texts.value(QStringLiteral("/"));
        for (const QString& table : {QStringLiteral("1号台"), QStringLiteral("贵宾台"), QStringLiteral("4号台")})
            QVERIFY2(board.contains(table), qPrintable(board));
        QVERIFY2(!board.contains(Member), qPrintable(board));
        QVERIFY2(texts.value(QStringLiteral("/ refreshed")).contains(Member),
                 qPrintable(texts.value(QStringLiteral("/ refreshed"))));
        QVERIFY2(texts.value(QStringLiteral("/takings")).contains(QStringLiteral("188.50")),
                 qPrintable(texts.value(QStringLiteral("/takings"))));
        for (const char* name : {"WebLogin", "WebBoard", "WebTakings", "WebStatistics", "WebStock", "WebGiveaways"})
            QVERIFY2(QFileInfo(shots + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")).size() > 0,
                     name);
    }
};

QTEST_GUILESS_MAIN(OwnerBrowserTest)
#include "test_owner_browser.moc"
