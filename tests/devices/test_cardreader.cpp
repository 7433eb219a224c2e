#include "devices/CardReader.h"
#include "devices/PseudoTerminal.h"
#include "support/TestHall.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class CardReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void appendReceived_data();
    void appendReceived();

    void notInUseNeverOpens_data();
    void notInUseNeverOpens();
    void unusablePortLeavesItClosed_data();
    void unusablePortLeavesItClosed();
    void swipeArrivesAsText();
    void characterSplitOverPiecesArrivesWhole();

private:
    TestHall& hall();
    bool setReaderRow(const QString& row, const QString& value);
    bool useReaderOnPty();
    QString receivedSoFar(const QSignalSpy& spy) const;

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<PseudoTerminal> m_pty;
    std::unique_ptr<CardReader> m_reader;
};

void CardReaderTest::init()
{
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY2(m_pty->isValid(), qPrintable(m_pty->error()));
    m_reader = std::make_unique<CardReader>();
}

// Made on first use: the shipped rows take a while, and the byte rules need none.
TestHall& CardReaderTest::hall()
{
    if (!m_hall) {
        m_hall = std::make_unique<TestHall>();
        if (!m_hall->isValid() || !m_hall->addShippedRows())
            qFatal("test hall: %s", qPrintable(m_hall->error()));
    }
    return *m_hall;
}

void CardReaderTest::cleanup()
{
    m_reader.reset();
    m_pty.reset();
    m_hall.reset();
}

bool CardReaderTest::setReaderRow(const QString& row, const QString& value)
{
    return hall().exec(QStringLiteral("update stcs set valuenr=? where lx=? and sm=?"),
                       {value, QStringLiteral("dkq"), row});
}

bool CardReaderTest::useReaderOnPty()
{
    return setReaderRow(QStringLiteral("串口读卡器使用标记"), QStringLiteral("1")) &&
           setReaderRow(QStringLiteral("读卡器串口号设置"), m_pty->path());
}

QString CardReaderTest::receivedSoFar(const QSignalSpy& spy) const
{
    QString text;
    for (const QList<QVariant>& arguments : spy)
        text += arguments.at(0).toString();
    return text;
}

void CardReaderTest::appendReceived_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("received");
    QTest::addColumn<int>("cardLength");
    QTest::addColumn<QString>("result");

    QTest::newRow("long swipe into empty box")
        << QString() << QStringLiteral("1234567890") << 8 << QStringLiteral("12345678");
    QTest::newRow("swipe into full box") << QStringLiteral("12345678") << QStringLiteral("99999999") << 8
                                         << QStringLiteral("12345678");
    QTest::newRow("pieces assemble") << QStringLiteral("1234") << QStringLiteral("5678") << 8
                                     << QStringLiteral("12345678");
    QTest::newRow("short card") << QString() << QStringLiteral("A001") << 10 << QStringLiteral("A001");
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

void CardReaderTest::notInUseNeverOpens_data()
{
    QTest::addColumn<QString>("inUse");

    QTest::newRow("0") << QStringLiteral("0");
    QTest::newRow("false") << QStringLiteral("False");
}

void CardReaderTest::notInUseNeverOpens()
{
    QFETCH(QString, inUse);
    QVERIFY(useReaderOnPty());
    QVERIFY(setReaderRow(QStringLiteral("串口读卡器使用标记"), inUse));
    QVERIFY(!m_reader->stardkqset(hall().db()));
    QVERIFY(!m_reader->isOpen());
}

void CardReaderTest::unusablePortLeavesItClosed_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");

    QTest::newRow("in-use flag not a number") << QStringLiteral("串口读卡器使用标记") << QStringLiteral("yes");
    QTest::newRow("missing device") << QStringLiteral("读卡器串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("bad settings text") << QStringLiteral("读卡器传输速率") << QStringLiteral("1200;n;8;1");
}

void CardReaderTest::unusablePortLeavesItClosed()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    QVERIFY(useReaderOnPty());
    QVERIFY(setReaderRow(row, value));
    QVERIFY(!m_reader->stardkqset(hall().db()));
    QVERIFY(!m_reader->isOpen());
    QVERIFY(!m_reader->lastError().isEmpty());
}

void CardReaderTest::swipeArrivesAsText()
{
    QVERIFY(useReaderOnPty());
    QVERIFY2(m_reader->stardkqset(hall().db()), qPrintable(m_reader->lastError()));
    QVERIFY(m_reader->isOpen());
    QSignalSpy spy(m_reader.get(), &CardReader::received);
    // The shipped buffer of 5 bytes may hand the card over in pieces.
    QVERIFY(m_pty->write(QByteArrayLiteral("0012345678")));
    QTRY_COMPARE(receivedSoFar(spy), QStringLiteral("0012345678"));
}

void CardReaderTest::characterSplitOverPiecesArrivesWhole()
{
    QVERIFY(useReaderOnPty());
    // A buffer of one byte hands every byte over on its own.
    QVERIFY(setReaderRow(QStringLiteral("读卡器输入缓冲区大小"), QStringLiteral("1")));
    QVERIFY2(m_reader->stardkqset(hall().db()), qPrintable(m_reader->lastError()));
    QSignalSpy spy(m_reader.get(), &CardReader::received);
    QVERIFY(m_pty->write(QStringLiteral("台7").toUtf8()));
    QTRY_COMPARE(receivedSoFar(spy), QStringLiteral("台7"));
}

QTEST_GUILESS_MAIN(CardReaderTest)
#include "test_cardreader.moc"
