#include "admin/Frm_czy_add.h"
#include "admin/Frm_czy_setup.h"
#include "base/Sql.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QString ScreenName = QStringLiteral("操作员权限设置");
const QString Caption = QStringLiteral("权限设置");

QStringList childTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

} // namespace

class TestFrmCzySetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void logsOpeningAndClosing();
    void treeShowsGrantedGroups();
    void rightsStoredInElementOrder_data();
    void rightsStoredInElementOrder();
    void groupBoxGrantsAndWithdraws_data();
    void groupBoxGrantsAndWithdraws();
    void systemOperatorBoxesAreDisabled();
    void discountLimit_data();
    void discountLimit();
    void addRefusesEmptyAndDuplicateNames_data();
    void addRefusesEmptyAndDuplicateNames();
    void addedOperatorJoinsTheTree();
    void systemOperatorIsProtected_data();
    void systemOperatorIsProtected();
    void deleteAndClearAskFirst_data();
    void deleteAndClearAskFirst();

private:
    void addOperator(const QString& name, const QVariantList& rights = {}, const QVariant& zk = {});
    Frm_czy_setup* open();
    QTreeWidgetItem* operatorNode(const QString& name);
    void select(const QString& name, const QString& group = {});
    QVariant column(const QString& name, const QString& column);
    template <typename T>
    T* control(const QString& name)
    {
        T* found = m_screen->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Frm_czy_setup> m_screen;
};

void TestFrmCzySetup::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>();
    m_messages = std::make_unique<MessageRecorder>();
    QVERIFY(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, czy_pass, sys_tag, zhda, fjda, zwcl, bbsc, "
                                        "xtgl, zk) values ('system', '1234', 1, 'ABCDEF', 'ABCDEF', 'ABCDEFGHIJK', "
                                        "'ABCDE', 'ABCDEF', 0)")));
    m_hall->loginAs(QStringLiteral("system"));
}

void TestFrmCzySetup::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestFrmCzySetup::addOperator(const QString& name, const QVariantList& rights, const QVariant& zk)
{
    QVariantList values{name};
    for (int i = 0; i < 5; ++i)
        values.append(i < rights.size() ? rights.at(i) : QVariant());
    values.append(zk);
    QVERIFY2(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, czy_pass, sys_tag, zhda, fjda, zwcl, bbsc, "
                                         "xtgl, zk) values (?, 'abc', 0, ?, ?, ?, ?, ?, ?)"),
                          values),
             qPrintable(m_hall->error()));
}

Frm_czy_setup* TestFrmCzySetup::open()
{
    m_screen = std::make_unique<Frm_czy_setup>(m_hall->state);
    m_screen->show();
    return m_screen.get();
}

QTreeWidgetItem* TestFrmCzySetup::operatorNode(const QString& name)
{
    auto* tree = control<QTreeWidget>(QStringLiteral("Tree"));
    const QList<QTreeWidgetItem*> found = tree->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void TestFrmCzySetup::select(const QString& name, const QString& group)
{
    QTreeWidgetItem* node = operatorNode(name);
    QVERIFY(node);
    if (!group.isEmpty()) {
        QTreeWidgetItem* parent = node;
        node = nullptr;
        for (int i = 0; i < parent->childCount(); ++i) {
            if (parent->child(i)->text(0) == group)
                node = parent->child(i);
        }
        QVERIFY(node);
    }
    control<QTreeWidget>(QStringLiteral("Tree"))->setCurrentItem(node);
}

QVariant TestFrmCzySetup::column(const QString& name, const QString& column)
{
    return Sql::scalar(m_hall->db(),
                       QStringLiteral("select ") + column + QStringLiteral(" from czyzd where czy_name = ?"), {name});
}

void TestFrmCzySetup::logsOpeningAndClosing()
{
    m_clock->set(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    open();
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select czyname || '|' || czyxm || '|' || init_time || '|' || "
                                                      "ifnull(last_time, 'open') from czyrzh")),
             QVariant(QStringLiteral("system|") + ScreenName + QStringLiteral("|2026-12-06 09:30:00|open")));
    m_clock->set(QDateTime(QDate(2026, 12, 6), QTime(9, 45)));
    control<QAction>(QStringLiteral("exit"))->trigger();
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select last_time from czyrzh")),
             QVariant(QStringLiteral("2026-12-06 09:45:00")));
}

void TestFrmCzySetup::treeShowsGrantedGroups()
{
    addOperator(QStringLiteral("clerk  "),
                {QStringLiteral("A"), QVariant(), QStringLiteral(" "), QVariant(), QStringLiteral("")});
    addOperator(QStringLiteral("guest"));
    open();
    auto* tree = control<QTreeWidget>(QStringLiteral("Tree"));
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(childTexts(operatorNode(QStringLiteral("system"))),
             (QStringList{QStringLiteral("会员管理"), QStringLiteral("商品管理"), QStringLiteral("操作员管理"),
                          QStringLiteral("销售处理"), QStringLiteral("查  询")}));
    QCOMPARE(childTexts(operatorNode(QStringLiteral("clerk"))),
             (QStringList{QStringLiteral("会员管理"), QStringLiteral("操作员管理"), QStringLiteral("查  询")}));
    QCOMPARE(operatorNode(QStringLiteral("guest"))->childCount(), 0);
}

void TestFrmCzySetup::rightsStoredInElementOrder_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("array");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("expected");

    QTest::newRow("members, ticked backwards")
        << QStringLiteral("会员管理") << QStringLiteral("zhda") << QStringLiteral("Check_khda") << QStringLiteral(" ")
        << QList<int>{5, 2, 0} << QStringLiteral("ACF");
    QTest::newRow("operators, ticked out of order")
        << QStringLiteral("操作员管理") << QStringLiteral("zwcl") << QStringLiteral("Check_zwcl") << QStringLiteral(" ")
        << QList<int>{10, 1, 7, 3} << QStringLiteral("BDHK");
    QTest::newRow("goods, one added to stored letters")
        << QStringLiteral("商品管理") << QStringLiteral("fjda") << QStringLiteral("Check_fjda") << QStringLiteral("CE")
        << QList<int>{0} << QStringLiteral("ACE");
    QTest::newRow("sales, one cleared") << QStringLiteral("销售处理") << QStringLiteral("bbsc")
                                        << QStringLiteral("Check_bbsc") << QStringLiteral("ABD") << QList<int>{1}
                                        << QStringLiteral("AD");
    QTest::newRow("queries, all cleared stays granted")
        << QStringLiteral("查  询") << QStringLiteral("xtgl") << QStringLiteral("Check_xtgl") << QStringLiteral("B")
        << QList<int>{1} << QStringLiteral("");
}

void TestFrmCzySetup::rightsStoredInElementOrder()
{
    QFETCH(QString, group);
    QFETCH(QString, column);
    QFETCH(QString, array);
    QFETCH(QString, stored);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, expected);
    addOperator(QStringLiteral("clerk"), {stored, stored, stored, stored, stored});
    open();
    select(QStringLiteral("clerk"), group);
    for (int element : clicks) {
        auto* box = control<QCheckBox>(array + QLatin1Char('_') + QString::number(element));
        QVERIFY(box->isVisible());
        QVERIFY(box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    const QVariant value = this->column(QStringLiteral("clerk"), column);
    QVERIFY(!value.isNull());
    QCOMPARE(value.toString(), expected);
    QCOMPARE(m_messages->count(), 0);
}

void TestFrmCzySetup::groupBoxGrantsAndWithdraws_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("column");
    const char* columns[] = {"zhda", "fjda", "zwcl", "bbsc", "xtgl"};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("%s", columns[i]) << i << QString::fromLatin1(columns[i]);
}

// Withdrawing a group clears its letters; granting it again starts it blank.
void TestFrmCzySetup::groupBoxGrantsAndWithdraws()
{
    QFETCH(int, group);
    QFETCH(QString, column);
    addOperator(QStringLiteral("clerk"), {QStringLiteral("AB"), QStringLiteral("AB"), QStringLiteral("AB"),
                                          QStringLiteral("AB"), QStringLiteral("AB")});
    open();
    QTreeWidgetItem* node = operatorNode(QStringLiteral("clerk"));
    const QStringList allGroups = childTexts(node);
    select(QStringLiteral("clerk"), allGroups.at(group));
    auto* box = control<QCheckBox>(QStringLiteral("Check_") + QString::number(group));
    QVERIFY(box->isChecked());
    QVERIFY(box->isEnabled());

    box->click();
    QVERIFY(this->column(QStringLiteral("clerk"), column).isNull());
    QCOMPARE(node->childCount(), 4);
    QVERIFY(!childTexts(node).contains(allGroups.at(group)));
    QCOMPARE(control<QTreeWidget>(QStringLiteral("Tree"))->currentItem(), node);

    box->click();
    QCOMPARE(this->column(QStringLiteral("clerk"), column), QVariant(QStringLiteral(" ")));
    QCOMPARE(childTexts(node), allGroups);
}

void TestFrmCzySetup::systemOperatorBoxesAreDisabled()
{
    open();
    select(QStringLiteral("system"), QStringLiteral("操作员管理"));
    QVERIFY(control<QCheckBox>(QStringLiteral("Check_zwcl_10"))->isChecked());
    for (int i = 0; i < 11; ++i)
        QVERIFY(!control<QCheckBox>(QStringLiteral("Check_zwcl_") + QString::number(i))->isEnabled());
    for (int i = 0; i < 5; ++i) {
        QVERIFY(control<QCheckBox>(QStringLiteral("Check_") + QString::number(i))->isChecked());
        QVERIFY(!control<QCheckBox>(QStringLiteral("Check_") + QString::number(i))->isEnabled());
    }
}

void TestFrmCzySetup::discountLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("message");

    const QString saved = QStringLiteral("clerk 最大折扣率保存完成。");
    const QString wrong = QStringLiteral("折扣率设置错误，请重新设置。");
    QTest::newRow("8.5") << QStringLiteral("8.5") << QVariant(8.5) << saved;
    QTest::newRow("0") << QStringLiteral("0") << QVariant(0.0) << saved;
    QTest::newRow("just below ten") << QStringLiteral("9.9") << QVariant(9.9) << saved;
    QTest::newRow("ten") << QStringLiteral("10") << QVariant() << wrong;
    QTest::newRow("negative") << QStringLiteral("-1") << QVariant() << wrong;
}

void TestFrmCzySetup::discountLimit()
{
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(QString, message);
    addOperator(QStringLiteral("clerk"));
    open();
    select(QStringLiteral("clerk"));
    auto* txtzk = control<QLineEdit>(QStringLiteral("Txtzk"));
    QCOMPARE(txtzk->text(), QString());
    txtzk->clear();
    QTest::keyClicks(txtzk, typed);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList{message});
    const QVariant zk = column(QStringLiteral("clerk"), QStringLiteral("zk"));
    QCOMPARE(zk.isNull(), stored.isNull());
    if (!stored.isNull())
        QCOMPARE(zk.toDouble(), stored.toDouble());

    select(QStringLiteral("system"));
    select(QStringLiteral("clerk"));
    QCOMPARE(txtzk->text(), stored.isNull() ? QString() : typed);
}

void TestFrmCzySetup::addRefusesEmptyAndDuplicateNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QString() << QStringLiteral("操作员姓名不可以为空！");
    QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral("操作员姓名不可以为空！");
    QTest::newRow("existing") << QStringLiteral("clerk") << QStringLiteral("操作员姓名不可以重复！");
    QTest::newRow("existing, typed with blanks")
        << QStringLiteral(" clerk ") << QStringLiteral("操作员姓名不可以重复！");
}

void TestFrmCzySetup::addRefusesEmptyAndDuplicateNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    addOperator(QStringLiteral("clerk"));
    Frm_czy_add dialog(m_hall->state);
    QSignalSpy added(&dialog, &Frm_czy_add::operatorAdded);
    dialog.show();
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("text")), typed);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->last().caption, Caption);
    QVERIFY(dialog.isVisible());
    QCOMPARE(added.count(), 0);
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select count(*) from czyzd")).toInt(), 2);
}

void TestFrmCzySetup::addedOperatorJoinsTheTree()
{
    open();
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<Frm_czy_add*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("text"))->insert(QStringLiteral(" 新人 "));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    control<QAction>(QStringLiteral("append"))->trigger();
    QCOMPARE(m_messages->count(), 0);

    const QString name = QStringLiteral("新人");
    QCOMPARE(Sql::scalar(m_hall->db(),
                         QStringLiteral("select sys_tag || '|' || zhda || fjda || zwcl || bbsc || xtgl || '|' || "
                                        "ifnull(czy_pass, 'null') || ifnull(zk, 'null') from czyzd where czy_name = ?"),
                         {name}),
             QVariant(QStringLiteral("0|     |nullnull")));
    QTreeWidgetItem* node = operatorNode(name);
    QVERIFY(node);
    QCOMPARE(node->childCount(), 5);
    QCOMPARE(control<QTreeWidget>(QStringLiteral("Tree"))->currentItem(), node);
    QVERIFY(control<QCheckBox>(QStringLiteral("Check_2"))->isEnabled());
}

void TestFrmCzySetup::systemOperatorIsProtected_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("delete") << QStringLiteral("dele") << QStringLiteral("不可以删除系统管理员！");
    QTest::newRow("clear password") << QStringLiteral("password") << QStringLiteral("不可以清除系统管理员的口令！");
}

void TestFrmCzySetup::systemOperatorIsProtected()
{
    QFETCH(QString, action);
    QFETCH(QString, message);
    open();
    select(QStringLiteral("system"), QStringLiteral("查  询"));
    control<QAction>(action)->trigger();
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->last().caption, Caption);
    QCOMPARE(column(QStringLiteral("system"), QStringLiteral("czy_pass")), QVariant(QStringLiteral("1234")));
    QVERIFY(operatorNode(QStringLiteral("system")));
}

void TestFrmCzySetup::deleteAndClearAskFirst_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("after"); // ifnull(czy_pass, 'null'), or 'gone'

    const QString del = QStringLiteral("是否删除操作员'clerk'？");
    const QString clear = QStringLiteral("是否清除操作员'clerk'的口令？");
    QTest::newRow("delete, yes") << QStringLiteral("dele") << true << del << QStringLiteral("gone");
    QTest::newRow("delete, no") << QStringLiteral("dele") << false << del << QStringLiteral("abc");
    QTest::newRow("clear, yes") << QStringLiteral("password") << true << clear << QString();
    QTest::newRow("clear, no") << QStringLiteral("password") << false << clear << QStringLiteral("abc");
}

void TestFrmCzySetup::deleteAndClearAskFirst()
{
    QFETCH(QString, action);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QString, after);
    addOperator(QStringLiteral("clerk "), {QStringLiteral("A")});
    open();
    select(QStringLiteral("clerk"), QStringLiteral("会员管理"));
    m_messages->answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    control<QAction>(action)->trigger();
    QCOMPARE(m_messages->texts(), QStringList{question});
    QCOMPARE(m_messages->last().icon, Messages::Icon::Question);

    const QVariant password = Sql::scalar(
        m_hall->db(), QStringLiteral("select ifnull(czy_pass, 'null') from czyzd where czy_name = 'clerk '"));
    QCOMPARE(password.isValid() ? password.toString() : QStringLiteral("gone"), after);
    QCOMPARE(operatorNode(QStringLiteral("clerk")) != nullptr, after != QStringLiteral("gone"));
}

QTEST_MAIN(TestFrmCzySetup)
#include "test_frm_czy_setup.moc"
