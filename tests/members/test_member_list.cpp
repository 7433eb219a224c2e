#include "core/members/MemberList.h"
#include "support/HallFixture.h"
#include "ui/members/MemberListScreen.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

class TestMemberList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnLastRowAcrossPages();
    void topUp_data();
    void topUp();
    void deletion_data();
    void deletion();

private:
    bool addMember(const QString& card, const QString& name, double yk);
    MemberList* model(MemberListScreen& screen) { return screen.findChild<MemberList*>(); }
    void standOn(MemberListScreen& screen, const QString& card);

    std::unique_ptr<HallFixture> f;
};

void TestMemberList::init()
{
    f = std::make_unique<HallFixture>();
    QVERIFY2(f->ready(), qPrintable(f->error()));
}

void TestMemberList::cleanup()
{
    f.reset();
}

bool TestMemberList::addMember(const QString& card, const QString& name, double yk)
{
    return f->addMember(card, QVariant(), QStringLiteral("优惠卡"), 0, yk) &&
           f->hall.exec(QStringLiteral("update user_lb set yhm=? where khao=?"), {name, card});
}

void TestMemberList::standOn(MemberListScreen& screen, const QString& card)
{
    auto* grid = control<QTableView>(&screen, QStringLiteral("Grid_user"));
    grid->setCurrentIndex(model(screen)->index(model(screen)->rowOfCard(card), 0));
    QCOMPARE(screen.currentCard(), card);
}

// The rows are read a page at a time: every row must still be the member
// written in its place, the first and last of a page included.
void TestMemberList::opensOnLastRowAcrossPages()
{
    for (int i = 0; i < 450; ++i)
        QVERIFY2(
            addMember(QStringLiteral("M%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("会员%1").arg(i), i + 0.5),
            qPrintable(f->error()));
    MemberListScreen screen(f->hall.state);
    MemberList* list = model(screen);
    QAbstractItemModelTester tester(list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(list->rowCount(), 450);
    QCOMPARE(screen.currentCard(), QStringLiteral("M0449"));
    QCOMPARE(screen.currentName(), QStringLiteral("会员449"));
    for (const int row : {0, 199, 200, 399, 400, 449})
        QCOMPARE(list->cardAt(row), QStringLiteral("M%1").arg(row, 4, 10, QLatin1Char('0')));
    QCOMPARE(list->data(list->index(449, MemberList::Balance)).toString(), QStringLiteral("449.50"));
    QCOMPARE(list->rowOfCard(QStringLiteral("M0201")), 201);
}

void TestMemberList::topUp_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("credited");
    QTest::addColumn<QString>("paid");
    QTest::addColumn<double>("yk");
    QTest::addColumn<QString>("record");

    const auto row = [](const char* name, const char* parameter, const char* password, const char* credited,
                        const char* paid, double yk, const char* record = "") {
        QTest::newRow(name) << parameter << password << credited << paid << yk << record;
    };
    const char* paidNinety = "2026-12-06|system|90.0|0.0|加款|A100|100.0";
    row("100 paid 90", "8888", "8888", "100", "90", 150, paidNinety);
    row("cents kept", "8888", "8888", " 0.05 ", "0", 50.05, "2026-12-06|system|0.0|0.0|加款|A100|0.05");
    row("empty parameter, empty password", "", "", "100", "90", 150, paidNinety);
    row("wrong password", "8888", "888", "100", "90", 50);
    row("password in other case", "Abc", "abc", "100", "90", 50);
    row("password with blank", "8888", "8888 ", "100", "90", 50);
    // An amount's bounds are the top-up's own, tried with every money box's in
    // test_bad_text: here a refusal of each box only has to reach the screen.
    row("not a number", "8888", "8888", "1OO", "90", 50);
    row("paid negative", "8888", "8888", "100", "-90", 50);
    row("paid empty", "8888", "8888", "100", "", 50);
}

// Through the list, the password prompt and the top-up screen: a top-up
// raises the balance and leaves its record, and anything refused changes
// neither.
void TestMemberList::topUp()
{
    QFETCH(QString, parameter);
    QFETCH(QString, password);
    QFETCH(QString, credited);
    QFETCH(QString, paid);
    QFETCH(double, yk);
    QFETCH(QString, record);
    QVERIFY(addMember(QStringLiteral("A100"), QStringLiteral("张三"), 50));
    QVERIFY(addMember(QStringLiteral("B200"), QStringLiteral("李四"), 0));
    f->hall.state.params.depositPassword = parameter;
    MemberListScreen screen(f->hall.state);
    standOn(screen, QStringLiteral("A100"));

    bool filled = false;
    QTimer::singleShot(0, &screen, [&] {
        auto* prompt = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(prompt);
        QTimer::singleShot(0, &screen, [&] {
            auto* topUp = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!topUp || topUp->objectName() != QStringLiteral("TopUpDialog"))
                return;
            filled = control<QLineEdit>(topUp, QStringLiteral("cardEdit"))->text() == QStringLiteral("A100") &&
                     control<QLineEdit>(topUp, QStringLiteral("nameEdit"))->text() == QStringLiteral("张三");
            control<QLineEdit>(topUp, QStringLiteral("creditedEdit"))->setText(credited);
            control<QLineEdit>(topUp, QStringLiteral("paidEdit"))->setText(paid);
            control<QPushButton>(topUp, QStringLiteral("confirmButton"))->click();
            if (topUp->isVisible())
                topUp->reject();
        });
        control<QLineEdit>(prompt, QStringLiteral("passwordEdit"))->setText(password);
        control<QPushButton>(prompt, QStringLiteral("confirmButton"))->click();
    });
    control<QAction>(&screen, QStringLiteral("AddMoney"))->trigger();

    const bool written = !record.isEmpty();
    QCOMPARE(filled, parameter == password);
    QCOMPARE(f->value(QStringLiteral("select yk from user_lb where khao='A100'")).toDouble(), yk);
    QCOMPARE(f->value(QStringLiteral("select yk from user_lb where khao='B200'")).toDouble(), 0.0);
    QCOMPARE(f->value(QStringLiteral("select count(*) from srmx")).toInt(), written ? 1 : 0);
    QCOMPARE(f->messages.count(), written ? 0 : 1);
    QCOMPARE(screen.currentCard(), QStringLiteral("A100"));
    if (!written)
        return;
    QCOMPARE(f->hall.rows(QStringLiteral("select rc, czyname, je, js, xm, khao, kzje from srmx order by rowid")),
             QStringList{record});
    MemberList* list = model(screen);
    QCOMPARE(list->data(list->index(list->rowOfCard(QStringLiteral("A100")), MemberList::Balance)).toString(),
             QString::number(yk, 'f', 2));
}

void TestMemberList::deletion_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("members");
    QTest::addColumn<QString>("told");

    QTest::newRow("card on an open visit") << "A100" << true << 3 << "会员 '张三' 的卡正在 2 号台使用，不能删除！";
    QTest::newRow("free card") << "B200" << true << 2 << "";
    QTest::newRow("answered No") << "B200" << false << 3 << "";
}

// A stray Enter must not delete a card with money on it: the question
// defaults to No and names the balance; a deleted card's money records stay.
void TestMemberList::deletion()
{
    QFETCH(QString, card);
    QFETCH(bool, yes);
    QFETCH(int, members);
    QFETCH(QString, told);
    QVERIFY(addMember(QStringLiteral("A100"), QStringLiteral("张三"), 10));
    QVERIFY(addMember(QStringLiteral("B200"), QStringLiteral("李四"), 1235167.89));
    QVERIFY(addMember(QStringLiteral("C300"), QStringLiteral("王五"), 30));
    QVERIFY(f->hall.exec(QStringLiteral("insert into srmx (rc, czyname, je, js, xm, khao, kzje) values "
                                        "('2026-12-01', 'system', 0, 0, '开户', 'B200', null), "
                                        "('2026-12-02', 'system', 1235000, 0, '加款', 'B200', 1235167.89)")));
    QVERIFY(f->addTables(2));
    // Typed in another letter case at the opening: still this member's card.
    QVERIFY(f->openVisit(2, today("19:00:00"), QStringLiteral("a100")));
    MemberListScreen screen(f->hall.state);
    standOn(screen, card);
    f->messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    control<QAction>(&screen, QStringLiteral("Del"))->trigger();

    const bool a100 = card == QStringLiteral("A100");
    const QString question = QStringLiteral("确实要删除会员 '%1' 吗？\n卡上余额 %2 元将随会员删除（充值记录保留）。")
                                 .arg(a100 ? QStringLiteral("张三") : QStringLiteral("李四"),
                                      a100 ? QStringLiteral("10.00") : QStringLiteral("1235167.89"));
    const Messages::Message& asked = f->messages.messages().first();
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.buttons, Messages::Buttons::YesNo);
    QCOMPARE(asked.defaultAnswer, std::optional(Messages::Answer::No));
    QCOMPARE(f->value(QStringLiteral("select count(*) from user_lb")).toInt(), members);
    QCOMPARE(f->hall.rows(QStringLiteral("select count(*), sum(kzje) from srmx where khao='B200'")),
             QStringList{QStringLiteral("2|1235167.89")});
    QCOMPARE(model(screen)->rowCount(), members);
    QCOMPARE(f->messages.count(), told.isEmpty() ? 1 : 2);
    if (!told.isEmpty())
        QCOMPARE(f->messages.last().text, told);
    if (members == 2)
        QCOMPARE(screen.currentCard(), QStringLiteral("A100"));
}

QTEST_MAIN(TestMemberList)
#include "test_member_list.moc"
