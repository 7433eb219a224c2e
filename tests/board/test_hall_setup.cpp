#include "app/BoardMenus.h"
#include "app/MainWindow.h"
#include "core/board/BoardDevices.h"
#include "core/board/TableDefinitions.h"
#include "core/devices/PseudoTerminal.h"
#include "support/HallFixture.h"
#include "ui/board/BoardScreen.h"
#include "ui/board/HallSetupWizard.h"
#include "ui/board/TableDefinitionsScreen.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTableView>
#include <QTest>

// The hall's tables, set up by the wizard for a new hall and edited one by one
// in the table definitions: every pricing and opening rule reads these rows,
// so what the set-up writes must price the first night right, and what either
// refuses or skips must leave the books as they were.
class HallSetupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstNightIsPricedBySetUp_data();
    void firstNightIsPricedBySetUp();
    void refusedStepWritesNothing_data();
    void refusedStepWritesNothing();
    void skippedStepsWriteNothing();
    void secondRunOnlyAddsTables();
    void offerIsMadeOnce_data();
    void offerIsMadeOnce();
    void devicesAreTriedOnTheSpot_data();
    void devicesAreTriedOnTheSpot();
    void proposedNumber_data();
    void proposedNumber();
    void olderFileGainsColumns();
    void refusedRowIsNotSaved_data();
    void refusedRowIsNotSaved();
    void addedRowIsSavedOnlyOnSave();
    void tableInUseIsNotDeleted();
};

namespace {

void type(const QWizard& wizard, const char* name, const QString& text)
{
    control<QLineEdit>(&wizard, QLatin1String(name))->setText(text);
}

// Leaves the page forward, writing it; the last page ends the set-up.
void save(HallSetupWizard& wizard)
{
    if (wizard.nextId() == -1)
        wizard.accept();
    else
        wizard.next();
}

void skipTo(HallSetupWizard& wizard, int page)
{
    wizard.restart();
    while (wizard.currentId() != page)
        wizard.skip();
}

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

void HallSetupTest::firstNightIsPricedBySetUp_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("charge");
    // Evening guests from 20:00 at 30 an hour, 15-minute units, 60 minutes at
    // least; past the 5 free minutes a unit more is billed, to the yuan.
    QTest::newRow("an hour and a half") << 90 << "45.0";
    QTest::newRow("short of the minimum") << 20 << "30.0";
    QTest::newRow("a unit more, to the yuan") << 67 << "38.0";
}

void HallSetupTest::firstNightIsPricedBySetUp()
{
    QFETCH(int, minutes);
    QFETCH(QString, charge);
    HallFixture f;
    QVERIFY(f.ready());
    BoardDevices devices(f.hall.state, true);
    BoardScreen board(f.hall.state, devices);
    new BoardMenus(f.hall.state, &board);
    {
        HallSetupWizard wizard(f.hall.state, &board);
        wizard.restart();
        const QString quoted = QStringLiteral("老王's \"星光\" 台球');--");
        type(wizard, "hallNameBox", quoted);
        save(wizard);
        QCOMPARE(control<QListWidget>(&wizard, QStringLiteral("tableNameList"))->count(), 6);
        control<QListWidget>(&wizard, QStringLiteral("tableNameList"))->item(5)->setText(QStringLiteral("斯诺克"));
        save(wizard);
        save(wizard);
        save(wizard);
        QCOMPARE(f.messages.texts(), QStringList());
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(f.value(QStringLiteral("select valuenr from stcs where sm='公司名称'")).toString(), quoted);
        QCOMPARE(f.hall.state.params.companyName, quoted);
    }
    QCOMPARE(f.hall.rows(QStringLiteral("select zhao, mc, zxjffz, zdxffz from zhdy order by zhao")),
             QStringLiteral("1|1号台|15|60 2|2号台|15|60 3|3号台|15|60 4|4号台|15|60 5|5号台|15|60 6|斯诺克|15|60")
                 .split(QLatin1Char(' ')));
    QCOMPARE(f.hall.rows(QStringLiteral("select kssj, jssj, hybz, fhybz from jfbz where zhao=6 order by id")),
             QStringLiteral("00:00:00|18:00:00|20.0|25.0 18:00:00|23:59:59|25.0|30.0").split(QLatin1Char(' ')));
    QCOMPARE(f.value(QStringLiteral("select count(*) from jfbz")).toInt(), 12);

    board.reloadTables();
    board.show();
    auto* grid = control<QTableView>(&board, QStringLiteral("boardGrid"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());
    control<QAction>(&board, QStringLiteral("menu_yygl_1"))->trigger();
    f.clock.advanceMinutes(minutes);
    control<QAction>(&board, QStringLiteral("print"))->setChecked(false);
    control<QAction>(&board, QStringLiteral("jz"))->trigger();
    QCOMPARE(f.hall.rows(QStringLiteral("select sum(je) from waimxd where zhao=1 and jsrc is not null")),
             QStringList{charge});
}

void HallSetupTest::refusedStepWritesNothing_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told"); // a word of the message
    const auto row = [](const char* name, int page, const char* box, const char* typed, const char* told) {
        QTest::newRow(name) << page << QString::fromLatin1(box) << QString::fromUtf8(typed) << QString::fromUtf8(told);
    };
    const int tables = HallSetupWizard::TablesPage;
    const int rates = HallSetupWizard::RatesPage;
    row("blank name", HallSetupWizard::NamePage, "hallNameBox", "   ", "名称");
    row("no tables", tables, "tableCountBox", "0", "台数");
    row("ten thousand tables", tables, "tableCountBox", "10000", "台数");
    row("tables in words", tables, "tableCountBox", "abc", "台数");
    row("negative unit", tables, "billingUnitBox", "-5", "最小计费分钟");
    row("rate in words", rates, "dayMemberBox", "abc", "会员价");
    row("negative rate", rates, "eveningGuestBox", "-5", "会员价");
    row("rate with exponent", rates, "dayGuestBox", "1e-50", "会员价");
    row("huge rate", rates, "eveningMemberBox", "99999999999", "会员价");
    row("evening at 25", rates, "eveningStartsBox", "25", "晚间");
    row("evening at midnight", rates, "eveningStartsBox", "0", "晚间");
    row("lamp port in words", HallSetupWizard::DevicesPage, "lightsPortBox", "COM1", "端口");
}

void HallSetupTest::refusedStepWritesNothing()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    HallFixture f;
    QVERIFY(f.ready());
    const QStringList before = everyRow(f.hall.db());
    HallSetupWizard wizard(f.hall.state);
    skipTo(wizard, page);
    control<QCheckBox>(&wizard, QStringLiteral("lightsBox"))->setChecked(true);
    type(wizard, qPrintable(box), typed);
    save(wizard);
    QCOMPARE(f.messages.count(), 1);
    QVERIFY2(f.messages.last().text.contains(told), qPrintable(f.messages.last().text));
    QCOMPARE(wizard.currentId(), page);
    QCOMPARE(everyRow(f.hall.db()), before);
}

void HallSetupTest::skippedStepsWriteNothing()
{
    HallFixture f;
    QVERIFY(f.ready());
    const QStringList before = everyRow(f.hall.db());
    HallSetupWizard wizard(f.hall.state);
    skipTo(wizard, HallSetupWizard::DevicesPage);
    wizard.skip();
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QCOMPARE(f.messages.count(), 0);
    QCOMPARE(everyRow(f.hall.db()), before);
}

// A hall with tables keeps them, their numbers and the visit open on one;
// its bands are replaced only once the operator says so.
void HallSetupTest::secondRunOnlyAddsTables()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addTables(3));
    QVERIFY(f.openVisit(2, today("19:00:00")));
    const QString tables = QStringLiteral("select * from zhdy where zhao<=3 order by zhao");
    const QStringList before = f.hall.rows(tables);
    HallSetupWizard wizard(f.hall.state);
    skipTo(wizard, HallSetupWizard::TablesPage);
    QCOMPARE(control<QLineEdit>(&wizard, QStringLiteral("tableCountBox"))->text(), QString());
    type(wizard, "tableCountBox", QStringLiteral("2"));
    save(wizard);
    QCOMPARE(f.hall.rows(tables), before);
    QCOMPARE(f.hall.rows(QStringLiteral("select zhao, mc from zhdy where zhao>3 order by zhao")),
             QStringLiteral("4|4号台 5|5号台").split(QLatin1Char(' ')));

    const QStringList bands = f.hall.rows(QStringLiteral("select * from jfbz order by id"));
    f.messages.answerNext(Messages::Answer::No);
    save(wizard);
    QCOMPARE(wizard.currentId(), int(HallSetupWizard::RatesPage));
    QCOMPARE(f.hall.rows(QStringLiteral("select * from jfbz order by id")), bands);
    QCOMPARE(f.value(QStringLiteral("select count(*) from jfbzfa where name like '开店%'")).toInt(), 0);
    save(wizard);
    QCOMPARE(f.value(QStringLiteral("select count(distinct zhao) from jfbz where kssj='18:00:00'")).toInt(), 5);
}

void HallSetupTest::offerIsMadeOnce_data()
{
    QTest::addColumn<QString>("letters"); // empty: the system operator
    QTest::addColumn<QString>("told");
    QTest::newRow("put off by the system operator") << QString() << QStringLiteral("开店向导设置");
    QTest::newRow("a clerk without the scheme right") << QStringLiteral("BE") << QStringLiteral("请系统操作员");
}

void HallSetupTest::offerIsMadeOnce()
{
    QFETCH(QString, letters);
    QFETCH(QString, told);
    HallFixture f;
    QVERIFY(f.ready());
    if (!letters.isEmpty()) {
        QVERIFY(f.hall.exec(QStringLiteral("insert into czyzd (czy_name, zhda) values ('clerk', ?)"), {letters}));
        f.hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 12, 6), false);
    }
    f.messages.setDefaultAnswer(Messages::Answer::No);
    MainWindow window(f.hall.state);
    window.applyLogin();
    QCOMPARE(control<QAction>(&window, QStringLiteral("mset_14"))->isEnabled(), letters.isEmpty());
    window.offerHallSetup();
    window.applyLogin();
    window.offerHallSetup();
    QCOMPARE(f.messages.count(), 1);
    QVERIFY2(f.messages.last().text.contains(told), qPrintable(f.messages.last().text));
}

void HallSetupTest::devicesAreTriedOnTheSpot_data()
{
    QTest::addColumn<QString>("device"); // lights or reader
    QTest::addColumn<QString>("port");   // empty: the pseudo-terminal
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("told");
    const auto row = [](const char* name, const char* device, const char* port, const char* answer, const char* told) {
        QTest::newRow(name) << QString::fromLatin1(device) << QString::fromLatin1(port) << QByteArray(answer)
                            << QString::fromUtf8(told);
    };
    row("lamps echoed", "lights", "", "echo", "有回应");
    row("lamps unanswered", "lights", "", "", "没有回应");
    row("no such lamp port", "lights", "/dev/tavoro-none", "", "打不开端口");
    row("card swiped", "reader", "", "8000000001\r", "读到卡号：8000000001");
    row("no such reader port", "reader", "/dev/tavoro-none", "", "打不开端口");
}

void HallSetupTest::devicesAreTriedOnTheSpot()
{
    QFETCH(QString, device);
    QFETCH(QString, port);
    QFETCH(QByteArray, answer);
    QFETCH(QString, told);
    HallFixture f;
    QVERIFY(f.ready());
    PseudoTerminal pty;
    QVERIFY2(pty.isValid(), qPrintable(pty.error()));
    QSocketNotifier echo(pty.descriptor(), QSocketNotifier::Read);
    connect(&echo, &QSocketNotifier::activated, this, [&pty, answer] {
        const QByteArray sent = pty.readAvailable();
        if (answer == "echo")
            pty.write(sent);
    });
    const QStringList before = everyRow(f.hall.db());
    HallSetupWizard wizard(f.hall.state);
    skipTo(wizard, HallSetupWizard::DevicesPage);
    type(wizard, qPrintable(device + QStringLiteral("PortBox")), port.isEmpty() ? pty.path() : port);
    control<QAbstractButton>(&wizard, device + QStringLiteral("TrialButton"))->click();
    if (device == QStringLiteral("reader") && !answer.isEmpty())
        QVERIFY(pty.write(answer));
    auto* status = control<QLabel>(&wizard, device + QStringLiteral("Status"));
    QTRY_VERIFY2(status->text().contains(told), qPrintable(status->text()));
    QCOMPARE(everyRow(f.hall.db()), before);
}

void HallSetupTest::proposedNumber_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("one digit stays") << "9" << false << "9";
    QTest::newRow("nine becomes ten") << "19" << false << "110";
    QTest::newRow("last digit up") << "20" << false << "21";
    QTest::newRow("empty list") << "" << true << "1";
}

void HallSetupTest::proposedNumber()
{
    QFETCH(QString, current);
    QFETCH(bool, empty);
    QTEST(TableDefinitions::proposedNumber(current, empty), "proposal");
}

void HallSetupTest::olderFileGainsColumns()
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

void HallSetupTest::refusedRowIsNotSaved_data()
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

void HallSetupTest::refusedRowIsNotSaved()
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

void HallSetupTest::addedRowIsSavedOnlyOnSave()
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

void HallSetupTest::tableInUseIsNotDeleted()
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

QTEST_MAIN(HallSetupTest)
#include "test_hall_setup.moc"
