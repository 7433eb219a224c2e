#include "app/BoardMenus.h"
#include "app/HelpKey.h"
#include "support/BoardBench.h"
#include "ui/program/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The key each command had as a string, in the commands' order, which the
// entries below still name.
const char* const Keys[] = {"js",   "jz",     "yjd",   "zhuantai", "Xs", "Sd", "Js",
                            "Refh", "Showtp", "print", "tx",       "yj", "hh"};

} // namespace

// What the board's start-up takes from the operator's row: the menu items
// the rights letters govern and whether the discount box is editable.
class TestBoardMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operatorRow_data();
    void operatorRow();
    void everyEntry_data();
    void everyEntry();
    void helpKeyOverModalScreen();
};

void TestBoardMenus::operatorRow_data()
{
    QTest::addColumn<QVariantList>("row"); // zhda, fjda, zwcl, xtgl, zk; empty: no row
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<bool>("discount");
    const QVariant null;
    const auto text = [](const char* letters) {
        return QVariant(QString::fromLatin1(letters));
    };
    const QStringList none;
    const QStringList settings = {QStringLiteral("mset_5")};
    QTest::newRow("no row") << QVariantList() << none << false;
    QTest::newRow("all null") << QVariantList{null, null, null, null, null} << none << false;
    QTest::newRow("members and settings") << QVariantList{text("AE"), null, null, null, 0}
                                          << QStringList{QStringLiteral("gl_0"), QStringLiteral("mset_5")} << false;
    QTest::newRow("settings and clearing") << QVariantList{text("DE"), null, null, null, 8.5}
                                           << QStringList{QStringLiteral("mset_5"), QStringLiteral("mset_6")} << true;
    QTest::newRow("letter among blanks, twice")
        << QVariantList{text(" E E "), null, null, null, 0} << settings << false;
    QTest::newRow("lower case is another letter") << QVariantList{text("de"), null, null, null, 0} << none << false;
    QTest::newRow("operator log") << QVariantList{null, null, text("BC"), null, 0}
                                  << QStringList{QStringLiteral("czygl_3")} << false;
    QTest::newRow("goods") << QVariantList{null, text("CA"), null, null, 0}
                           << QStringList{QStringLiteral("spgl_0"), QStringLiteral("spgl_4")} << false;
    QTest::newRow("reports") << QVariantList{null, null, null, text("BD"), 0}
                             << QStringList{QStringLiteral("find_1"), QStringLiteral("find_4")} << false;
    QTest::newRow("letters of other groups") << QVariantList{null, text("DE"), null, text("EF"), 0} << none << false;
}

void TestBoardMenus::operatorRow()
{
    QFETCH(QVariantList, row);
    QFETCH(QStringList, enabled);
    QFETCH(bool, discount);
    BoardBench f;
    QVERIFY(f.ready());
    if (!row.isEmpty())
        QVERIFY(f.hall.exec(QStringLiteral("insert into czyzd (czy_name, zhda, fjda, zwcl, xtgl, zk) "
                                           "values ('clerk', ?, ?, ?, ?, ?)"),
                            row));
    f.hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 12, 6), false);
    const BoardScreen& board = f.board();
    const QStringList guarded =
        QStringLiteral("gl_0 mset_5 mset_6 spgl_0 spgl_2 spgl_4 czygl_0 czygl_3 find_0 find_1 find_3 find_4")
            .split(QLatin1Char(' '));
    const QStringList always =
        QStringLiteral("mset_0 mset_3 mset_10 mset_11 mset_12 czygl_2 menu_yygl_1 menu_yygl_4 "
                       "menu_yygl_3 menu_yygl_5 menu_yygl_6 menu_yygl_7 menu_yygl_8 menu_yygl_9 "
                       "menu_yygl_10 menu_yygl_12 spgl_6 find_6 find_7 js zhuantai Xs Sd Refh Showtp print tx yj hh")
            .split(QLatin1Char(' '));
    for (const QString& name : guarded + always) {
        const bool expected = always.contains(name) || enabled.contains(name);
        QVERIFY2(control<QAction>(&board, name)->isEnabled() == expected, qPrintable(name));
    }
    // The system operator's alone, whatever the letters.
    QVERIFY(!control<QAction>(&board, QStringLiteral("mset_13"))->isEnabled());
    QCOMPARE(!control<QLineEdit>(&board, QStringLiteral("discount"))->isReadOnly(), discount);
    QCOMPARE(f.messages.count(), 0);
}

// Each entry of the menu bar and the toolbar: its caption, the rights letter
// that governs it (none: always enabled), and what it reaches: "key" the
// board's command of that key, "screen" the modal screen of that class,
// "window" a window of that class, "signal" a request to the board.
void TestBoardMenus::everyEntry_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("letter"); // group and letter, as "xtgl A"
    QTest::addColumn<QString>("reaches");
    const auto entry = [](const char* name, const char* caption, const char* letter, const char* reaches) {
        QTest::newRow(name) << QString::fromUtf8(caption) << QString::fromLatin1(letter)
                            << QString::fromLatin1(reaches);
    };
    entry("js", "计时", "", "key js");
    entry("jz", "结账", "", "key jz");
    entry("yjd", "预结", "", "key yjd");
    entry("zhuantai", "转台", "", "key zhuantai");
    entry("Xs", "销售", "", "key Xs");
    entry("Sd", "锁定", "", "key Sd");
    entry("Js", "解锁", "", "key Js");
    entry("Refh", "刷新", "", "key Refh");
    entry("Showtp", "显示", "", "key Showtp");
    entry("print", "打印", "", "key print");
    entry("tx", "提醒", "", "key tx");
    entry("yj", "押金", "", "key yj");
    entry("hh", "互换", "", "key hh");
    entry("mset_0", "&1.锁定计算机", "", "key Sd");
    entry("mset_1", "&2.台位设置", "zhda B", "screen TableDefinitionsScreen");
    entry("mset_3", "&3.换    班", "", "signal shiftChangeRequested");
    entry("mset_4", "&4.台位时段收费标准设置", "zhda C", "screen RateBandsScreen");
    entry("mset_5", "&5.系统参数设置", "zhda E", "screen ParametersScreen");
    entry("mset_6", "&6.清空历史数据", "zhda D", "screen HistoryClearingScreen");
    entry("mset_9", "&8.计费方案设定", "zhda F", "screen RateSchemesScreen");
    entry("mset_10", "&9.选择数据库位置", "", "screen DatabaseFileDialog");
    entry("mset_12", "退出系统", "", "signal exitRequested");
    entry("mset_13", "&B.店主网页口令", "", "screen OwnerPasswordDialog");
    entry("gl_0", "&1.会员登记", "zhda A", "screen MemberListScreen");
    entry("menu_yygl_1", "&1.台位计时", "", "key js");
    entry("menu_yygl_2", "&2.台位结帐", "", "key jz");
    entry("menu_yygl_3", "&3.转    台", "", "key zhuantai");
    entry("menu_yygl_4", "&4.刷新台位状态", "", "key Refh");
    entry("menu_yygl_5", "&5.显示背景图", "", "key Showtp");
    entry("menu_yygl_7", "&7.客人提醒", "", "signal reminderRequested");
    entry("menu_yygl_8", "&8.客人押金录入", "", "signal depositRequested");
    entry("menu_yygl_9", "&9.台位互换", "", "key hh");
    entry("menu_yygl_11", "&B.预结单（非正式收据）", "", "key yjd");
    entry("menu_yygl_12", "&C.商品销售", "", "key Xs");
    entry("spgl_0", "&1.商品类别设置", "fjda A", "screen CatalogueScreen");
    entry("spgl_2", "&2.商品进货", "fjda B", "screen GoodsDocumentsScreen");
    entry("spgl_4", "&3.商品销售", "fjda C", "screen GoodsDocumentsScreen");
    entry("spgl_6", "&4.商品盘点", "", "screen StockBalanceScreen");
    entry("find_0", "&1.当前班次营业报告", "xtgl A", "screen ShiftReportScreen");
    entry("find_1", "&2.当日营业报告", "xtgl B", "screen DayReportScreen");
    entry("find_3", "&3.营业收入统计", "xtgl C", "screen IncomeStatisticsScreen");
    entry("find_4", "&4.商品销售统计", "xtgl D", "screen GoodsStatisticsScreen");
    entry("find_6", "&5.会员消费明细", "", "screen ConsumptionDetailScreen");
    entry("find_7", "&6.会员消费汇总", "", "screen ConsumptionTotalsScreen");
    entry("czygl_0", "&1.操作员设置", "zwcl A", "screen OperatorRightsScreen");
    entry("czygl_2", "&2.操作员口令变更", "", "screen PasswordChangeDialog");
    entry("czygl_3", "&3.操员日志", "zwcl B", "screen OperatorLogScreen");
    entry("help_0", "&1.帮助", "", "window HelpWindow");
    entry("help_1", "&2.搜索有关帮助的信息", "", "window HelpWindow");
    entry("help_2", "&3.常见问题回答", "", "window HelpWindow");
    entry("help_4", "&4.关于 Tavoro", "", "screen AboutBox");
    entry("help_5", "&5.界面语言 Language", "", "screen LanguageChoice");
}

void TestBoardMenus::everyEntry()
{
    QFETCH(QString, caption);
    QFETCH(QString, letter);
    QFETCH(QString, reaches);
    HallFixture f;
    QVERIFY(f.ready());
    QMainWindow board;
    QStringList keys;
    BoardMenus menus(f.hall.state, &board,
                     [&keys](BoardCommand command) { keys.append(QLatin1String(Keys[int(command)])); });
    QAction* action = control<QAction>(&board, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(action->text(), caption);

    // Only the entry's own letter of its own group enables a governed entry.
    const QStringList governed = letter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    OperatorRights rights;
    menus.applyRights(rights);
    QCOMPARE(action->isEnabled(), governed.isEmpty());
    if (!governed.isEmpty()) {
        QString OperatorRights::*group = governed.first() == QLatin1String("zhda")   ? &OperatorRights::memberRights
                                         : governed.first() == QLatin1String("fjda") ? &OperatorRights::goodsRights
                                         : governed.first() == QLatin1String("zwcl") ? &OperatorRights::operatorRights
                                                                                     : &OperatorRights::reportRights;
        rights.*group = QStringLiteral("ABCDEFGHIJK").remove(governed.last());
        menus.applyRights(rights);
        QVERIFY(!action->isEnabled());
        rights.*group = governed.last();
        menus.applyRights(rights);
        QVERIFY(action->isEnabled());
    }

    const QStringList expected = reaches.split(QLatin1Char(' '));
    QString opened;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, &closer, [&opened] {
        if (QWidget* screen = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(screen->metaObject()->className());
            screen->hide();
        }
    });
    closer.start();
    const QByteArray signal = "2" + expected.last().toLatin1() + "()";
    QScopedPointer<QSignalSpy> spy(
        expected.first() == QLatin1String("signal") ? new QSignalSpy(&menus, signal.constData()) : nullptr);
    action->trigger();
    closer.stop();
    if (expected.first() == QLatin1String("key")) {
        QCOMPARE(keys, QStringList{expected.last()});
    } else if (expected.first() == QLatin1String("screen")) {
        QCOMPARE(opened, expected.last());
    } else if (expected.first() == QLatin1String("signal")) {
        QCOMPARE(spy->count(), 1);
    } else {
        QWidget* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && QLatin1String(top->metaObject()->className()) == expected.last())
                window = top;
        QVERIFY(window);
        window->close();
    }
    if (expected.first() != QLatin1String("key"))
        QVERIFY(keys.isEmpty());
}

// F1 reaches the manual from a modal screen, which blocks every other window.
void TestBoardMenus::helpKeyOverModalScreen()
{
    HelpKey helpKey;
    qApp->installEventFilter(&helpKey);
    QDialog screen;
    QLineEdit box(&screen);
    QWidget* help = nullptr;
    QTimer::singleShot(0, &screen, [&] {
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_F1);
        help = screen.findChild<HelpWindow*>();
        screen.hide();
    });
    screen.exec();
    qApp->removeEventFilter(&helpKey);
    QVERIFY(help);
    QVERIFY(help->isVisible());
    help->close();
}

QTEST_MAIN(TestBoardMenus)
#include "test_board_menus.moc"
