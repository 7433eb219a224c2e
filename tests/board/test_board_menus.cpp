#include "BoardFixture.h"

// The menu items the operator's rights letters govern, and what the board's
// start-up takes from the operator's row.
class TestBoardMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void rightsEnableExactlyTheirItems_data();
    void rightsEnableExactlyTheirItems();
    void discountBoxFollowsAuthority_data();
    void discountBoxFollowsAuthority();
    void operatorWithoutRow();

private:
    std::unique_ptr<BoardFixture> f;
};

void TestBoardMenus::init()
{
    f = std::make_unique<BoardFixture>();
    QVERIFY2(f->ready, qPrintable(f->hall.error()));
}

void TestBoardMenus::cleanup()
{
    f.reset();
}

void TestBoardMenus::rightsEnableExactlyTheirItems_data()
{
    QTest::addColumn<QVariantList>("letters"); // zhda, fjda, zwcl, xtgl
    QTest::addColumn<QStringList>("enabled");
    const QVariant null;
    const auto text = [](const char* letters) {
        return QVariant(QString::fromLatin1(letters));
    };
    const QStringList none;
    QTest::newRow("all four null") << QVariantList{null, null, null, null} << none;
    QTest::newRow("E among the settings letters")
        << QVariantList{text("AE"), null, null, null} << QStringList{QStringLiteral("mset_5")};
    QTest::newRow("settings and clearing") << QVariantList{text("DE"), null, null, null}
                                           << QStringList{QStringLiteral("mset_5"), QStringLiteral("mset_6")};
    QTest::newRow("letter among blanks, twice")
        << QVariantList{text(" E E "), null, null, null} << QStringList{QStringLiteral("mset_5")};
    QTest::newRow("settings rights without their item yet") << QVariantList{text("ABCF"), null, null, null} << none;
    QTest::newRow("lower case is another letter") << QVariantList{text("de"), null, null, null} << none;
    QTest::newRow("operators") << QVariantList{null, null, text("A"), null} << QStringList{QStringLiteral("czygl_0")};
    QTest::newRow("operator log") << QVariantList{null, null, text("BC"), null}
                                  << QStringList{QStringLiteral("czygl_3")};
    QTest::newRow("letters of other groups") << QVariantList{null, text("DE"), null, text("ABE")} << none;
}

void TestBoardMenus::rightsEnableExactlyTheirItems()
{
    QFETCH(QVariantList, letters);
    QFETCH(QStringList, enabled);
    const QStringList guarded = QStringLiteral("mset_5 mset_6 czygl_0 czygl_3").split(QLatin1Char(' '));
    const QStringList always = QStringLiteral("mset_0 mset_3 mset_10 mset_11 mset_12 czygl_2 menu_yygl_1 "
                                              "menu_yygl_4 menu_yygl_5 menu_yygl_6 js Sd Refh Showtp print")
                                   .split(QLatin1Char(' '));
    QVERIFY(f->hall.exec(
        QStringLiteral("insert into czyzd (czy_name, zhda, fjda, zwcl, xtgl) values ('clerk', ?, ?, ?, ?)"), letters));
    f->hall.loginAs(QStringLiteral("clerk"), QStringLiteral("早班"), QDate(2026, 12, 6), false);
    for (const QString& name : guarded) {
        QAction* action = f->find<QAction>(name);
        QVERIFY2(action && action->isEnabled() == enabled.contains(name), qPrintable(name));
    }
    for (const QString& name : always) {
        QAction* action = f->find<QAction>(name);
        QVERIFY2(action && action->isEnabled(), qPrintable(name));
    }
    QCOMPARE(f->messages.count(), 0);
    QCOMPARE(f->board().windowTitle(), QStringLiteral("Tavoro   ") + f->hall.state.DbFullName);
}

void TestBoardMenus::discountBoxFollowsAuthority_data()
{
    QTest::addColumn<QVariant>("zk");
    QTest::addColumn<bool>("editable");
    QTest::newRow("no authority set") << QVariant() << false;
    QTest::newRow("authority 0") << QVariant(0.0) << false;
    QTest::newRow("authority 8.5") << QVariant(8.5) << true;
}

void TestBoardMenus::discountBoxFollowsAuthority()
{
    QFETCH(QVariant, zk);
    QFETCH(bool, editable);
    QVERIFY(f->hall.exec(QStringLiteral("insert into czyzd (czy_name, zk) values ('clerk', ?)"), {zk}));
    f->hall.loginAs(QStringLiteral("clerk"));
    QCOMPARE(f->box("Txtzk")->isReadOnly(), !editable);
    QCOMPARE(f->box("Txtzk")->text(), QStringLiteral("0"));
}

void TestBoardMenus::operatorWithoutRow()
{
    f->hall.loginAs(QStringLiteral("nobody"));
    QVERIFY(f->box("Txtzk")->isReadOnly());
    QVERIFY(!f->find<QAction>(QStringLiteral("mset_5"))->isEnabled());
    QVERIFY(f->find<QAction>(QStringLiteral("mset_0"))->isEnabled());
    QCOMPARE(f->messages.count(), 0);
}

QTEST_MAIN(TestBoardMenus)
#include "test_board_menus.moc"
