#include "support/HallFixture.h"
#include "ui/admin/OperatorLogScreen.h"
#include "ui/admin/OperatorRightsScreen.h"
#include "ui/admin/PasswordChangeDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> openScreen(const QString& screen, AppState& state)
{
    if (screen == QLatin1String("OperatorRightsScreen"))
        return std::make_unique<OperatorRightsScreen>(state);
    if (screen == QLatin1String("OperatorLogScreen"))
        return std::make_unique<OperatorLogScreen>(state);
    return std::make_unique<PasswordChangeDialog>(state);
}

} // namespace

// The operator log: every screen that keeps an entry writes it on opening and
// closes it once on closing, a failure of either shown to the operator; the
// log's own screen finds the closed entries and deletes them.
class TestOperatorLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenOnOpenClosedOnce_data();
    void writtenOnOpenClosedOnce();
    void closingFailureIsShown();
    void cleanup() { m_f.reset(); }
    void find_data();
    void find();
    void deleteKeepsOpenEntries();

private:
    // A hall whose log holds closed entries of two operators on three
    // counters and one open entry.
    bool addLog();

    std::unique_ptr<HallFixture> m_f;
};

void TestOperatorLog::writtenOnOpenClosedOnce_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("entry");
    QTest::newRow("rights") << "OperatorRightsScreen" << QStringLiteral("操作员权限设置");
    QTest::newRow("log viewer") << "OperatorLogScreen" << QStringLiteral("操作员日志");
    QTest::newRow("password change") << "PasswordChangeDialog" << QStringLiteral("操作员口令变更");
}

void TestOperatorLog::writtenOnOpenClosedOnce()
{
    QFETCH(QString, screen);
    QFETCH(QString, entry);
    HallFixture f(today("09:30:00"));
    f.hall.state.CounterName = QStringLiteral("二号吧台");
    std::unique_ptr<QDialog> dialog = openScreen(screen, f.hall.state);
    dialog->show();
    const QString rows = QStringLiteral(
        "select czyname, czyxm, init_time, coalesce(last_time, 'open'), zdname from czyrzh order by tag");
    QCOMPARE(f.hall.rows(rows),
             QStringList{QStringLiteral("system|") + entry + QStringLiteral("|2026-12-06 09:30:00|open|二号吧台")});

    f.clock.set(today("09:45:00"));
    dialog->reject();
    f.clock.set(today("09:50:00"));
    dialog.reset();
    QCOMPARE(f.hall.rows(rows), QStringList{QStringLiteral("system|") + entry +
                                            QStringLiteral("|2026-12-06 09:30:00|2026-12-06 09:45:00|二号吧台")});
    QCOMPARE(f.messages.count(), 0);
}

// The entry is closed from the destructor too, where a failure is easily lost.
void TestOperatorLog::closingFailureIsShown()
{
    HallFixture f;
    QVERIFY(f.hall.refuse(QStringLiteral("refuse"), QStringLiteral("before update on czyrzh"),
                          QStringLiteral("log refused")));
    OperatorLogScreen screen(f.hall.state);
    screen.reject();
    QCOMPARE(f.messages.count(), 1);
    QVERIFY2(f.messages.last().text.contains(QStringLiteral("log refused")), qPrintable(f.messages.last().text));
}

bool TestOperatorLog::addLog()
{
    m_f = std::make_unique<HallFixture>();
    m_f->hall.state.CounterName = QStringLiteral("二楼");
    // Row 0 is from before counters had names.
    return m_f->hall.exec(
        QStringLiteral("insert into czyrzh (tag, czyname, czyxm, init_time, last_time, zdname) values "
                       "(0, 'system', '会员管理', '2026-12-01 10:00:00', '2026-12-01 10:20:00', null), "
                       "(1, 'system ', '商品进货', '2026-12-05 23:59:59', '2026-12-06 00:10:00', '前台'), "
                       "(2, '张三', '台号定义', '2026-12-06 00:00:00', '2026-12-06 09:00:00', '二楼'), "
                       "(3, 'System', '会员管理', '2026-12-07 20:15:00', '2026-12-07 21:00:00', '前台'), "
                       "(4, '张三', '会员管理', '2026-12-08 08:00:00', null, '二楼')"));
}

void TestOperatorLog::find_data()
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

void TestOperatorLog::find()
{
    QFETCH(QString, name);
    QFETCH(QDate, from);
    QVERIFY(addLog());
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
    QTEST(shown.join(QLatin1Char(',')), "tags");
}

void TestOperatorLog::deleteKeepsOpenEntries()
{
    QVERIFY(addLog());
    OperatorLogScreen screen(m_f->hall.state);
    control<QAction>(&screen, QStringLiteral("delete"))->trigger();
    QCOMPARE(m_f->messages.texts(), QStringList{QStringLiteral("确认删除所有日志吗?")});
    QCOMPARE(control<QTableWidget>(&screen, QStringLiteral("MSGrid"))->rowCount(), 0);
    QCOMPARE(m_f->hall.rows(QStringLiteral("select czyname || '/' || czyxm || '/' || zdname from czyrzh order by tag")),
             (QStringList{QStringLiteral("张三/会员管理/二楼"), QStringLiteral("system/操作员日志/二楼")}));
}

QTEST_MAIN(TestOperatorLog)
#include "test_operator_log.moc"
