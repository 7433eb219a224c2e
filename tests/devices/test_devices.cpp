#include "core/board/LampRound.h"
#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"
#include "core/devices/PseudoTerminal.h"
#include "core/devices/SerialSettings.h"
#include "support/HallFixture.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTest>

#include <memory>

namespace {

constexpr int Bound = 10000;

// Random bytes, every value possible, written in random pieces as a flaky
// line delivers them; the port reads between pieces, as it would at line speed.
bool sendNoise(PseudoTerminal& pty, quint32 seed)
{
    QRandomGenerator random(seed);
    for (int sent = 0; sent < 4096;) {
        QByteArray piece(random.bounded(1, 65), Qt::Uninitialized);
        for (char& c : piece)
            c = static_cast<char>(random.bounded(256));
        if (!pty.write(piece))
            return false;
        sent += int(piece.size());
        QCoreApplication::processEvents();
    }
    return true;
}

// A reader in use on the port at `path`, after one changed parameter row.
bool setUp(HallFixture& hall, const QString& path, const QString& row = {}, const QString& value = {})
{
    const QString update = QStringLiteral("update stcs set valuenr=? where lx='dkq' and sm=?");
    return hall.hall.exec(update, {QStringLiteral("1"), QStringLiteral("串口读卡器使用标记")}) &&
           hall.hall.exec(update, {path, QStringLiteral("读卡器串口号设置")}) &&
           (row.isEmpty() || hall.hall.exec(update, {value, row}));
}

QByteArray bytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// A controller on a pseudo-terminal, set up from the shipped rows.
struct Bench
{
    HallFixture hall;
    PseudoTerminal pty;
    LightController lights;
    QByteArray sent;

    bool setRow(const QString& row, const QString& value)
    {
        return hall.hall.exec(QStringLiteral("update stcs set valuenr=? where lx='dk' and sm=?"), {value, row});
    }
    bool open() { return setRow(QStringLiteral("串口号设置"), pty.path()) && lights.openPort(hall.hall.db()); }
    QByteArray sentSoFar() { return sent += pty.readAvailable(); }
};

} // namespace

// The card reader and the lamp controller on pseudo-terminals: their ports and
// lines as the parameter rows give them, what each takes from the line and
// sends on it, the rounds that put the lamps in line with the books again,
// and random bytes on a flaky line.
class DevicesTest : public QObject
{
    Q_OBJECT

private slots:
    void portPath_data();
    void portPath();
    void parseLine_data();
    void parseLine();
    void staysClosed_data();
    void staysClosed();
    void swipes_data();
    void swipes();
    void lostPortIsToldOnceAndReopened();
    void commandByte_data();
    void commandByte();
    void echo_data();
    void echo();
    void allTablesAfterSettingUpAgain();
    void unusablePortSendsNothing_data();
    void unusablePortSendsNothing();
    void lampRoundRepeats();
    void noiseAtTheCardReader_data();
    void noiseAtTheCardReader();
    void noiseAtTheLightController_data();
    void noiseAtTheLightController();
};

void DevicesTest::portPath_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("path");
    QTest::newRow("COM2 with blanks") << QStringLiteral(" 2 ") << QStringLiteral("/dev/ttyS1");
    QTest::newRow("device path") << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("zero") << QStringLiteral("0") << QString();
}

void DevicesTest::portPath()
{
    QFETCH(QString, value);
    QTEST(SerialSettings::portPath(value).value_or(QString()), "path");
}

// The line as "speed parity data stop", with Qt's numbers for each.
void DevicesTest::parseLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line"); // empty: refused
    QTest::newRow("shipped") << QStringLiteral("1200,n,8,1") << QStringLiteral("1200 0 8 1");
    QTest::newRow("upper case, blanks") << QStringLiteral(" 9600, E ,7,2") << QStringLiteral("9600 2 7 2");
    QTest::newRow("odd, one and a half") << QStringLiteral("4800,o,5,1.5") << QStringLiteral("4800 3 5 3");
    QTest::newRow("unknown parity") << QStringLiteral("1200,x,8,1") << QString();
    QTest::newRow("three stop bits") << QStringLiteral("1200,n,8,3") << QString();
    QTest::newRow("extra field") << QStringLiteral("1200,n,8,1,1") << QString();
}

void DevicesTest::parseLine()
{
    QFETCH(QString, text);
    const auto line = SerialSettings::parseLine(text);
    QTEST(line ? QStringLiteral("%1 %2 %3 %4")
                     .arg(line->baudRate)
                     .arg(line->parity)
                     .arg(line->dataBits)
                     .arg(line->stopBits)
               : QString(),
          "line");
}

void DevicesTest::staysClosed_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    QTest::newRow("not in use") << QStringLiteral("串口读卡器使用标记") << QStringLiteral("0");
    QTest::newRow("in-use flag not a number") << QStringLiteral("串口读卡器使用标记") << QStringLiteral("yes");
    QTest::newRow("missing device") << QStringLiteral("读卡器串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("bad settings text") << "读卡器传输速率"
                                       << "1200;n;8;1";
}

void DevicesTest::staysClosed()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    HallFixture hall;
    PseudoTerminal pty;
    CardReader reader;
    QVERIFY(setUp(hall, pty.path(), row, value));
    QVERIFY(!reader.openPort(hall.hall.db()));
    QVERIFY(!reader.isOpen());
    QVERIFY(!reader.lastError().isEmpty());
}

// An empty piece is a pause longer than the swipe pause; other pieces follow
// one another closely.
void DevicesTest::swipes_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<int>("cardLength");
    QTest::addColumn<QStringList>("swipes");
    const QString card = QStringLiteral("8000000001");
    QTest::newRow("noise and track marks around a card")
        << QByteArrayList{"\xff\x13;8000000001?\x80\r"} << 10 << QStringList{card};
    QTest::newRow("CR and LF end swipes")
        << QByteArrayList{"8000000001\r\nA0b9\n"} << 0 << QStringList{card, QStringLiteral("A0b9")};
    QTest::newRow("NUL bytes, then a pause ends each swipe")
        << QByteArrayList{QByteArray(40, '\0'), {}, "8000000001", {}, "8000000002"} << 10
        << QStringList{card, QStringLiteral("8000000002")};
    QTest::newRow("one swipe in pieces") << QByteArrayList{"80000", "00001"} << 10 << QStringList{card};
    QTest::newRow("too long: the rest does not start the next card")
        << QByteArrayList{"800000000123456789\r", "8000000002\r"} << 10
        << QStringList{card, QStringLiteral("8000000002")};
}

void DevicesTest::swipes()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(int, cardLength);
    QFETCH(QStringList, swipes);
    constexpr int pause = 200;
    HallFixture hall;
    PseudoTerminal pty;
    CardReader reader;
    reader.setSwipePause(pause);
    reader.setCardLength(cardLength);
    QVERIFY(setUp(hall, pty.path()));
    QVERIFY2(reader.openPort(hall.hall.db()), qPrintable(reader.lastError()));
    QSignalSpy spy(&reader, &CardReader::swiped);
    for (const QByteArray& piece : pieces) {
        QTest::qWait(piece.isEmpty() ? 2 * pause : 20);
        QVERIFY(pty.write(piece));
    }
    QTRY_COMPARE(spy.count(), swipes.size());
    for (int i = 0; i < swipes.size(); ++i)
        QCOMPARE(spy.at(i).at(0).toString(), swipes.at(i));
}

// A hung-up port stays readable and reads nothing: it must be closed and
// told once, not read again and again, and opened when the device is back.
void DevicesTest::lostPortIsToldOnceAndReopened()
{
    HallFixture hall;
    const QString path = hall.hall.folder() + QStringLiteral("/reader");
    auto pty = std::make_unique<PseudoTerminal>();
    QVERIFY(pty->link(path));
    CardReader reader;
    reader.setRetryInterval(100);
    QVERIFY(setUp(hall, path));
    QVERIFY2(reader.openPort(hall.hall.db()), qPrintable(reader.lastError()));
    QSignalSpy notices(&reader, &CardReader::notice);
    int wakeups = 0;
    auto* port = reader.findChild<QSerialPort*>();
    connect(port, &QSerialPort::readyRead, this, [&wakeups] { ++wakeups; });
    connect(port, &QSerialPort::errorOccurred, this, [&wakeups] { ++wakeups; });

    pty.reset();
    QTRY_COMPARE(notices.count(), 1);
    QTest::qWait(300);
    QVERIFY2(wakeups < 10, qPrintable(QString::number(wakeups)));
    QCOMPARE(notices.count(), 1);

    pty = std::make_unique<PseudoTerminal>();
    QVERIFY(pty->link(path));
    QTRY_VERIFY(reader.isOpen());
    QCOMPARE(notices.count(), 2);
    QSignalSpy swipes(&reader, &CardReader::swiped);
    QVERIFY(pty->write("8000000001\r"));
    QTRY_COMPARE(swipes.count(), 1);
}

void DevicesTest::commandByte_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QByteArray>("sent"); // empty: nothing
    QTest::newRow("1 on") << 1 << "1" << bytes("40");
    QTest::newRow("48 off") << 0 << "48" << bytes("2f");
    QTest::newRow("blank before") << 1 << " 7" << bytes("46");
    QTest::newRow("command 2") << 2 << "3" << QByteArray();
    QTest::newRow("table 0") << 0 << "0" << QByteArray();
    QTest::newRow("table 49") << 1 << "49" << QByteArray();
    QTest::newRow("not a number") << 0 << "abc" << QByteArray();
}

void DevicesTest::commandByte()
{
    QFETCH(int, command);
    QFETCH(QString, table);
    QFETCH(QByteArray, sent);
    Bench bench;
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.sendTable(command, table));
    // Bytes leave in order: table 12 arriving alone proves nothing went before it.
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("12")));
    if (!sent.isEmpty()) {
        QTRY_COMPARE(bench.sentSoFar(), sent);
        QVERIFY(bench.pty.write(sent));
        sent += bytes("88");
    }
    QTRY_COMPARE(bench.sentSoFar(), sent + bytes("4b"));
}

// What the controller answers to the command for table 3 (0x42); the command
// for table 4 that follows, echoed at once, marks the end of what was sent.
void DevicesTest::echo_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("told");
    QTest::newRow("repeated echo amid other bytes") << bytes("41024288904242") << bytes("4288") << false;
    QTest::newRow("wrong echo") << bytes("41") << bytes("4242") << true;
    QTest::newRow("no echo") << QByteArray() << bytes("4242") << true;
}

void DevicesTest::echo()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, sent);
    QFETCH(bool, told);
    Bench bench;
    bench.lights.setEchoTimeout(300);
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QSignalSpy notices(&bench.lights, &LightController::notice);
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("3")));
    QTRY_COMPARE(bench.sentSoFar(), bytes("42"));
    QVERIFY(bench.pty.write(answer));
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("4")));
    QTRY_VERIFY(bench.sentSoFar().endsWith(bytes("43")));
    QVERIFY(bench.pty.write(bytes("43")));
    QTRY_COMPARE(bench.sentSoFar(), sent + bytes("4388"));
    QCOMPARE(notices.count(), told ? 1 : 0);
    if (told)
        QVERIFY2(notices.at(0).at(0).toString().contains(QStringLiteral("3号台")),
                 qPrintable(notices.at(0).at(0).toString()));
}

// Setting up again, as after a change of parameters, must not lose the port.
void DevicesTest::allTablesAfterSettingUpAgain()
{
    Bench bench;
    QVERIFY2(bench.open() && bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.sendAllTables());
    QTRY_COMPARE(bench.sentSoFar(), bytes("90"));
    QVERIFY(bench.pty.write(bytes("90")));
    QTRY_COMPARE(bench.sentSoFar(), bytes("9088"));
}

void DevicesTest::unusablePortSendsNothing_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    QTest::newRow("never set up") << QString() << QString();
    QTest::newRow("missing device") << QStringLiteral("串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("bad settings text") << QStringLiteral("传输速率") << QStringLiteral("1200,x,8,1");
}

void DevicesTest::unusablePortSendsNothing()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    Bench bench;
    QSignalSpy notices(&bench.lights, &LightController::notice);
    QVERIFY(bench.setRow(QStringLiteral("串口号设置"), bench.pty.path()));
    if (!row.isEmpty()) {
        QVERIFY(bench.setRow(row, value));
        QVERIFY(!bench.lights.openPort(bench.hall.hall.db()));
        QCOMPARE(notices.count(), 1);
    }
    QVERIFY(!bench.lights.isOpen());
    QVERIFY(!bench.lights.lastError().isEmpty());
    QVERIFY(!bench.lights.sendTable(1, QStringLiteral("3")));
    QVERIFY(!bench.lights.sendAllTables());
    QVERIFY(!bench.lights.sendConfirmation());
    QVERIFY(bench.sentSoFar().isEmpty());
}

// Three tables, table 2 open, and a controller that echoes until it falls silent.
void DevicesTest::lampRoundRepeats()
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

void DevicesTest::noiseAtTheCardReader_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("cardLength");
    for (const quint32 seed : {1u, 2u, 3u})
        for (const int cardLength : {0, 10})
            QTest::addRow("seed %u, card length %d", seed, cardLength) << seed << cardLength;
}

// What reaches the card box is a card number or nothing: never a control
// character, a byte of a broken character, or more than a card holds.
void DevicesTest::noiseAtTheCardReader()
{
    QFETCH(quint32, seed);
    QFETCH(int, cardLength);
    HallFixture hall;
    PseudoTerminal pty;
    CardReader reader;
    reader.setCardLength(cardLength);
    QVERIFY(setUp(hall, pty.path()));
    QVERIFY2(reader.openPort(hall.hall.db()), qPrintable(reader.lastError()));
    QSignalSpy swipes(&reader, &CardReader::swiped);

    QVERIFY2(sendNoise(pty, seed), qPrintable(pty.error()));
    QVERIFY(pty.write("\r8000000001\r"));
    QTRY_VERIFY_WITH_TIMEOUT(!swipes.isEmpty() && swipes.last().at(0).toString() == QLatin1String("8000000001"), Bound);

    const QRegularExpression card(QStringLiteral("^[A-Za-z0-9]{1,%1}$").arg(cardLength > 0 ? cardLength : 64));
    for (const QList<QVariant>& swipe : std::as_const(swipes))
        QVERIFY2(card.match(swipe.at(0).toString()).hasMatch(), qPrintable(swipe.at(0).toString()));
}

void DevicesTest::noiseAtTheLightController_data()
{
    QTest::addColumn<quint32>("seed");
    for (const quint32 seed : {1u, 2u, 3u})
        QTest::addRow("seed %u", seed) << seed;
}

// Noise while no command waits sends nothing; noise while one waits may at
// worst stand for its echo (one byte is all the controller says), and the
// next command still goes out and is confirmed.
void DevicesTest::noiseAtTheLightController()
{
    QFETCH(quint32, seed);
    Bench bench;
    bench.lights.setEchoTimeout(Bound);
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));

    QVERIFY2(sendNoise(bench.pty, seed), qPrintable(bench.pty.error()));
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("3")));
    QTRY_COMPARE_WITH_TIMEOUT(bench.sentSoFar(), bytes("42"), Bound);
    QVERIFY2(sendNoise(bench.pty, seed + 100), qPrintable(bench.pty.error()));
    QVERIFY(bench.pty.write(bytes("42")));
    QTRY_COMPARE_WITH_TIMEOUT(bench.sentSoFar(), bytes("4288"), Bound);

    QVERIFY(bench.lights.sendTable(0, QStringLiteral("3")));
    QTRY_COMPARE_WITH_TIMEOUT(bench.sentSoFar(), bytes("428802"), Bound);
    QVERIFY(bench.pty.write(bytes("02")));
    QTRY_COMPARE_WITH_TIMEOUT(bench.sentSoFar(), bytes("42880288"), Bound);
}

QTEST_GUILESS_MAIN(DevicesTest)
#include "test_devices.moc"
