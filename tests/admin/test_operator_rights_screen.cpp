#include "core/admin/OperatorStore.h"
#include "support/HallFixture.h"
#include "ui/admin/OperatorAddDialog.h"
#include "ui/admin/OperatorRightsScreen.h"

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

} // namespace

// The operator rules on OperatorStore; the screen only for its wiring.
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
    QFETCH(QString, rows);
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
    QCOMPARE(operators(*m_f), rows);
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

QTEST_MAIN(TestFrmCzySetup)
#include "test_operator_rights_screen.moc"
