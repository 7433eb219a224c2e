#include "core/board/LampRound.h"
#include "core/devices/LightController.h"
#include "core/devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QSocketNotifier>
#include <QTest>

class LampRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void repeats();
};

// Three tables, table 2 open, and a controller that echoes until it falls silent.
void LampRoundTest::repeats()
{
    HallFixture f;
    f.hall.state.CounterName = QStringLiteral("灯控台");
    PseudoTerminal pty;
    QVERIFY(f.ready() && f.addTables(3) && f.openVisit(2, today("19:00:00")));
    QVERIFY(f.hall.attachLights(pty.path()));
    QSocketNotifier notifier(pty.descriptor(), QSocketNotifier::Read);
    connect(&notifier, &QSocketNotifier::activated, this, [&pty] {
        if (const QByteArray bytes = pty.readAvailable(); !bytes.endsWith('\x88'))
            pty.write(bytes.right(1));
    });
    LightController light;
    light.setEchoTimeout(10000);
    QVERIFY2(light.openPort(f.hall.db()), qPrintable(light.lastError()));
    LampRound round(f.hall.state, &light);
    round.start();
    const auto later = [&](int minutes, qint16 every = 10) {
        f.hall.state.params.lampRoundMinutes = every;
        f.clock.advanceMinutes(minutes);
        round.check();
        return light.isSending();
    };
    for (int minute = 1; minute <= 20; ++minute) {
        QTRY_VERIFY(!light.isSending());
        QCOMPARE(later(1), minute % 10 == 0);
    }
    QTRY_VERIFY(!light.isSending());
    QVERIFY(!later(1000, 0));
    // Fallen silent, the controller holds a round's first command: no round behind it.
    notifier.setEnabled(false);
    QVERIFY(later(0) && later(10));
    const QString logged = QStringLiteral("灯光巡检：重发 3 条灯光命令（开 1，关 2）");
    QCOMPARE(f.value(QStringLiteral("select count(*) from czyrzh where czyxm=? and zdname='灯控台'"), {logged}).toInt(),
             3);
}

QTEST_GUILESS_MAIN(LampRoundTest)
#include "test_lamp_round.moc"
