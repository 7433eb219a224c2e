#include "admin/Frm_pathset.h"
#include "base/Database.h"
#include "base/SettingsStore.h"
#include "support/HallFixture.h"

#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestFrmPathset : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storesOnlyADatabase_data();
    void storesOnlyADatabase();
    void cancelEndsTheProgram();
};

void TestFrmPathset::storesOnlyADatabase_data()
{
    QTest::addColumn<bool>("database");
    QTest::newRow("a database") << true;
    QTest::newRow("any other file") << false;
}

// The choice is used at the next start: a file that would not open there
// must not be stored.
void TestFrmPathset::storesOnlyADatabase()
{
    QFETCH(bool, database);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("hall.mdb"));
    QSqlDatabase db;
    if (database) {
        QVERIFY(Database::create(name, QStringLiteral("make"), &db));
        db = QSqlDatabase();
        Database::close(QStringLiteral("make"));
    } else {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("these are not tables") > 0);
    }
    QSettings file(dir.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    SettingsStore settings(&file);
    MessageRecorder messages;
    Frm_pathset screen(settings);
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    screen.chooseFile(name);
    QCOMPARE(ended.count(), database ? 1 : 0);
    QCOMPARE(settings.path(), database ? dir.path() + QLatin1Char('/') : QString());
    QCOMPARE(settings.data(), database ? QStringLiteral("hall.mdb") : QString());
    QCOMPARE(messages.count(), database ? 0 : 1);
}

void TestFrmPathset::cancelEndsTheProgram()
{
    QTemporaryDir dir;
    QSettings file(dir.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    SettingsStore settings(&file);
    Frm_pathset screen(settings);
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    screen.show();
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("cmdCancel")), Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!screen.isVisible());
}

QTEST_MAIN(TestFrmPathset)
#include "test_frm_pathset.moc"
