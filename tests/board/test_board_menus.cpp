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
    // The other entries no letter governs are tried in everyEntry.
    for (const QString& name : guarded + QStringLiteral("mset_11 menu_yygl_6 menu_yygl_10").split(QLatin1Char(' ')))
        QVERIFY2(control<QAction>(&board, name)->isEnabled() == (!guarded.contains(name) || enabled.contains(name)),
                 qPrintable(name));
    // The system operator's alone, whatever the letters.
    QVERIFY(!control<QAction>(&board, QStringLiteral("mset_13"))->isEnabled());
    QCOMPARE(!control<QLineEdit>(&board, QStringLiteral("discount"))->isReadOnly(), discount);
    QCOMPARE(f.messages.count(), 0);
}

// Each entry of the menu bar and the toolbar: the rights letter that
// governs it (none: always enabled), and what it reaches: "key" the board's
// command of that key, "screen" the modal screen of that class, "window" a
// window of that class, "signal" a request to the board.
void TestBoardMenus::everyEntry_data()
{
    QTest::addColumn<QString>("letter"); // group and letter, as "xtgl A"
    QTest::addColumn<QString>("reaches");
    const auto entry = [](const char* name, const char* letter, const char* reaches) {
        QTest::newRow(name) << QString::fromLatin1(letter) << QString::fromLatin1(reaches);
    };
    entry("js", "", "key js");
    entry("jz", "", "key jz");
    entry("yjd", "", "key yjd");
    entry("zhuantai", "", "key zhuantai");
    entry("Xs", "", "key Xs");
    entry("Sd", "", "key Sd");
    entry("Js", "", "key Js");
    entry("Refh", "", "key Refh");
    entry("Showtp", "", "key Showtp");
    entry("print", "", "key print");
    entry("tx", "", "key tx");
    entry("yj", "", "key yj");
    entry("hh", "", "key hh");
    entry("mset_0", "", "key Sd");
    entry("mset_1", "zhda B", "screen TableDefinitionsScreen");
    entry("mset_3", "", "signal shiftChangeRequested");
    entry("mset_4", "zhda C", "screen RateBandsScreen");
    entry("mset_5", "zhda E", "screen ParametersScreen");
    entry("mset_6", "zhda D", "screen HistoryClearingScreen");
    entry("mset_9", "zhda F", "screen RateSchemesScreen");
    entry("mset_10", "", "screen DatabaseFileDialog");
    entry("mset_12", "", "signal exitRequested");
    entry("mset_13", "", "screen OwnerPasswordDialog");
    entry("gl_0", "zhda A", "screen MemberListScreen");
    entry("menu_yygl_1", "", "key js");
    entry("menu_yygl_2", "", "key jz");
    entry("menu_yygl_3", "", "key zhuantai");
    entry("menu_yygl_4", "", "key Refh");
    entry("menu_yygl_5", "", "key Showtp");
    entry("menu_yygl_7", "", "signal reminderRequested");
    entry("menu_yygl_8", "", "signal depositRequested");
    entry("menu_yygl_9", "", "key hh");
    entry("menu_yygl_11", "", "key yjd");
    entry("menu_yygl_12", "", "key Xs");
    entry("spgl_0", "fjda A", "screen CatalogueScreen");
    entry("spgl_2", "fjda B", "screen GoodsDocumentsScreen");
    entry("spgl_4", "fjda C", "screen GoodsDocumentsScreen");
    entry("spgl_6", "", "screen StockBalanceScreen");
    entry("find_0", "xtgl A", "screen ShiftReportScreen");
    entry("find_1", "xtgl B", "screen DayReportScreen");
    entry("find_3", "xtgl C", "screen IncomeStatisticsScreen");
    entry("find_4", "xtgl D", "screen GoodsStatisticsScreen");
    entry("find_6", "", "screen ConsumptionDetailScreen");
    entry("find_7", "", "screen ConsumptionTotalsScreen");
    entry("czygl_0", "zwcl A", "screen OperatorRightsScreen");
    entry("czygl_2", "", "screen PasswordChangeDialog");
    entry("czygl_3", "zwcl B", "screen OperatorLogScreen");
    entry("help_0", "", "window HelpWindow");
    entry("help_1", "", "window HelpWindow");
    entry("help_2", "", "window HelpWindow");
    entry("help_4", "", "screen AboutBox");
    entry("help_5", "", "screen LanguageChoice");
}

void TestBoardMenus::everyEntry()
{
    QFETCH(QString, letter);
    QFETCH(QString, reaches);
    HallFixture f;
    QVERIFY(f.ready());
    QMainWindow board;
    QStringList keys;
    BoardMenus menus(f.hall.state, &board,
                     [&keys](BoardCommand command) { keys.append(QLatin1String(Keys[int(command)])); });
    QAction* action = control<QAction>(&board, QString::fromLatin1(QTest::currentDataTag()));

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
