#include "base/Database.h"
#include "admin/Frm_pathset.h"
#include "base/SettingsStore.h"
#include "support/MessageRecorder.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestFrmPathset : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void choosingADatabaseStoresItAndEnds();
    void choosingAnythingElseStoresNothing();
    void closeAndCancel();

private:
    QTemporaryDir* m_dir = nullptr;
    QSettings* m_file = nullptr;
    SettingsStore* m_settings = nullptr;
};

void TestFrmPathset::init()
{
    m_dir = new QTemporaryDir;
    m_file = new QSettings(m_dir->filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    m_settings = new SettingsStore(m_file);
}

void TestFrmPathset::cleanup()
{
    delete m_settings;
    delete m_file;
    delete m_dir;
}

void TestFrmPathset::choosingADatabaseStoresItAndEnds()
{
    const QString name = m_dir->filePath(QStringLiteral("hall.mdb"));
    {
        QSqlDatabase db;
        QVERIFY(Database::create(name, QStringLiteral("make"), &db));
        db = QSqlDatabase();
        Database::close(QStringLiteral("make"));
    }
    MessageRecorder messages;
    Frm_pathset screen(*m_settings);
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    screen.chooseFile(name);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(screen.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), name);
    QCOMPARE(m_settings->path(), m_dir->path() + QLatin1Char('/'));
    QCOMPARE(m_settings->data(), QStringLiteral("hall.mdb"));
}

void TestFrmPathset::choosingAnythingElseStoresNothing()
{
    const QString name = m_dir->filePath(QStringLiteral("notes.mdb"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("these are not tables");
    file.close();

    MessageRecorder messages;
    Frm_pathset screen(*m_settings);
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    screen.chooseFile(name);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.last().text.contains(name));
    QCOMPARE(m_settings->path(), QString());
    QCOMPARE(m_settings->data(), QString());
}

void TestFrmPathset::closeAndCancel()
{
    Frm_pathset screen(*m_settings);
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    QCOMPARE(ended.count(), 0);
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    QCOMPARE(ended.count(), 1);
}

QTEST_MAIN(TestFrmPathset)
#include "test_frm_pathset.moc"
