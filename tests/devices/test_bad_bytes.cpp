#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"
#include "core/devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

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

bool setRows(HallFixture& hall, const QString& group, const QList<std::pair<QString, QString>>& rows)
{
    for (const auto& [name, value] : rows) {
        if (!hall.hall.exec(QStringLiteral("update stcs set valuenr=? where lx=? and sm=?"), {value, group, name}))
            return false;
    }
    return true;
}

} // namespace

class BadBytesTest : public QObject
{
    Q_OBJECT

private slots:
    void cardReader_data();
    void cardReader();
    void lightController_data();
    void lightController();
};

void BadBytesTest::cardReader_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("cardLength");
    for (const quint32 seed : {1u, 2u, 3u})
        for (const int cardLength : {0, 10})
            QTest::addRow("seed %u, card length %d", seed, cardLength) << seed << cardLength;
}

// What reaches the card box is a card number or nothing: never a control
// character, a byte of a broken character, or more than a card holds.
void BadBytesTest::cardReader()
{
    QFETCH(quint32, seed);
    QFETCH(int, cardLength);
    HallFixture hall;
    PseudoTerminal pty;
    CardReader reader;
    reader.setCardLength(cardLength);
    QVERIFY(setRows(hall, QStringLiteral("dkq"),
                    {{QStringLiteral("串口读卡器使用标记"), QStringLiteral("1")},
                     {QStringLiteral("读卡器串口号设置"), pty.path()}}));
    QVERIFY2(reader.openPort(hall.hall.db()), qPrintable(reader.lastError()));
    QSignalSpy swipes(&reader, &CardReader::swiped);

    QVERIFY2(sendNoise(pty, seed), qPrintable(pty.error()));
    QVERIFY(pty.write("\r8000000001\r"));
    QTRY_VERIFY_WITH_TIMEOUT(!swipes.isEmpty() && swipes.last().at(0).toString() == QLatin1String("8000000001"), Bound);

    const QRegularExpression card(QStringLiteral("^[A-Za-z0-9]{1,%1}$").arg(cardLength > 0 ? cardLength : 64));
    for (const QList<QVariant>& swipe : std::as_const(swipes))
        QVERIFY2(card.match(swipe.at(0).toString()).hasMatch(), qPrintable(swipe.at(0).toString()));
}

void BadBytesTest::lightController_data()
{
    QTest::addColumn<quint32>("seed");
    for (const quint32 seed : {1u, 2u, 3u})
        QTest::addRow("seed %u", seed) << seed;
}

// Noise while no command waits sends nothing; noise while one waits may at
// worst stand for its echo (one byte is all the controller says), and the
// next command still goes out and is confirmed.
void BadBytesTest::lightController()
{
    QFETCH(quint32, seed);
    HallFixture hall;
    PseudoTerminal pty;
    LightController lights;
    lights.setEchoTimeout(Bound);
    QVERIFY(setRows(hall, QStringLiteral("dk"), {{QStringLiteral("串口号设置"), pty.path()}}));
    QVERIFY2(lights.openPort(hall.hall.db()), qPrintable(lights.lastError()));
    QByteArray sent;

    QVERIFY2(sendNoise(pty, seed), qPrintable(pty.error()));
    QVERIFY(lights.sendTable(1, QStringLiteral("3")));
    QTRY_COMPARE_WITH_TIMEOUT(sent += pty.readAvailable(), QByteArray::fromHex("42"), Bound);
    QVERIFY2(sendNoise(pty, seed + 100), qPrintable(pty.error()));
    QVERIFY(pty.write(QByteArray::fromHex("42")));
    QTRY_COMPARE_WITH_TIMEOUT(sent += pty.readAvailable(), QByteArray::fromHex("4288"), Bound);

    QVERIFY(lights.sendTable(0, QStringLiteral("3")));
    QTRY_COMPARE_WITH_TIMEOUT(sent += pty.readAvailable(), QByteArray::fromHex("428802"), Bound);
    QVERIFY(pty.write(QByteArray::fromHex("02")));
    QTRY_COMPARE_WITH_TIMEOUT(sent += pty.readAvailable(), QByteArray::fromHex("42880288"), Bound);
}

QTEST_GUILESS_MAIN(BadBytesTest)
#include "test_bad_bytes.moc"
