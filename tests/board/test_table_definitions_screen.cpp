#include "core/board/TableDefinitions.h"
#include "support/HallFixture.h"
#include "ui/board/TableDefinitionsScreen.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The table definitions: every pricing and opening rule reads these rows, so
// what may reach them, and what must not be lost, is checked here.
class TableDefinitionsScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void proposedNumber_data();
    void proposedNumber();
    void olderFileGainsColumns();
    void refusedRowIsNotSaved_data();
    void refusedRowIsNotSaved();
    void addedRowIsSavedOnlyOnSave();
    void tableInUseIsNotDeleted();
};

namespace {

// The boxes in the order of TableDefinitions::Columns.
QLineEdit* box(const TableDefinitionsScreen& screen, int i)
{
    static const char* const names[] = {"numberBox",      "nameBox",    "inUseBox", "depositBox",
                                        "billingUnitBox", "minimumBox", "cardBox"};
    return control<QLineEdit>(&screen, QLatin1String(names[i]));
}

void run(const TableDefinitionsScreen& screen, const char* key)
{
    control<QAction>(&screen, QLatin1String(key))->trigger();
}

// Moves the boxes to the row'th table of the list, as the move buttons do.
void goTo(const TableDefinitionsScreen& screen, int row)
{
    control<QPushButton>(&screen, QStringLiteral("CmdMove_0"))->click();
    for (int i = 0; i < row; ++i)
        control<QPushButton>(&screen, QStringLiteral("CmdMove_2"))->click();
}

} // namespace

void TableDefinitionsScreenTest::proposedNumber_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("one digit stays") << "9" << false << "9";
    QTest::newRow("nine becomes ten") << "19" << false << "110";
    QTest::newRow("last digit up") << "20" << false << "21";
    QTest::newRow("empty list") << "" << true << "1";
}

void TableDefinitionsScreenTest::proposedNumber()
{
    QFETCH(QString, current);
    QFETCH(bool, empty);
    QFETCH(QString, proposal);
    QCOMPARE(TableDefinitions::proposedNumber(current, empty), proposal);
}

void TableDefinitionsScreenTest::olderFileGainsColumns()
{
    HallFixture f;
    QVERIFY(f.ready() && f.hall.dropTable(QStringLiteral("zhdy")));
    QVERIFY(f.hall.exec(QStringLiteral("create table zhdy (zhao integer not null unique, mc text, "
                                       "sybj integer not null default 0, fwfl real default 0, tx real default 0)")));
    QVERIFY(f.hall.exec(QStringLiteral("insert into zhdy (zhao, mc) values (1, 'A'), (2, 'B')")));
    {
        const TableDefinitionsScreen screen(f.hall.state);
        QCOMPARE(f.messages.count(), 1);
        QCOMPARE(f.messages.last().icon, Messages::Icon::Exclamation);
        QCOMPARE(box(screen, 4)->text(), QStringLiteral("15"));
    }
    QCOMPARE(
        f.value(QStringLiteral("select count(*) from zhdy where zxjffz=15 and zdxffz=60 and ktkh is null")).toInt(), 2);
    const TableDefinitionsScreen again(f.hall.state);
    QCOMPARE(f.messages.count(), 1);
}

void TableDefinitionsScreenTest::refusedRowIsNotSaved_data()
{
    QTest::addColumn<int>("boxIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named"); // a word of the message; empty: the row is saved
    QTest::addColumn<bool>("open");     // the edited table has an open visit
    const auto row = [](const char* name, int box, const char* typed, const char* named, bool open = false) {
        QTest::newRow(name) << box << typed << named << open;
    };
    row("duplicate number", 0, "1", "不能重复");
    row("number with letters", 0, "2a", "整数");
    row("renumbering the table in use", 0, "7", "正在使用", true);
    row("billing unit not a number", 4, "abc", "最小计费分钟");
    row("negative minimum", 5, "-60", "最低消费分钟");
    row("deposit with exponent", 3, "1e3", "服务费率");
    row("member card as positioning card", 6, "8000000001", "会员卡号");
    row("positioning card of another table", 6, "K1", "1 号台");
    row("free table marked in use", 2, "1", "使用标记");
    row("table in use marked free", 2, "0", "使用标记", true);
    row("billing unit of a free table", 4, "30", "");
}

void TableDefinitionsScreenTest::refusedRowIsNotSaved()
{
    QFETCH(int, boxIndex);
    QFETCH(QString, typed);
    QFETCH(QString, named);
    QFETCH(bool, open);
    HallFixture f;
    QVERIFY(f.ready() && f.addTables(3));
    QVERIFY(f.addMember(QStringLiteral("8000000001"), QString(), QStringLiteral("金卡")));
    QVERIFY(f.hall.exec(QStringLiteral("update zhdy set ktkh='K1' where zhao=1")));
    const int edited = open ? 2 : 3;
    if (open)
        QVERIFY(f.openVisit(2, today("19:00:00")));
    const QString rows =
        QStringLiteral("select zhao, mc, sybj, fwfl, zxjffz, zdxffz, ktkh, tx from zhdy order by zhao");
    const QStringList before = f.hall.rows(rows);

    TableDefinitionsScreen screen(f.hall.state);
    goTo(screen, edited - 1);
    run(screen, "Edit");
    box(screen, boxIndex)->setText(typed);
    run(screen, "Save");
    if (named.isEmpty()) {
        QCOMPARE(f.messages.count(), 0);
        QCOMPARE(f.value(QStringLiteral("select zxjffz from zhdy where zhao=3")).toInt(), 30);
        QVERIFY(box(screen, 0)->isReadOnly());
        return;
    }
    QCOMPARE(f.messages.count(), 1);
    QVERIFY2(f.messages.last().text.contains(named), qPrintable(f.messages.last().text));
    QCOMPARE(f.hall.rows(rows), before);
    QVERIFY(!box(screen, boxIndex)->isReadOnly());
}

void TableDefinitionsScreenTest::addedRowIsSavedOnlyOnSave()
{
    HallFixture f;
    QVERIFY(f.ready() &&
            f.hall.exec(QStringLiteral("insert into zhdy (zhao, mc, zxjffz, zdxffz) values (19, '19号台', 15, 60)")));
    TableDefinitionsScreen screen(f.hall.state);
    run(screen, "Add");
    QCOMPARE(box(screen, 0)->text(), QStringLiteral("110"));
    run(screen, "Cancel");
    QCOMPARE(f.value(QStringLiteral("select count(*) from zhdy")).toInt(), 1);

    run(screen, "Add");
    box(screen, 1)->setFocus();
    QTest::keyClick(box(screen, 1), Qt::Key_Return);
    QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("名称不能为空")});
    box(screen, 1)->setText(QStringLiteral("斯诺克"));
    run(screen, "Save");
    QCOMPARE(f.value(QStringLiteral("select mc||zxjffz||zdxffz from zhdy where zhao=110")).toString(),
             QStringLiteral("斯诺克1560"));
    QCOMPARE(box(screen, 0)->text(), QStringLiteral("110"));
}

void TableDefinitionsScreenTest::tableInUseIsNotDeleted()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addTables(3));
    QVERIFY(f.openVisit(2, today("19:00:00")));
    TableDefinitionsScreen screen(f.hall.state);
    goTo(screen, 1);
    run(screen, "Dele");
    QVERIFY(f.messages.last().text.contains(QStringLiteral("正在使用")));
    QCOMPARE(f.value(QStringLiteral("select count(*) from zhdy where zhao=2")).toInt(), 1);

    goTo(screen, 2);
    run(screen, "Dele");
    QCOMPARE(f.hall.rows(QStringLiteral("select zhao from zhdy order by zhao")),
             (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(box(screen, 0)->text(), QStringLiteral("2"));
}

QTEST_MAIN(TableDefinitionsScreenTest)
#include "test_table_definitions_screen.moc"
