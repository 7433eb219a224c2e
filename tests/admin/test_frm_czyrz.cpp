#include "admin/Frm_czyrz.h"
#include "admin/OperatorLogList.h"
#include "base/Sql.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

namespace {

const QString Caption = QStringLiteral("操作员日志");

} // namespace

using Tags = QList<int>;

class TestFrmCzyrz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shownTime_data();
    void shownTime();
    void logsItsOwnOpeningAndClosing();
    void find_data();
    void find();
    void deleteKeepsOpenEntries();

private:
    void addEntry(double tag, const QString& name, const QString& screen, const QString& start, const QVariant& end);
    void trigger(const char* key);
    QStringList column(int index);
    Tags tagsShown();
    template <typename T>
    T* control(const char* name)
    {
        T* found = m_screen->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Frm_czyrz> m_screen;
};

void TestFrmCzyrz::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>(QDateTime(QDate(2026, 12, 8), QTime(15, 30)));
    m_messages = std::make_unique<MessageRecorder>();
    m_hall->loginAs(QStringLiteral("system"));

    addEntry(0, QStringLiteral("system"), QStringLiteral("会员管理"), QStringLiteral("2026-12-01 10:00:00"),
             QStringLiteral("2026-12-01 10:20:00"));
    addEntry(1, QStringLiteral("system "), QStringLiteral("商品进货"), QStringLiteral("2026-12-05 23:59:59"),
             QStringLiteral("2026-12-06 00:10:00"));
    addEntry(2, QStringLiteral("张三"), QStringLiteral("台号定义"), QStringLiteral("2026-12-06 00:00:00"),
             QStringLiteral("2026-12-06 09:00:00"));
    addEntry(3, QStringLiteral("System"), QStringLiteral("会员管理"), QStringLiteral("2026-12-07 20:15:00"),
             QStringLiteral("2026-12-07 21:00:00"));
    addEntry(4, QStringLiteral("张三"), QStringLiteral("会员管理"), QStringLiteral("2026-12-08 08:00:00"), QVariant());
}

void TestFrmCzyrz::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestFrmCzyrz::addEntry(double tag, const QString& name, const QString& screen, const QString& start,
                            const QVariant& end)
{
    QVERIFY2(m_hall->exec(QStringLiteral("insert into czyrzh (tag, czyname, czyxm, init_time, last_time) "
                                         "values (?, ?, ?, ?, ?)"),
                          {tag, name, screen, start, end}),
             qPrintable(m_hall->error()));
}

void TestFrmCzyrz::trigger(const char* key)
{
    control<QAction>(key)->trigger();
}

QStringList TestFrmCzyrz::column(int index)
{
    auto* grid = control<QTableWidget>("MSGrid");
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells.append(grid->item(row, index)->text());
    return cells;
}

Tags TestFrmCzyrz::tagsShown()
{
    Tags tags;
    for (const QString& cell : column(0))
        tags.append(cell.toInt());
    return tags;
}

void TestFrmCzyrz::shownTime_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("evening") << "2026-12-06 20:05:03"
                             << "2026-12-06 08:05:03 PM";
    QTest::newRow("morning") << "2026-12-06 09:00:00"
                             << "2026-12-06 09:00:00 AM";
    QTest::newRow("midnight") << "2026-12-06 00:30:00"
                              << "2026-12-06 12:30:00 AM";
    QTest::newRow("noon") << "2026-12-06 12:00:00"
                          << "2026-12-06 12:00:00 PM";
    QTest::newRow("not a moment") << "gestern"
                                  << "gestern";
}

void TestFrmCzyrz::shownTime()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(OperatorLogList::shownTime(stored), shown);
}

void TestFrmCzyrz::logsItsOwnOpeningAndClosing()
{
    m_screen = std::make_unique<Frm_czyrz>(m_hall->state);
    m_screen->show();
    QCOMPARE(m_screen->windowTitle(), Caption);
    const QString openOwn = QStringLiteral("select count(*) from czyrzh where czyname = ? and czyxm = ? "
                                           "and init_time = '2026-12-08 15:30:00' and last_time is null");
    QCOMPARE(Sql::scalar(m_hall->db(), openOwn, {QStringLiteral("system"), Caption}).toInt(), 1);
    // Only closed entries are listed, the viewer's own among the open ones.
    QCOMPARE(tagsShown(), (Tags{0, 1, 2, 3}));
    QCOMPARE(column(3).at(3), QStringLiteral("2026-12-07 08:15:00 PM"));
    QCOMPARE(column(4).at(3), QStringLiteral("2026-12-07 09:00:00 PM"));

    m_clock->advanceMinutes(10);
    trigger("exit");

    QVERIFY(!m_screen->isVisible());
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select last_time from czyrzh where czyname = ? and czyxm = ?"),
                         {QStringLiteral("system"), Caption})
                 .toString(),
             QStringLiteral("2026-12-08 15:40:00"));
}

void TestFrmCzyrz::find_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Tags>("tags");
    QTest::newRow("everything") << "" << QDate() << Tags{0, 1, 2, 3};
    QTest::newRow("exact name") << "system" << QDate() << Tags{0};
    QTest::newRow("trailing blank is part of the name") << "system " << QDate() << Tags{1};
    QTest::newRow("no wildcard") << "sys" << QDate() << Tags{};
    QTest::newRow("from a day, starting at midnight") << "" << QDate(2026, 12, 6) << Tags{2, 3};
    QTest::newRow("name and day") << "张三" << QDate(2026, 12, 6) << Tags{2};
    QTest::newRow("name and later day") << "张三" << QDate(2026, 12, 7) << Tags{};
}

void TestFrmCzyrz::find()
{
    QFETCH(QString, name);
    QFETCH(QDate, from);
    QFETCH(Tags, tags);
    m_screen = std::make_unique<Frm_czyrz>(m_hall->state);

    control<QLineEdit>("txtname")->setText(name);
    control<QCheckBox>("Checkkssj")->setChecked(from.isValid());
    if (from.isValid())
        control<QDateEdit>("txtkssj")->setDate(from);
    trigger("find");

    QCOMPARE(tagsShown(), tags);
}

void TestFrmCzyrz::deleteKeepsOpenEntries()
{
    m_screen = std::make_unique<Frm_czyrz>(m_hall->state);
    trigger("delete");

    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().text, QStringLiteral("确认删除所有日志吗?"));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Question);
    QCOMPARE(control<QTableWidget>("MSGrid")->rowCount(), 0);
    QSqlQuery query(m_hall->db());
    QVERIFY(Sql::exec(query, QStringLiteral("select czyname, czyxm from czyrzh order by tag")));
    QStringList left;
    while (query.next())
        left.append(query.value(0).toString() + QLatin1Char('/') + query.value(1).toString());
    QCOMPARE(left, (QStringList{QStringLiteral("张三/会员管理"), QStringLiteral("system/") + Caption}));
}

QTEST_MAIN(TestFrmCzyrz)
#include "test_frm_czyrz.moc"
