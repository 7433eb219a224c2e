#include "core/devices/SerialSettings.h"

#include <QTest>

class SerialSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void portPath_data();
    void portPath();
    void parseLine_data();
    void parseLine();
};

void SerialSettingsTest::portPath_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("path");
    QTest::newRow("COM2 with blanks") << QStringLiteral(" 2 ") << QStringLiteral("/dev/ttyS1");
    QTest::newRow("device path") << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("zero") << QStringLiteral("0") << QString();
}

void SerialSettingsTest::portPath()
{
    QFETCH(QString, value);
    QTEST(SerialSettings::portPath(value).value_or(QString()), "path");
}

// The line as "speed parity data stop", with Qt's numbers for each.
void SerialSettingsTest::parseLine_data()
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

void SerialSettingsTest::parseLine()
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

QTEST_GUILESS_MAIN(SerialSettingsTest)
#include "test_serialsettings.moc"
