#include "core/admin/BackupCopies.h"
#include "core/base/SettingsStore.h"
#include "support/HallFixture.h"
#include "ui/admin/DatabaseFileDialog.h"

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
    void initTestCase();
    void switching_data();
    void switching();
    void closingReturnsToTheBoard();
};

void TestFrmPathset::initTestCase()
{
    if (TestHall::onServer())
        QSKIP("choosing another database file only concerns the file");
}

void TestFrmPathset::switching_data()
{
    QTest::addColumn<int>("chosen"); // 0: none chosen, 1: a database, 2: any other file
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("said"); // part of the last message
    QTest::addColumn<bool>("stored");
    const QString question = QStringLiteral("/hall.mdb\n最后一笔结账在 2026-12-05");
    QTest::newRow("nothing chosen") << 0 << "1234" << true << "还没有选择数据文件" << false;
    QTest::newRow("not a database") << 2 << "1234" << true << "不是 Tavoro 数据库" << false;
    QTest::newRow("wrong password") << 1 << "4321" << true << "系统操作员口令不正确" << false;
    QTest::newRow("right password, no") << 1 << " 1234" << false << question << false;
    QTest::newRow("right password, yes") << 1 << "1234" << true << question << true;
}

// Choosing an old backup rolls every balance back at the next start: only
// the system operator may do it, after seeing how old the file is, and the
// file itself is only read. The password is typed after the file is chosen
// and checked on "确定", as the operator does it.
void TestFrmPathset::switching()
{
    QFETCH(int, chosen);
    QFETCH(QString, password);
    QFETCH(bool, yes);
    QFETCH(QString, said);
    QFETCH(bool, stored);
    HallFixture f;
    const QString name = f.hall.folder() + QStringLiteral("/hall.mdb");
    if (chosen == 1) {
        QVERIFY(f.hall.exec(QStringLiteral("insert into waimxd (zhao, rc, jsrc) values (1, '2026-12-05', "
                                           "'2026-12-05 23:10:00'), (2, '2026-12-06', null)")));
        QVERIFY(BackupCopies::backup(f.hall.db(), name));
    } else {
        QFile other(name);
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("these are not tables") > 0);
    }
    const auto contents = [&name] {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = contents();
    QSettings file(f.hall.folder() + QStringLiteral("/Tavoro.conf"), QSettings::IniFormat);
    SettingsStore settings(&file);
    DatabaseFileDialog screen(settings, f.hall.db());
    QSignalSpy ended(&screen, &DatabaseFileDialog::endProgram);
    screen.show();
    if (chosen != 0)
        screen.chooseFile(name);
    QCOMPARE(f.messages.count(), 0);
    QTest::keyClicks(control<QLineEdit>(&screen, QStringLiteral("passwordEdit")), password);
    f.messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    QTest::keyClick(control<QLineEdit>(&screen, QStringLiteral("passwordEdit")), Qt::Key_Return);

    QVERIFY2(f.messages.count() > 0 && f.messages.last().text.contains(said),
             qPrintable(f.messages.texts().join(QLatin1Char('|'))));
    if (said.contains(QStringLiteral("最后一笔结账")))
        QCOMPARE(f.messages.last().defaultAnswer, std::optional(Messages::Answer::No));
    QCOMPARE(ended.count(), stored ? 1 : 0);
    QCOMPARE(screen.isVisible(), !stored);
    QCOMPARE(settings.path(), stored ? f.hall.folder() + QLatin1Char('/') : QString());
    QCOMPARE(settings.data(), stored ? QStringLiteral("hall.mdb") : QString());
    QCOMPARE(contents(), before);
}

// Reached from the board's menu: closing changes nothing and the board stays.
void TestFrmPathset::closingReturnsToTheBoard()
{
    HallFixture f;
    QSettings file(f.hall.folder() + QStringLiteral("/Tavoro.conf"), QSettings::IniFormat);
    SettingsStore settings(&file);
    DatabaseFileDialog screen(settings, f.hall.db());
    QSignalSpy ended(&screen, &DatabaseFileDialog::endProgram);
    screen.show();
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("cmdCancel")), Qt::LeftButton);
    QCOMPARE(ended.count(), 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
    QCOMPARE(settings.path(), QString());
}

QTEST_MAIN(TestFrmPathset)
#include "test_database_file_dialog.moc"
