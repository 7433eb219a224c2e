#include "core/devices/CardReader.h"
#include "core/devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A reader in use on the port at `path`, after one changed parameter row.
bool setUp(HallFixture& hall, const QString& path, const QString& row = {}, const QString& value = {})
{
    const QString update = QStringLiteral("update stcs set valuenr=? where lx='dkq' and sm=?");
    return hall.hall.exec(update, {QStringLiteral("1"), QStringLiteral("串口读卡器使用标记")}) &&
           hall.hall.exec(update, {path, QStringLiteral("读卡器串口号设置")}) &&
           (row.isEmpty() || hall.hall.exec(update, {value, row}));
}

} // namespace

class CardReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void staysClosed_data();
    void staysClosed();
    void swipes_data();
    void swipes();
    void lostPortIsToldOnceAndReopened();
};

void CardReaderTest::staysClosed_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    QTest::newRow("not in use") << QStringLiteral("串口读卡器使用标记") << QStringLiteral("0");
    QTest::newRow("in-use flag not a number") << QStringLiteral("串口读卡器使用标记") << QStringLiteral("yes");
    QTest::newRow("missing device") << QStringLiteral("读卡器串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("bad settings text") << "读卡器传输速率"
                                       << "1200;n;8;1";
}

void CardReaderTest::staysClosed()
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
void CardReaderTest::swipes_data()
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

void CardReaderTest::swipes()
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
void CardReaderTest::lostPortIsToldOnceAndReopened()
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

QTEST_GUILESS_MAIN(CardReaderTest)
#include "test_cardreader.moc"
