#include "devices/SerialSettings.h"

#include <QTest>

class SerialSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void portPath_data();
    void portPath();
    void parseLine_data();
    void parseLine();
    void refusedValueKeepsSetting();
};

void SerialSettingsTest::portPath_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("path");

    QTest::newRow("COM1") << QStringLiteral("1") << QStringLiteral("/dev/ttyS0");
    QTest::newRow("COM2 with blanks") << QStringLiteral(" 2 ") << QStringLiteral("/dev/ttyS1");
    QTest::newRow("COM10") << QStringLiteral("10") << QStringLiteral("/dev/ttyS9");
    QTest::newRow("device path") << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("pseudo-terminal") << QStringLiteral("/dev/pts/7") << QStringLiteral("/dev/pts/7");
    QTest::newRow("zero") << QStringLiteral("0") << QString();
    QTest::newRow("negative") << QStringLiteral("-1") << QString();
    QTest::newRow("word") << QStringLiteral("COM1") << QString();
    QTest::newRow("relative path") << QStringLiteral("dev/ttyS0") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void SerialSettingsTest::portPath()
{
    QFETCH(QString, value);
    QFETCH(QString, path);
    QCOMPARE(SerialSettings::portPath(value).value_or(QString()), path);
}

void SerialSettingsTest::parseLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("stopBits");

    QTest::newRow("shipped") << QStringLiteral("1200,n,8,1") << true << 1200 << int(QSerialPort::NoParity)
                             << int(QSerialPort::Data8) << int(QSerialPort::OneStop);
    QTest::newRow("upper case, blanks") << QStringLiteral(" 9600, E ,7,2") << true << 9600
                                        << int(QSerialPort::EvenParity) << int(QSerialPort::Data7)
                                        << int(QSerialPort::TwoStop);
    QTest::newRow("odd, one and a half") << QStringLiteral("4800,o,5,1.5") << true << 4800
                                         << int(QSerialPort::OddParity) << int(QSerialPort::Data5)
                                         << int(QSerialPort::OneAndHalfStop);
    QTest::newRow("mark") << QStringLiteral("2400,m,8,1") << true << 2400 << int(QSerialPort::MarkParity)
                          << int(QSerialPort::Data8) << int(QSerialPort::OneStop);
    QTest::newRow("unknown parity") << QStringLiteral("1200,x,8,1") << false << 0 << 0 << 0 << 0;
    QTest::newRow("nine data bits") << QStringLiteral("1200,n,9,1") << false << 0 << 0 << 0 << 0;
    QTest::newRow("three stop bits") << QStringLiteral("1200,n,8,3") << false << 0 << 0 << 0 << 0;
    QTest::newRow("speed missing") << QStringLiteral("n,8,1") << false << 0 << 0 << 0 << 0;
    QTest::newRow("speed not a number") << QStringLiteral("fast,n,8,1") << false << 0 << 0 << 0 << 0;
    QTest::newRow("zero speed") << QStringLiteral("0,n,8,1") << false << 0 << 0 << 0 << 0;
    QTest::newRow("extra field") << QStringLiteral("1200,n,8,1,1") << false << 0 << 0 << 0 << 0;
    QTest::newRow("empty") << QString() << false << 0 << 0 << 0 << 0;
}

void SerialSettingsTest::parseLine()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto line = SerialSettings::parseLine(text);
    QCOMPARE(line.has_value(), valid);
    if (!valid)
        return;
    QTEST(int(line->baudRate), "baud");
    QTEST(int(line->parity), "parity");
    QTEST(int(line->dataBits), "dataBits");
    QTEST(int(line->stopBits), "stopBits");
}

void SerialSettingsTest::refusedValueKeepsSetting()
{
    SerialSettings settings;
    QVERIFY(settings.setPort(QStringLiteral("串口号设置"), QStringLiteral("2")).ok());
    const Result refused = settings.setPort(QStringLiteral("串口号设置"), QStringLiteral("abc"));
    QVERIFY(!refused.ok());
    QVERIFY(refused.message().contains(QStringLiteral("串口号设置")));
    QCOMPARE(settings.portName(), QStringLiteral("/dev/ttyS1"));
}

QTEST_GUILESS_MAIN(SerialSettingsTest)
#include "test_serialsettings.moc"
