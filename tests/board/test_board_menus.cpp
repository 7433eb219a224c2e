#include "board/Form_menu.h"
#include "support/HallFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

// What the board's start-up takes from the operator's row: the menu items
// the rights letters govern and whether the discount box is editable.
class TestBoardMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operatorRow_data();
    void operatorRow();
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
    QTest::newRow("letters of other groups") << QVariantList{null, text("DE"), null, text("ABE"), 0} << none << false;
}

void TestBoardMenus::operatorRow()
{
    QFETCH(QVariantList, row);
    QFETCH(QStringList, enabled);
    QFETCH(bool, discount);
    HallFixture f;
    QVERIFY(f.ready());
    if (!row.isEmpty())
        QVERIFY(f.hall.exec(QStringLiteral("insert into czyzd (czy_name, zhda, fjda, zwcl, xtgl, zk) "
                                           "values ('clerk', ?, ?, ?, ?, ?)"),
                            row));
    f.hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 12, 6), false);
    const Form_menu board(f.hall.state);
    const QStringList guarded =
        QStringLiteral("gl_0 mset_5 mset_6 spgl_0 spgl_2 spgl_4 czygl_0 czygl_3").split(QLatin1Char(' '));
    const QStringList always =
        QStringLiteral("mset_0 mset_3 mset_10 mset_11 mset_12 czygl_2 menu_yygl_1 menu_yygl_4 "
                       "menu_yygl_3 menu_yygl_5 menu_yygl_6 menu_yygl_7 menu_yygl_8 menu_yygl_9 "
                       "menu_yygl_10 spgl_6 find_6 find_7 js zhuantai Xs Sd Refh Showtp print tx yj hh")
            .split(QLatin1Char(' '));
    for (const QString& name : guarded + always) {
        const bool expected = always.contains(name) || enabled.contains(name);
        QVERIFY2(control<QAction>(&board, name)->isEnabled() == expected, qPrintable(name));
    }
    QCOMPARE(!control<QLineEdit>(&board, QStringLiteral("Txtzk"))->isReadOnly(), discount);
    QCOMPARE(f.messages.count(), 0);
}

QTEST_MAIN(TestBoardMenus)
#include "test_board_menus.moc"
