#include "devices/CardReader.h"
#include "devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A reader in use on a pseudo-terminal, after one changed parameter row.
bool setUp(HallFixture& hall, const PseudoTerminal& pty, const QString& row, const QString& value)
{
    const QString update = QStringLiteral("update stcs set valuenr=? where lx='dkq' and sm=?");
    return hall.hall.exec(update, {QStringLiteral("1"), QStringLiteral("串口读卡器使用标记")}) &&
           hall.hall.exec(update, {pty.path(), QStringLiteral("读卡器串口号设置")}) &&
           hall.hall.exec(update, {value, row});
}

} // namespace

class CardReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void appendReceived_data();
    void appendReceived();
    void staysClosed_data();
    void staysClosed();
    void swipeArrivesAsText_data();
    void swipeArrivesAsText();
};

void CardReaderTest::appendReceived_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("received");
    QTest::addColumn<int>("cardLength");
    QTest::addColumn<QString>("result");
    QTest::newRow("long swipe cut") << QString() << QStringLiteral("1234567890") << 8 << QStringLiteral("12345678");
    QTest::newRow("full box takes nothing")
        << QStringLiteral("12345678") << QStringLiteral("99999999") << 8 << QStringLiteral("12345678");
    QTest::newRow("pieces assemble") << QStringLiteral("1234") << QStringLiteral("5678") << 8
                                     << QStringLiteral("12345678");
    QTest::newRow("blanks trimmed") << QString() << QStringLiteral(" 1234 ") << 10 << QStringLiteral("1234");
    QTest::newRow("cut before trimming") << QString() << QStringLiteral("  12345678") << 8 << QStringLiteral("123456");
}

void CardReaderTest::appendReceived()
{
    QFETCH(QString, box);
    QFETCH(QString, received);
    QFETCH(int, cardLength);
    QTEST(CardReader::appendReceived(box, received, cardLength), "result");
}

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
    QVERIFY(setUp(hall, pty, row, value));
    QVERIFY(!reader.stardkqset(hall.hall.db()));
    QVERIFY(!reader.isOpen());
    QVERIFY(!reader.lastError().isEmpty());
}

void CardReaderTest::swipeArrivesAsText_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QString>("card");
    QTest::newRow("shipped buffer, card in pieces") << QStringLiteral("5") << QStringLiteral("0012345678");
    QTest::newRow("character split over pieces") << QStringLiteral("1") << QStringLiteral("台7");
}

void CardReaderTest::swipeArrivesAsText()
{
    QFETCH(QString, buffer);
    QFETCH(QString, card);
    HallFixture hall;
    PseudoTerminal pty;
    CardReader reader;
    QVERIFY(setUp(hall, pty, QStringLiteral("读卡器输入缓冲区大小"), buffer));
    QVERIFY2(reader.stardkqset(hall.hall.db()), qPrintable(reader.lastError()));
    QSignalSpy spy(&reader, &CardReader::received);
    QVERIFY(pty.write(card.toUtf8()));
    const auto received = [&spy] {
        QString text;
        for (const QList<QVariant>& arguments : spy)
            text += arguments.at(0).toString();
        return text;
    };
    QTRY_COMPARE(received(), card);
}

QTEST_GUILESS_MAIN(CardReaderTest)
#include "test_cardreader.moc"
