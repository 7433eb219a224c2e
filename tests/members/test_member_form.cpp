#include "core/billing/DiscountRate.h"
#include "support/HallFixture.h"
#include "ui/members/MemberFormScreen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

class TestMemberForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void addingSavesMemberAndOpening_data();
    void addingSavesMemberAndOpening();
    void refusedSaveWritesNothing_data();
    void refusedSaveWritesNothing();
    void editKeepsBalanceAndMovesTheCard();
    void failedOpeningRowLeavesNoMember();
    void enterChecks_data();
    void enterChecks();

private:
    std::unique_ptr<HallFixture> m_f;
};

void TestMemberForm::init()
{
    m_f.reset(); // its message recorder must be gone before the next one is installed
    m_f = std::make_unique<HallFixture>();
    QVERIFY2(m_f->ready(), qPrintable(m_f->error()));
    QVERIFY(m_f->addMember(QStringLiteral("a001"), QVariant(), QStringLiteral("现金卡"), 0, 40));
}

void TestMemberForm::addingSavesMemberAndOpening_data()
{
    QTest::addColumn<QString>("yk");
    QTest::addColumn<QString>("js");
    QTest::addColumn<QString>("zk");
    QTest::addColumn<QList<double>>("saved");
    QTest::newRow("empty numbers save 0") << QString() << QString() << QString() << QList<double>{0, 0, 0};
    QTest::newRow("typed numbers") << QStringLiteral(" 100.5") << QStringLiteral("3") << QStringLiteral("8.5")
                                   << QList<double>{100.5, 3, 8.5};
}

void TestMemberForm::addingSavesMemberAndOpening()
{
    QFETCH(QString, yk);
    QFETCH(QString, js);
    QFETCH(QString, zk);
    QFETCH(QList<double>, saved);
    MemberFormScreen form(m_f->hall.state, QString());
    type(form, {{0, QStringLiteral(" B002 ")}, {1, QStringLiteral("张三")}, {7, yk}, {8, js}, {11, zk}});
    save(form);
    QCOMPARE(m_f->messages.texts(), QStringList());
    const auto member = [this](const char* column) {
        return m_f->value(QStringLiteral("select %1 from user_lb where khao='B002'").arg(QLatin1String(column)));
    };
    QCOMPARE((QList<double>{member("yk").toDouble(), member("js").toDouble(), member("zk").toDouble()}), saved);
    QCOMPARE((QList<double>{member("jelj").toDouble(), member("jslj").toDouble()}), saved.mid(0, 2));
    QCOMPARE(
        m_f->hall.rows(QStringLiteral("select count(*), max(rc), max(czyname), max(je), max(js), max(xm) from srmx "
                                      "where khao='B002'")),
        QStringList{QStringLiteral("1|2026-12-06|system|%1|%2|开户")
                        .arg(QString::number(saved[0], 'f', 1), QString::number(saved[1], 'f', 1))});
    // Series entry: a fresh row with the button's presets.
    QCOMPARE(box(form, 0)->text(), QString());
    QCOMPARE(control<QComboBox>(&form, QStringLiteral("cardTypeCombo"))->currentText(), QStringLiteral("机时卡"));
    // The presets are saved as shown, though no combo was touched.
    type(form, {{0, QStringLiteral("B003")}, {1, QStringLiteral("李四")}});
    save(form);
    QCOMPARE(m_f->hall.rows(QStringLiteral("select khao, xb, zt, klx, khrc from user_lb where khao like 'B%' "
                                           "order by khao")),
             (QStringList{QStringLiteral("B002|男|正常|优惠卡|2026-12-06"),
                          QStringLiteral("B003|男|正常|机时卡|2026-12-06")}));
}

void TestMemberForm::refusedSaveWritesNothing_data()
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

void TestMemberForm::refusedSaveWritesNothing()
{
    QFETCH(Typing, typing);
    QFETCH(QString, message);
    QFETCH(Icon, icon);
    QFETCH(int, clearedBox);
    MemberFormScreen form(m_f->hall.state, QString());
    type(form, typing);
    save(form);
    QCOMPARE(m_f->messages.texts(), QStringList{message});
    QCOMPARE(m_f->messages.last().icon, icon);
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from user_lb")).toInt(), 1);
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from srmx")).toInt(), 0);
    for (const auto& [index, text] : std::as_const(typing))
        QCOMPARE(box(form, index)->text(), index == clearedBox ? QString() : text);
}

void TestMemberForm::editKeepsBalanceAndMovesTheCard()
{
    QVERIFY(m_f->addMember(QStringLiteral("z9"), QVariant(), QStringLiteral("优惠卡"), 0, 5));
    QVERIFY(m_f->hall.exec(QStringLiteral("update user_lb set yhm='王五', js=3 where khao='a001'")));
    MemberFormScreen form(m_f->hall.state, QStringLiteral("a001"));
    QCOMPARE(box(form, 1)->text(), QStringLiteral("王五"));
    QTest::keyClicks(box(form, 7), QStringLiteral("999"));
    QTest::keyClicks(box(form, 8), QStringLiteral("9"));
    QCOMPARE(box(form, 7)->text(), QStringLiteral("40"));
    QCOMPARE(box(form, 8)->text(), QStringLiteral("3"));
    // A top-up while the modeless form stays open is not undone by its save.
    QVERIFY(m_f->hall.exec(QStringLiteral("update user_lb set yk=140 where khao='a001'")));
    type(form, {{0, QStringLiteral("A002")}, {1, QStringLiteral("王五一")}});
    // While the card plays, its number stays: the visit would lose its member.
    QVERIFY(m_f->addTables(1));
    QVERIFY(m_f->openVisit(1, today("19:00:00"), QStringLiteral("A001")));
    save(form);
    QCOMPARE(m_f->messages.count(), 1);
    QVERIFY(m_f->messages.last().text.contains(QStringLiteral("1 号台")));
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from srmx")).toInt(), 0);
    QVERIFY(m_f->hall.exec(QStringLiteral("update waimxd set jsrc=ksrc")));
    save(form);
    QCOMPARE(m_f->messages.count(), 1);
    QCOMPARE(m_f->hall.rows(QStringLiteral("select khao, yhm, yk, js, klx from user_lb order by khao")),
             (QStringList{QStringLiteral("A002|王五一|140.0|3.0|现金卡"), QStringLiteral("z9||5.0|0.0|优惠卡")}));
    QCOMPARE(m_f->hall.rows(QStringLiteral("select khao, je, js, xm from srmx order by rowid")),
             QStringList{QStringLiteral("A002|140.0|3.0|开户")});
}

void TestMemberForm::failedOpeningRowLeavesNoMember()
{
    QVERIFY(m_f->hall.refuse(QStringLiteral("no_srmx"), QStringLiteral("before insert on srmx"),
                             QStringLiteral("srmx refused")));
    MemberFormScreen form(m_f->hall.state, QString());
    type(form, {{0, QStringLiteral("c7")}, {1, QStringLiteral("赵六")}, {7, QStringLiteral("50")}});
    save(form);
    QCOMPARE(m_f->messages.count(), 1);
    QVERIFY(m_f->messages.last().text.contains(QStringLiteral("srmx refused")));
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from user_lb where khao='c7'")).toInt(), 0);
    QCOMPARE(box(form, 0)->text(), QStringLiteral("c7"));
    QCOMPARE(box(form, 7)->text(), QStringLiteral("50"));
}

void TestMemberForm::enterChecks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("taken card") << 0 << "A001" << QStringList{QStringLiteral("卡号重复,请重新输入！")};
    QTest::newRow("free card") << 0 << "A0011" << QStringList();
    QTest::newRow("validity today") << 10 << "2026-12-06" << QStringList{QStringLiteral("日期必须大天当前日期")};
    QTest::newRow("validity tomorrow") << 10 << "2026-12-7" << QStringList();
}

void TestMemberForm::enterChecks()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    MemberFormScreen form(m_f->hall.state, QString());
    box(form, index)->setText(text);
    QTest::keyClick(box(form, index), Qt::Key_Return);
    QCOMPARE(m_f->messages.texts(), messages);
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from user_lb")).toInt(), 1);
}

QTEST_MAIN(TestMemberForm)
#include "test_member_form.moc"
