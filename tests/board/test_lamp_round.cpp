#include "board/LampRound.h"
#include "devices/LightController.h"
#include "devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QSocketNotifier>
#include <QTest>

class LampRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void repeats_data();
    void repeats();
};

void LampRoundTest::repeats_data()
{
    QTest::addColumn<qint16>("minutes");
    QTest::addColumn<int>("advance");
    QTest::addColumn<bool>("answering");
    QTest::addColumn<int>("rounds"); // after the start-up's
    QTest::newRow("not before") << qint16(10) << 9 << true << 0;
    QTest::newRow("when due") << qint16(10) << 10 << true << 1;
    QTest::newRow("twice") << qint16(10) << 25 << true << 2;
    QTest::newRow("0 never") << qint16(0) << 1000 << true << 0;
    QTest::newRow("negative never") << qint16(-5) << 1000 << true << 0;
    QTest::newRow("not while the last round waits for its echo") << qint16(10) << 10 << false << 0;
}

// Three tables, table 2 open, their controller answering each command at once
// (or never); the round is checked as its timer would, at each minute of the
// test clock.
void LampRoundTest::repeats()
{
    QFETCH(qint16, minutes);
    QFETCH(int, advance);
    QFETCH(bool, answering);
    QFETCH(int, rounds);
    constexpr int Bound = 10000; // ms
    HallFixture f;
    PseudoTerminal pty;
    QVERIFY(f.ready() && f.addTables(3) && f.openVisit(2, today("19:00:00")));
    QVERIFY(f.hall.exec(QStringLiteral("update stcs set valuenr=? where lx='dk' and sm='串口号设置'"), {pty.path()}));
    QByteArray seen;
    QSocketNotifier notifier(pty.descriptor(), QSocketNotifier::Read);
    connect(&notifier, &QSocketNotifier::activated, this, [&] {
        const QByteArray bytes = pty.readAvailable();
        seen += bytes;
        if (answering && !bytes.endsWith('\x88'))
            pty.write(bytes.right(1));
    });
    LightController light;
    light.setEchoTimeout(Bound);
    QVERIFY2(light.stardkset(f.hall.db()), qPrintable(light.lastError()));
    f.hall.state.params.lightControl = true;
    f.hall.state.params.lampRoundMinutes = minutes;
    LampRound round(f.hall.state, &light);
    round.start();
    QTRY_VERIFY_WITH_TIMEOUT(answering ? !light.isSending() : !seen.isEmpty(), Bound);

    for (int minute = 0; minute < advance; ++minute) {
        f.clock.advanceMinutes(1);
        round.check();
        QTRY_VERIFY_WITH_TIMEOUT(!answering || !light.isSending(), Bound);
    }
    // Each command goes out only after the one before it was confirmed.
    QTRY_COMPARE_WITH_TIMEOUT(
        seen.toHex(' '),
        answering ? QByteArray::fromHex("008841880288").repeated(1 + rounds).toHex(' ') : QByteArray("00"), Bound);
    QStringList log(1, QStringLiteral("启动灯光校正：重发 3 条灯光命令（开 1，关 2）"));
    log += QStringList(rounds, QStringLiteral("灯光巡检：重发 3 条灯光命令（开 1，关 2）"));
    const QString logged = f.value(QStringLiteral("select group_concat(czyxm, '|') from "
                                                  "(select czyxm from czyrzh where czyname='system' order by tag)"))
                               .toString();
    QCOMPARE(logged, log.join(QLatin1Char('|')));
}

QTEST_GUILESS_MAIN(LampRoundTest)
#include "test_lamp_round.moc"
