#include "support/HallFixture.h"
#include "ui/admin/OperatorLogScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

class TestFrmCzyrz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void find_data();
    void find();
    void deleteKeepsOpenEntries();

private:
    std::unique_ptr<HallFixture> m_f;
};

void TestFrmCzyrz::init()
{
    m_f.reset(); // its message recorder must be gone before the next one is installed
    m_f = std::make_unique<HallFixture>();
    // Row 0 is from before counters had names.
    QVERIFY(m_f->hall.exec(
        QStringLiteral("insert into czyrzh (tag, czyname, czyxm, init_time, last_time, zdname) values "
                       "(0, 'system', '会员管理', '2026-12-01 10:00:00', '2026-12-01 10:20:00', null), "
                       "(1, 'system ', '商品进货', '2026-12-05 23:59:59', '2026-12-06 00:10:00', '前台'), "
                       "(2, '张三', '台号定义', '2026-12-06 00:00:00', '2026-12-06 09:00:00', '二楼'), "
                       "(3, 'System', '会员管理', '2026-12-07 20:15:00', '2026-12-07 21:00:00', '前台'), "
                       "(4, '张三', '会员管理', '2026-12-08 08:00:00', null, '二楼')")));
    m_f->hall.state.CounterName = QStringLiteral("二楼");
}

void TestFrmCzyrz::find_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("tags");
    // Only closed entries are listed: neither 4 nor the viewer's own. Each
    // tag is followed by its counter.
    QTest::newRow("everything") << "" << QDate() << "0,1前台,2二楼,3前台";
    QTest::newRow("trailing blank is part of the name") << "system " << QDate() << "1前台";
    QTest::newRow("from a day, starting at midnight") << "" << QDate(2026, 12, 6) << "2二楼,3前台";
}

void TestFrmCzyrz::find()
{
    QFETCH(QString, name);
    QFETCH(QDate, from);
    QFETCH(QString, tags);
    OperatorLogScreen screen(m_f->hall.state);
    control<QLineEdit>(&screen, QStringLiteral("nameEdit"))->setText(name);
    control<QCheckBox>(&screen, QStringLiteral("fromDateCheck"))->setChecked(from.isValid());
    if (from.isValid())
        control<QDateEdit>(&screen, QStringLiteral("fromDateEdit"))->setDate(from);
    control<QAction>(&screen, QStringLiteral("find"))->trigger();

    auto* grid = control<QTableWidget>(&screen, QStringLiteral("MSGrid"));
    QStringList shown;
    for (int row = 0; row < grid->rowCount(); ++row)
        shown.append(grid->item(row, 0)->text() + grid->item(row, 5)->text());
    QCOMPARE(shown.join(QLatin1Char(',')), tags);
}

void TestFrmCzyrz::deleteKeepsOpenEntries()
{
    OperatorLogScreen screen(m_f->hall.state);
    control<QAction>(&screen, QStringLiteral("delete"))->trigger();
    QCOMPARE(m_f->messages.texts(), QStringList{QStringLiteral("确认删除所有日志吗?")});
    QCOMPARE(control<QTableWidget>(&screen, QStringLiteral("MSGrid"))->rowCount(), 0);
    QCOMPARE(m_f->hall.rows(QStringLiteral("select czyname || '/' || czyxm || '/' || zdname from czyrzh order by tag")),
             (QStringList{QStringLiteral("张三/会员管理/二楼"), QStringLiteral("system/操作员日志/二楼")}));
}

QTEST_MAIN(TestFrmCzyrz)
#include "test_operator_log_screen.moc"
