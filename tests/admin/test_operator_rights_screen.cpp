#include "core/admin/OperatorStore.h"
#include "core/admin/OwnerPassword.h"
#include "core/base/PasswordHash.h"
#include "core/billing/DiscountCheck.h"
#include "support/HallFixture.h"
#include "ui/admin/OperatorAddDialog.h"
#include "ui/admin/OperatorRightsScreen.h"
#include "ui/admin/OwnerPasswordDialog.h"
#include "ui/admin/PasswordChangeDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using Refusal = OperatorStore::Refusal;
Q_DECLARE_METATYPE(OperatorStore::Refusal)

namespace {

// name:password:limit of every operator, in the order they were written.
QString operators(HallFixture& f)
{
    QStringList rows = f.hall.rows(QStringLiteral("select czy_name, case when czy_pass like '$argon2%' then 'hash' "
                                                  "else coalesce(czy_pass, '-') end, zk from czyzd order by rowid"));
    for (QString& row : rows) {
        row.replace(QLatin1Char('|'), QLatin1Char(':'));
        if (row.endsWith(QLatin1Char(':')))
            row.append(QLatin1Char('-')); // no limit
    }
    return rows.join(QLatin1Char('|'));
}

void select(OperatorRightsScreen& screen, const QString& name, const QString& group = {})
{
    auto* tree = control<QTreeWidget>(&screen, QStringLiteral("Tree"));
    QTreeWidgetItem* node = tree->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(node);
    for (int i = 0; i < node->childCount() && !group.isEmpty(); ++i) {
        if (node->child(i)->text(0) == group)
            node = node->child(i);
    }
    tree->setCurrentItem(node);
}

const QString WrongOld = QStringLiteral("输入原口令不正确,请重新输入!");
const QString Changed = QStringLiteral("变更口令成功，按任意键返回！");

QLineEdit* box(const QObject* screen, int element)
{
    return control<QLineEdit>(screen, QStringLiteral("passwordEdit_") + QString::number(element));
}

} // namespace

// The operators: the rules on OperatorStore and the discount limit they
// keep, with the rights screen only for its wiring; the password change,
// whose comparison is the login's rule, and the owner's view password.
class TestFrmCzySetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void storeRules_data();
    void storeRules();
    void rightsBoxesStoreTheirLetters_data();
    void rightsBoxesStoreTheirLetters();
    void command_data();
    void command();
    void addDialogRefusesAndAdds();
    void rateAgainstLimit_data();
    void rateAgainstLimit();
    void confirm_data();
    void confirm();
    void thirdWrongOldPasswordClosesTheScreen();
    void ownerPassword_data();
    void ownerPassword();

private:
    std::unique_ptr<HallFixture> m_f;
};

void TestFrmCzySetup::init()
{
    m_f.reset(); // its message recorder must be gone before the next one is installed
    m_f = std::make_unique<HallFixture>();
    QVERIFY(m_f->hall.exec(QStringLiteral("insert into czyzd (czy_name, czy_pass, sys_tag, zhda, fjda, zwcl, bbsc, "
                                          "xtgl) values ('clerk ', 'abc', 0, 'AB', 'AB', 'AB', 'AB', 'AB')")));
}

void TestFrmCzySetup::storeRules_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<QString>("value"); // the typed name, the operator or the limit
    QTest::addColumn<QString>("rows");  // name:password:limit of every operator afterwards
    const QString before = QStringLiteral("system:hash:0.0|clerk :abc:-");
    QTest::newRow("add: empty name") << "add" << Refusal::EmptyName << "" << before;
    QTest::newRow("add: existing, trimmed") << "add" << Refusal::DuplicateName << " clerk" << before;
    QTest::newRow("add: new, trimmed") << "add" << Refusal::None << " 新人 " << before + QStringLiteral("|新人:-:-");
    const QString longest(OperatorStore::MaxNameLength, QChar(0x5F20));
    QTest::newRow("add: longest name") << "add" << Refusal::None << longest
                                       << before + QLatin1Char('|') + longest + QStringLiteral(":-:-");
    QTest::newRow("add: one too long") << "add" << Refusal::NameTooLong << longest + QLatin1Char('x') << before;
    for (const char16_t c : {u'\n', u'\x1b', u'\x7f', u'\x85', u'\u200b', u'\u200f', u'\u202e', u'\ufeff'})
        QTest::addRow("add: U+%04X inside", unsigned(c))
            << "add" << Refusal::NameHasControlCharacters << QStringLiteral("张") + QChar(c) + QStringLiteral("三")
            << before;
    QTest::newRow("delete system") << "remove" << Refusal::SystemOperator << "system" << before;
    QTest::newRow("clear system's password") << "clear" << Refusal::SystemOperator << "system" << before;
    QTest::newRow("limit 0") << "zk" << Refusal::None << "0" << QStringLiteral("system:hash:0.0|clerk :abc:0.0");
    QTest::newRow("limit below ten") << "zk" << Refusal::None << "9.99"
                                     << QStringLiteral("system:hash:0.0|clerk :abc:9.99");
    for (const char* limit : {"10", "-0.01", "8,5", "1e-50", "8.505"})
        QTest::newRow(limit) << "zk" << Refusal::LimitOutOfRange << limit << before;
}

// A new operator has every group granted with nothing ticked.
void TestFrmCzySetup::storeRules()
{
    QFETCH(QString, change);
    QFETCH(Refusal, refusal);
    QFETCH(QString, value);
    OperatorStore store(m_f->hall.db());
    OperatorStore::Outcome outcome;
    QString added;
    if (change == QLatin1String("add"))
        outcome = store.add(value, &added);
    else if (change == QLatin1String("remove"))
        outcome = store.remove(value);
    else if (change == QLatin1String("clear"))
        outcome = store.clearPassword(value);
    else
        outcome = store.saveDiscountLimit(QStringLiteral("clerk "), value);
    QVERIFY(outcome.result);
    QCOMPARE(outcome.refusal, refusal);
    QTEST(operators(*m_f), "rows");
    if (!added.isEmpty())
        QCOMPARE(m_f->value(QStringLiteral("select sys_tag || zhda || fjda || zwcl || bbsc || xtgl || 'end' "
                                           "from czyzd where czy_name = ?"),
                            {added}),
                 QVariant(QStringLiteral("0     end")));
}

void TestFrmCzySetup::rightsBoxesStoreTheirLetters_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("array");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("letters");
    QTest::newRow("members") << "会员管理" << QStringLiteral("Check_khda") << "zhda" << QList<int>{5, 2, 0} << "BCF";
    QTest::newRow("goods") << "商品管理" << QStringLiteral("Check_fjda") << "fjda" << QList<int>{1, 4} << "AE";
    QTest::newRow("operators") << "操作员管理" << QStringLiteral("Check_zwcl") << "zwcl" << QList<int>{10, 7} << "ABHK";
    QTest::newRow("sales") << "销售处理" << QStringLiteral("Check_bbsc") << "bbsc" << QList<int>{0, 1} << "";
    QTest::newRow("queries") << "查  询" << QStringLiteral("Check_xtgl") << "xtgl" << QList<int>{3} << "ABD";
}

// Boxes are stored as letters in element order, whatever order they were ticked in.
void TestFrmCzySetup::rightsBoxesStoreTheirLetters()
{
    QFETCH(QString, group);
    QFETCH(QString, array);
    QFETCH(QString, column);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, letters);
    OperatorRightsScreen screen(m_f->hall.state);
    screen.show();
    select(screen, QStringLiteral("clerk"), group);
    for (int element : clicks) {
        auto* box = control<QCheckBox>(&screen, array + QLatin1Char('_') + QString::number(element));
        QVERIFY(box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    QCOMPARE(m_f->value(QStringLiteral("select ") + column + QStringLiteral(" from czyzd where rowid = 2")),
             QVariant(letters));

    select(screen, QStringLiteral("system"), group);
    QVERIFY(!control<QCheckBox>(&screen, array + QStringLiteral("_0"))->isEnabled());
    QCOMPARE(m_f->messages.count(), 0);
}

// Refusals are the store's; here each command reaches it and its answer is shown.
void TestFrmCzySetup::command_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("rows");
    QTest::newRow("delete") << "dele" << QStringLiteral("是否删除操作员'clerk'？") << "system:hash:0.0";
    QTest::newRow("clear password") << "password" << QStringLiteral("是否清除操作员'clerk'的口令？")
                                    << "system:hash:0.0|clerk ::-";
    QTest::newRow("discount limit") << "saveDiscountLimitButton" << QStringLiteral("clerk 最大折扣率保存完成。")
                                    << "system:hash:0.0|clerk :abc:8.5";
}

void TestFrmCzySetup::command()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(QString, rows);
    OperatorRightsScreen screen(m_f->hall.state);
    screen.show();
    select(screen, QStringLiteral("clerk"));
    if (command == QLatin1String("saveDiscountLimitButton")) {
        QTest::keyClicks(control<QLineEdit>(&screen, QStringLiteral("discountLimitEdit")), QStringLiteral("8.5"));
        QTest::mouseClick(control<QPushButton>(&screen, command), Qt::LeftButton);
    } else {
        control<QAction>(&screen, command)->trigger();
    }
    QCOMPARE(m_f->messages.texts(), QStringList{message});
    QCOMPARE(operators(*m_f), rows);
    QCOMPARE(control<QTreeWidget>(&screen, QStringLiteral("Tree"))
                 ->findItems(QStringLiteral("clerk"), Qt::MatchExactly)
                 .isEmpty(),
             !rows.contains(QStringLiteral("clerk")));
}

void TestFrmCzySetup::addDialogRefusesAndAdds()
{
    OperatorAddDialog dialog(m_f->hall.state);
    QSignalSpy added(&dialog, &OperatorAddDialog::operatorAdded);
    dialog.show();
    auto* text = control<QLineEdit>(&dialog, QStringLiteral("text"));
    QTest::keyClicks(text, QStringLiteral("clerk"));
    QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(m_f->messages.texts(), QStringList{QStringLiteral("操作员姓名不可以重复！")});
    QVERIFY(dialog.isVisible());

    text->setText(QStringLiteral(" 新人"));
    QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.first().first().toString(), QStringLiteral("新人"));
    QVERIFY(!dialog.isVisible());
}

void TestFrmCzySetup::rateAgainstLimit_data()
{
    QTest::addColumn<QVariant>("zk");
    QTest::addColumn<double>("rate");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message"); // empty: none shown

    // Limit 8.5 against what is typed at checkout is checked there.
    QTest::newRow("0: just below ten") << QVariant(0.0) << 9.99 << true << QString();
    // A limit saved through a float lies below the typed 8.7: it must still admit it.
    QTest::newRow("8.7 stored as a float") << QVariant(double(8.7f)) << 8.7 << true << QString();
    QTest::newRow("not set") << QVariant() << 9.0 << false << QStringLiteral("折扣率权限未设定，请重新设定。");
}

void TestFrmCzySetup::rateAgainstLimit()
{
    QFETCH(QVariant, zk);
    QFETCH(double, rate);
    QFETCH(QString, message);
    // The operator's stored name carries a blank; the logged-in name is trimmed.
    TestHall& hall = m_f->hall;
    QVERIFY(hall.exec(QStringLiteral("update czyzd set zk = ? where czy_name = 'clerk '"), {zk}));

    const DiscountCheck check = checkDiscount(hall.db(), QStringLiteral("clerk"), DiscountRate(rate));
    QTEST(check.allowed, "accepted");
    QCOMPARE(check.notice.text, message);
    if (!message.isEmpty())
        QCOMPARE(check.notice.icon, Messages::Icon::Exclamation);

    // An operator without a row is refused without a word; a failed query
    // refuses with the error.
    QCOMPARE(checkDiscount(hall.db(), QStringLiteral("nobody"), DiscountRate()).allowed, false);
    QVERIFY(checkDiscount(hall.db(), QStringLiteral("nobody"), DiscountRate()).notice.isEmpty());
    QVERIFY(hall.dropTable(QStringLiteral("czyzd")));
    const DiscountCheck failed = checkDiscount(hall.db(), QStringLiteral("clerk"), DiscountRate());
    QVERIFY(!failed.allowed);
    QCOMPARE(failed.notice.icon, Messages::Icon::Critical);
}

void TestFrmCzySetup::confirm_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("repeat");
    QTest::newRow("changed") << " ABC" << Changed << "xyz ";
    QTest::newRow("old password wrong") << "abd" << WrongOld << "xyz";
    QTest::newRow("repeat differs") << "abc" << QStringLiteral("新口令两次不一致,请重新输入!") << "xy";
}

void TestFrmCzySetup::confirm()
{
    QFETCH(QString, old);
    QFETCH(QString, message);
    QFETCH(QString, repeat);
    m_f->hall.loginAs(QStringLiteral("clerk"), QStringLiteral("全天"), QDate(2026, 12, 6), false);
    PasswordChangeDialog screen(m_f->hall.state);
    screen.show();
    QTest::keyClicks(box(&screen, 0), old);
    QTest::keyClicks(box(&screen, 1), QStringLiteral("xyz"));
    QTest::keyClicks(box(&screen, 2), repeat);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("confirmButton")), Qt::LeftButton);

    QCOMPARE(m_f->messages.texts(), QStringList{message});
    QCOMPARE(screen.isVisible(), message != Changed);
    const QString stored =
        m_f->value(QStringLiteral("select czy_pass from czyzd where czy_name = 'clerk '")).toString();
    if (message == Changed)
        QCOMPARE(PasswordHash::verify(stored, QStringLiteral("XYZ")), PasswordHash::Check::Match);
    else
        QCOMPARE(stored, QStringLiteral("abc"));
    const QString others =
        m_f->value(QStringLiteral("select czy_pass from czyzd where czy_name = 'system'")).toString();
    QCOMPARE(PasswordHash::verify(others, QStringLiteral("1234")), PasswordHash::Check::Match);
}

void TestFrmCzySetup::thirdWrongOldPasswordClosesTheScreen()
{
    m_f->hall.loginAs(QStringLiteral("clerk"), QStringLiteral("全天"), QDate(2026, 12, 6), false);
    PasswordChangeDialog screen(m_f->hall.state);
    screen.show();
    for (const char* typed : {"x", "y", "z"}) {
        box(&screen, 0)->setText(QString::fromLatin1(typed));
        QTest::keyClick(box(&screen, 0), Qt::Key_Return);
    }
    QCOMPARE(m_f->messages.texts(),
             (QStringList{WrongOld, WrongOld, QStringLiteral("对不起,您无权变更操作员'clerk'的口令!")}));
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_f->value(QStringLiteral("select czy_pass from czyzd where czy_name = 'clerk '")).toString(),
             QStringLiteral("abc"));
}

void TestFrmCzySetup::ownerPassword_data()
{
    QTest::addColumn<bool>("systemOperator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored"); // the password that opens the view afterwards, empty when off
    const auto row = [](const char* name, bool systemOperator, const char* typed, const char* repeat,
                        const char* message, const char* stored) {
        QTest::newRow(name) << systemOperator << typed << repeat << message << stored;
    };
    row("set, blanks kept", true, " s3cret", " s3cret", "店主网页口令已设置。", " s3cret");
    row("repeat differs", true, "s3cret", "s3cret ", "两次输入的口令不一致，请重新输入！", "old");
    row("cleared", true, "", "", "店主网页口令已清除，店主网页已关闭。", "");
    row("not the system operator", false, "x", "x", "只有系统操作员可以设置店主网页口令！", "old");
}

void TestFrmCzySetup::ownerPassword()
{
    QFETCH(bool, systemOperator);
    QFETCH(QString, typed);
    QFETCH(QString, repeat);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    m_f->hall.loginAs(QStringLiteral("clerk"), QStringLiteral("全天"), QDate(2026, 12, 6), false);
    QVERIFY(OwnerPassword::set(m_f->hall.db(), QStringLiteral("old")));
    m_f->hall.state.IsSystemOperator = systemOperator;
    OwnerPasswordDialog screen(m_f->hall.state);
    screen.show();
    QTest::keyClicks(box(&screen, 0), typed);
    QTest::keyClicks(box(&screen, 1), repeat);
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("confirmButton")), Qt::LeftButton);

    QCOMPARE(m_f->messages.texts(), QStringList{message});
    const ResultOf<QString> hash = OwnerPassword::storedHash(m_f->hall.db());
    QVERIFY(hash);
    if (stored.isEmpty())
        QVERIFY(hash->isEmpty());
    else
        QCOMPARE(PasswordHash::verify(*hash, stored), PasswordHash::Check::Match);
    const bool changed = stored != QLatin1String("old");
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from czyrzh where czyxm like '店主网页口令__'")).toInt(),
             changed ? 1 : 0);
}

QTEST_MAIN(TestFrmCzySetup)
#include "test_operator_rights_screen.moc"
