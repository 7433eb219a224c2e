#include "admin/Frm_pathset.h"
#include "admin/Modulback.h"
#include "base/SettingsStore.h"
#include "support/HallFixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class TestFrmPathset : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switching_data();
    void switching();
    void cancelEndsTheProgram();
};

void TestFrmPathset::switching_data()
{
    QTest::addColumn<bool>("database"); // else any other file
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("said"); // part of the last message
    QTest::addColumn<bool>("stored");
    const QString question = QStringLiteral("/hall.mdb\n最后一笔结账在 2026-12-05");
    QTest::newRow("not a database") << false << "1234" << true << "不是 Tavoro 数据库" << false;
    QTest::newRow("wrong password") << true << "4321" << true << "系统操作员口令不正确" << false;
    QTest::newRow("right password, no") << true << " 1234" << false << question << false;
    QTest::newRow("right password, yes") << true << "1234" << true << question << true;
}

// Choosing an old backup rolls every balance back at the next start: only
// the system operator may do it, after seeing how old the file is, and the
// file itself is only read.
void TestFrmPathset::switching()
{
    QFETCH(bool, database);
    QFETCH(QString, password);
    QFETCH(bool, yes);
    QFETCH(QString, said);
    QFETCH(bool, stored);
    HallFixture f;
    const QString name = f.hall.folder() + QStringLiteral("/hall.mdb");
    if (database) {
        QVERIFY(f.hall.exec(QStringLiteral("insert into waimxd (zhao, rc, jsrc) values (1, '2026-12-05', "
                                           "'2026-12-05 23:10:00'), (2, '2026-12-06', null)")));
        QVERIFY(Modulback::backup(f.hall.db(), name));
    } else {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("these are not tables") > 0);
    }
    const auto contents = [&name] {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = contents();
    QSettings file(f.hall.folder() + QStringLiteral("/Tavoro.conf"), QSettings::IniFormat);
    SettingsStore settings(&file);
    Frm_pathset screen(settings, f.hall.db());
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    QTest::keyClicks(control<QLineEdit>(&screen, QStringLiteral("TxtPassword")), password);
    f.messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    screen.chooseFile(name);

    QVERIFY2(f.messages.count() > 0 && f.messages.last().text.contains(said),
             qPrintable(f.messages.texts().join(QLatin1Char('|'))));
    QCOMPARE(ended.count(), stored ? 1 : 0);
    QCOMPARE(settings.path(), stored ? f.hall.folder() + QLatin1Char('/') : QString());
    QCOMPARE(settings.data(), stored ? QStringLiteral("hall.mdb") : QString());
    QCOMPARE(contents(), before);
}

void TestFrmPathset::cancelEndsTheProgram()
{
    HallFixture f;
    QSettings file(f.hall.folder() + QStringLiteral("/Tavoro.conf"), QSettings::IniFormat);
    SettingsStore settings(&file);
    Frm_pathset screen(settings, f.hall.db());
    QSignalSpy ended(&screen, &Frm_pathset::endProgram);
    screen.show();
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("cmdCancel")), Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!screen.isVisible());
}

QTEST_MAIN(TestFrmPathset)
#include "test_frm_pathset.moc"
