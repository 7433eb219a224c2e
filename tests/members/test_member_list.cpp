#include "core/billing/DiscountRate.h"
#include "core/members/MemberList.h"
#include "support/HallFixture.h"
#include "ui/members/MemberFormScreen.h"
#include "ui/members/MemberListScreen.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

using Messages::Icon;
Q_DECLARE_METATYPE(Messages::Icon)

namespace {

using Typing = QList<std::pair<int, QString>>;

// The form's boxes under the numbers the tables below give them.
const char* const BoxNames[] = {"cardEdit",     "nameEdit",     "passwordEdit", "passwordAgainEdit", "mobileEdit",
                                "birthEdit",    "addressEdit",  "balanceEdit",  "timeEdit",          "stateEdit",
                                "validityEdit", "discountEdit", "agentEdit",    "noteEdit",          "cardTypeEdit"};

QLineEdit* box(MemberFormScreen& form, int index)
{
    return control<QLineEdit>(&form, QLatin1String(BoxNames[index]));
}

void type(MemberFormScreen& form, const Typing& typing)
{
    for (const auto& [index, text] : typing)
        box(form, index)->setText(text);
}

void save(MemberFormScreen& form)
{
    control<QPushButton>(&form, QStringLiteral("saveButton"))->click();
}

} // namespace

// The members: the list read a page at a time, its top-up and deletion, and
// the form that adds and edits a member.
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
    void addingSavesMemberAndOpening_data();
    void addingSavesMemberAndOpening();
    void refusedSaveWritesNothing_data();
    void refusedSaveWritesNothing();
    void editKeepsBalanceAndMovesTheCard();
    void failedOpeningRowLeavesNoMember();
    void enterChecks_data();
    void enterChecks();

private:
    bool addMember(const QString& card, const QString& name, double yk);
    MemberList* model(MemberListScreen& screen) { return screen.findChild<MemberList*>(); }
    void standOn(MemberListScreen& screen, const QString& card);
    // The member the form's cases find already there.
    bool addFormMember() { return f->addMember(QStringLiteral("a001"), QVariant(), QStringLiteral("现金卡"), 0, 40); }

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

void TestMemberList::addingSavesMemberAndOpening_data()
{
    QTest::addColumn<QString>("yk");
    QTest::addColumn<QString>("js");
    QTest::addColumn<QString>("zk");
    QTest::addColumn<QList<double>>("saved");
    QTest::newRow("empty numbers save 0") << QString() << QString() << QString() << QList<double>{0, 0, 0};
    QTest::newRow("typed numbers") << QStringLiteral(" 100.5") << QStringLiteral("3") << QStringLiteral("8.5")
                                   << QList<double>{100.5, 3, 8.5};
}

void TestMemberList::addingSavesMemberAndOpening()
{
    QFETCH(QString, yk);
    QFETCH(QString, js);
    QFETCH(QString, zk);
    QFETCH(QList<double>, saved);
    MemberFormScreen form(f->hall.state, QString());
    type(form, {{0, QStringLiteral(" B002 ")}, {1, QStringLiteral("张三")}, {7, yk}, {8, js}, {11, zk}});
    save(form);
    QCOMPARE(f->messages.texts(), QStringList());
    const auto member = [this](const char* column) {
        return f->value(QStringLiteral("select %1 from user_lb where khao='B002'").arg(QLatin1String(column)));
    };
    QCOMPARE((QList<double>{member("yk").toDouble(), member("js").toDouble(), member("zk").toDouble()}), saved);
    QCOMPARE((QList<double>{member("jelj").toDouble(), member("jslj").toDouble()}), saved.mid(0, 2));
    QCOMPARE(f->hall.rows(QStringLiteral("select count(*), max(rc), max(czyname), max(je), max(js), max(xm) from srmx "
                                         "where khao='B002'")),
             QStringList{QStringLiteral("1|2026-12-06|system|%1|%2|开户")
                             .arg(QString::number(saved[0], 'f', 1), QString::number(saved[1], 'f', 1))});
    // Series entry: a fresh row with the button's presets.
    QCOMPARE(box(form, 0)->text(), QString());
    QCOMPARE(control<QComboBox>(&form, QStringLiteral("cardTypeCombo"))->currentText(), QStringLiteral("机时卡"));
    // The presets are saved as shown, though no combo was touched.
    type(form, {{0, QStringLiteral("B003")}, {1, QStringLiteral("李四")}});
    save(form);
    QCOMPARE(f->hall.rows(QStringLiteral("select khao, xb, zt, klx, khrc from user_lb where khao like 'B%' "
                                         "order by khao")),
             (QStringList{QStringLiteral("B002|男|正常|优惠卡|2026-12-06"),
                          QStringLiteral("B003|男|正常|机时卡|2026-12-06")}));
}

void TestMemberList::refusedSaveWritesNothing_data()
{
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<int>("clearedBox");
    const QString card = QStringLiteral("c1");
    const QString name = QStringLiteral("李四");
    QTest::newRow("no card") << Typing{{1, name}} << "会员卡号不能为空！" << Icon::Critical << -1;
    QTest::newRow("taken card, other case")
        << Typing{{0, QStringLiteral(" A001")}, {1, name}} << "卡号重复,请重新输入！" << Icon::Critical << -1;
    QTest::newRow("birth not a date") << Typing{{0, card}, {1, name}, {5, QStringLiteral("2000-02-30")}}
                                      << "会员出生日期格式错误，请输入年-月-日 格式 ！" << Icon::Critical << -1;
    QTest::newRow("validity not a date") << Typing{{0, card}, {1, name}, {10, QStringLiteral("明年")}}
                                         << "会员卡有效日期格式错误，请输入年-月-日 格式 ！" << Icon::Exclamation << -1;
    // The amount's bounds are tried on the logic with every money box's in test_bad_text.
    QTest::newRow("comma balance") << Typing{{0, card}, {1, name}, {7, QStringLiteral("8,5")}}
                                   << "金额请输入 0 到 100000 之间、最多两位小数的金额。" << Icon::Exclamation << 7;
    QTest::newRow("fractional time") << Typing{{0, card}, {1, name}, {8, QStringLiteral("1.5")}} << "时长请输入数字 ！"
                                     << Icon::Exclamation << 8;
    QTest::newRow("text discount") << Typing{{0, card}, {1, name}, {11, QStringLiteral("九折")}}
                                   << QString(DiscountTypingText) << Icon::Exclamation << 11;
}

void TestMemberList::refusedSaveWritesNothing()
{
    QFETCH(Typing, typing);
    QFETCH(QString, message);
    QFETCH(Icon, icon);
    QFETCH(int, clearedBox);
    QVERIFY(addFormMember());
    MemberFormScreen form(f->hall.state, QString());
    type(form, typing);
    save(form);
    QCOMPARE(f->messages.texts(), QStringList{message});
    QCOMPARE(f->messages.last().icon, icon);
    QCOMPARE(f->value(QStringLiteral("select count(*) from user_lb")).toInt(), 1);
    QCOMPARE(f->value(QStringLiteral("select count(*) from srmx")).toInt(), 0);
    for (const auto& [index, text] : std::as_const(typing))
        QCOMPARE(box(form, index)->text(), index == clearedBox ? QString() : text);
}

void TestMemberList::editKeepsBalanceAndMovesTheCard()
{
    QVERIFY(addFormMember());
    QVERIFY(f->addMember(QStringLiteral("z9"), QVariant(), QStringLiteral("优惠卡"), 0, 5));
    QVERIFY(f->hall.exec(QStringLiteral("update user_lb set yhm='王五', js=3 where khao='a001'")));
    MemberFormScreen form(f->hall.state, QStringLiteral("a001"));
    QCOMPARE(box(form, 1)->text(), QStringLiteral("王五"));
    QTest::keyClicks(box(form, 7), QStringLiteral("999"));
    QTest::keyClicks(box(form, 8), QStringLiteral("9"));
    QCOMPARE(box(form, 7)->text(), QStringLiteral("40"));
    QCOMPARE(box(form, 8)->text(), QStringLiteral("3"));
    // A top-up while the modeless form stays open is not undone by its save.
    QVERIFY(f->hall.exec(QStringLiteral("update user_lb set yk=140 where khao='a001'")));
    type(form, {{0, QStringLiteral("A002")}, {1, QStringLiteral("王五一")}});
    // While the card plays, its number stays: the visit would lose its member.
    QVERIFY(f->addTables(1));
    QVERIFY(f->openVisit(1, today("19:00:00"), QStringLiteral("A001")));
    save(form);
    QCOMPARE(f->messages.count(), 1);
    QVERIFY(f->messages.last().text.contains(QStringLiteral("1 号台")));
    QCOMPARE(f->value(QStringLiteral("select count(*) from srmx")).toInt(), 0);
    QVERIFY(f->hall.exec(QStringLiteral("update waimxd set jsrc=ksrc")));
    save(form);
    QCOMPARE(f->messages.count(), 1);
    QCOMPARE(f->hall.rows(QStringLiteral("select khao, yhm, yk, js, klx from user_lb order by khao")),
             (QStringList{QStringLiteral("A002|王五一|140.0|3.0|现金卡"), QStringLiteral("z9||5.0|0.0|优惠卡")}));
    QCOMPARE(f->hall.rows(QStringLiteral("select khao, je, js, xm from srmx order by rowid")),
             QStringList{QStringLiteral("A002|140.0|3.0|开户")});
}

void TestMemberList::failedOpeningRowLeavesNoMember()
{
    QVERIFY(f->hall.refuse(QStringLiteral("no_srmx"), QStringLiteral("before insert on srmx"),
                           QStringLiteral("srmx refused")));
    MemberFormScreen form(f->hall.state, QString());
    type(form, {{0, QStringLiteral("c7")}, {1, QStringLiteral("赵六")}, {7, QStringLiteral("50")}});
    save(form);
    QCOMPARE(f->messages.count(), 1);
    QVERIFY(f->messages.last().text.contains(QStringLiteral("srmx refused")));
    QCOMPARE(f->value(QStringLiteral("select count(*) from user_lb where khao='c7'")).toInt(), 0);
    QCOMPARE(box(form, 0)->text(), QStringLiteral("c7"));
    QCOMPARE(box(form, 7)->text(), QStringLiteral("50"));
}

void TestMemberList::enterChecks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("taken card") << 0 << "A001" << QStringList{QStringLiteral("卡号重复,请重新输入！")};
    QTest::newRow("free card") << 0 << "A0011" << QStringList();
    QTest::newRow("validity today") << 10 << "2026-12-06" << QStringList{QStringLiteral("日期必须大天当前日期")};
    QTest::newRow("validity tomorrow") << 10 << "2026-12-7" << QStringList();
}

void TestMemberList::enterChecks()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QVERIFY(addFormMember());
    MemberFormScreen form(f->hall.state, QString());
    box(form, index)->setText(text);
    QTest::keyClick(box(form, index), Qt::Key_Return);
    QCOMPARE(f->messages.texts(), messages);
    QCOMPARE(f->value(QStringLiteral("select count(*) from user_lb")).toInt(), 1);
}

QTEST_MAIN(TestMemberList)
#include "test_member_list.moc"
