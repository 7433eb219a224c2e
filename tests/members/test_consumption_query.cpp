#include "core/members/ConsumptionCondition.h"
#include "support/HallFixture.h"
#include "ui/base/NumberDelegate.h"
#include "ui/members/ConsumptionDetailScreen.h"
#include "ui/members/ConsumptionTotalsScreen.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

class TestConsumptionQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void conditions_data();
    void conditions();
    void refusedValuesRunNothing_data();
    void refusedValuesRunNothing();
    void onlyDictionaryFieldsAndListedOperators_data();
    void onlyDictionaryFieldsAndListedOperators();
    void detailColumnsAddedOnce();
    void summaryShowsMoneyWithCents();

private:
    std::unique_ptr<HallFixture> m_f;
};

namespace {

const QString Injection = QStringLiteral("' or '1'='1");

// Rows as "caption|operator|value|joiner" into the screen's condition rows.
void typeConditions(ConsumptionScreen& screen, const QStringList& rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList parts = rows.at(i).split(QLatin1Char('|'));
        control<QComboBox>(&screen, QStringLiteral("fieldCombo_%1").arg(i))->setCurrentText(parts.at(0));
        control<QComboBox>(&screen, QStringLiteral("operatorCombo_%1").arg(i))->setCurrentText(parts.at(1));
        control<QLineEdit>(&screen, QStringLiteral("valueEdit_%1").arg(i))->setText(parts.at(2));
        if (parts.size() > 3)
            control<QComboBox>(&screen, QStringLiteral("joinerCombo_%1").arg(i))->setCurrentText(parts.at(3));
    }
}

QStringList rowsOf(std::initializer_list<const char*> rows)
{
    QStringList list;
    for (const char* row : rows)
        list.append(QString::fromUtf8(row));
    return list;
}

// The first column named `field` of every row found, joined by commas.
QString found(const ConsumptionScreen& screen, const QString& field)
{
    const QSqlQueryModel* rows = screen.rows();
    const int column = rows->record().indexOf(field);
    QStringList values;
    for (int r = 0; r < rows->rowCount(); ++r)
        values.append(rows->index(r, column).data().toString());
    return values.join(QLatin1Char(','));
}

} // namespace

void TestConsumptionQuery::init()
{
    m_f.reset();
    m_f = std::make_unique<HallFixture>();
    QVERIFY(m_f->ready() &&
            m_f->hall.exec(QStringLiteral("insert into user_lb (khao, yhm, klx, zk, yk, jslj, jelj) values "
                                          "('8000000001', '张三', '现金卡', 0, 50, 0, 0), "
                                          "('8000000002', '李四', '现金卡', 0, -12.5, 0, 0), "
                                          "('K-ABC', ?, '现金卡', 0, 0, 0, 0)"),
                           {Injection}));
    // Settled visits: ids 1..5; a cash guest's visit (6) belongs to no member.
    QVERIFY(m_f->hall.exec(
        QStringLiteral("insert into waimxd (zhao, khao, ksrc, jsrc, je, rc, czyname) values "
                       "(1, '8000000001', '2026-12-04 23:30:00', '2026-12-05 00:30:00', 20, '2026-12-04', 'system'), "
                       "(2, '8000000001', '2026-12-05 19:00:00', '2026-12-05 21:00:00', 45.5, '2026-12-05', 'system'), "
                       "(3, '8000000002', '2026-12-06 10:00:00', '2026-12-06 11:00:00', 30, '2026-12-06', '张三'), "
                       "(4, 'K-ABC', '2026-12-04 09:00:00', '2026-12-04 10:00:00', 15, '2026-12-04', 'system'), "
                       "(5, '8000000002', '2026-12-04 15:00:00', '2026-12-04 15:30:00', 10, '2026-12-04', 'system'), "
                       "(6, null, '2026-12-04 15:00:00', '2026-12-04 16:00:00', 30, '2026-12-04', 'system')")));
}

void TestConsumptionQuery::conditions_data()
{
    QTest::addColumn<bool>("summary");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected"); // visit ids, or the members' cards of the summary

    QTest::newRow("no value: every member visit") << false << QStringList() << "1,2,3,4,5";
    QTest::newRow("CHAR") << false << rowsOf({"姓名|=|张三"}) << "1,2";
    QTest::newRow("card in other letter case") << false << rowsOf({"卡号|=| k-abc "}) << "4";
    QTest::newRow("typed text stays a value") << false << QStringList{QStringLiteral("姓名|=|") + Injection} << "4";
    QTest::newRow("DATE") << false << rowsOf({"营业日期|>=|2026-12-5"}) << "2,3";
    QTest::newRow("start on a day") << false << rowsOf({"开始时间|=|2026-12-04"}) << "1,4,5";
    QTest::newRow("start from a moment") << false << rowsOf({"开始时间|>=|2026-12-05 19:00:00"}) << "2,3";
    QTest::newRow("NUME") << false << rowsOf({"金额|>|20"}) << "2,3";
    QTest::newRow("并且") << false << rowsOf({"姓名|=|李四|并且", "金额|<|20"}) << "5";
    QTest::newRow("或者") << false << rowsOf({"姓名|=|李四|或者", "金额|<|20"}) << "3,4,5";
    QTest::newRow("empty middle row keeps the joiner")
        << false << rowsOf({"姓名|=|张三|或者", "台号|=|", "营业日期|=|2026-12-06"}) << "1,2,3";
    QTest::newRow("summary, balance below 0") << true << rowsOf({"余额|<|-0.5"}) << "8000000002";
    QTest::newRow("summary, no value") << true << QStringList() << "8000000001,8000000002,K-ABC";
}

void TestConsumptionQuery::conditions()
{
    QFETCH(bool, summary);
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);
    std::unique_ptr<ConsumptionScreen> screen;
    if (summary)
        screen = std::make_unique<ConsumptionTotalsScreen>(m_f->hall.state);
    else
        screen = std::make_unique<ConsumptionDetailScreen>(m_f->hall.state);
    typeConditions(*screen, rows);

    control<QAction>(screen.get(), QStringLiteral("find"))->trigger();

    QStringList got = found(*screen, summary ? QStringLiteral("khao") : QStringLiteral("id")).split(QLatin1Char(','));
    got.sort();
    QCOMPARE(got.join(QLatin1Char(',')), expected);
    QCOMPARE(screen->tabs()->currentIndex(), expected.isEmpty() ? 0 : 1);
    QVERIFY2(expected.isEmpty() || m_f->messages.count() == 0, qPrintable(m_f->messages.texts().join(u'\n')));
}

void TestConsumptionQuery::refusedValuesRunNothing_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* typed, const char* message) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(message);
    };
    row("not a date", "营业日期|>=|2026-02-30", "日期输入错误");
    row("not a moment", "开始时间|>=|2026-12-04 25:00:00", "日期输入错误");
    row("not a number", "金额|>|20 or 1=1", "请输入数字");
    row("exponent", "金额|>|1e1", "请输入数字");
}

void TestConsumptionQuery::refusedValuesRunNothing()
{
    QFETCH(QString, row);
    QFETCH(QString, message);
    ConsumptionDetailScreen screen(m_f->hall.state);
    typeConditions(screen, {QStringLiteral("姓名|=|张三"), row});
    control<QAction>(&screen, QStringLiteral("find"))->trigger();
    QCOMPARE(m_f->messages.texts(), QStringList{message});
    QCOMPARE(screen.rows()->rowCount(), 0);
    QCOMPARE(screen.tabs()->currentIndex(), 0);
}

void TestConsumptionQuery::onlyDictionaryFieldsAndListedOperators_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("code");
    const auto row = [](const char* name, const char* caption, const char* op, const char* code) {
        QTest::newRow(name) << QString::fromUtf8(caption) << QString::fromUtf8(op) << QString::fromUtf8(code);
    };
    row("caption outside the dictionary", "密码", "=", "khao");
    row("operator outside the list", "卡号", "= khao or 1 =", "khao");
    row("operator that is no comparison", "卡号", "is not", "khao");
    row("dictionary code that is no column", "卡号", "=", "1=1 or khao");
}

void TestConsumptionQuery::onlyDictionaryFieldsAndListedOperators()
{
    QFETCH(QString, caption);
    QFETCH(QString, op);
    QFETCH(QString, code);
    const QList<ConsumptionCondition::Field> fields = {{code, QStringLiteral("卡号"), QStringLiteral("CHAR")}};
    const ConsumptionCondition::Built built = ConsumptionCondition::build(
        {{QStringLiteral("卡号"), QStringLiteral("="), QString()}, {caption, op, QStringLiteral("x")}}, fields);
    QVERIFY(!built.condition);
    QCOMPARE(built.badRow, 1);
}

void TestConsumptionQuery::detailColumnsAddedOnce()
{
    for (int i = 0; i < 2; ++i)
        ConsumptionDetailScreen screen(m_f->hall.state);
    QCOMPARE(m_f->value(QStringLiteral("select count(*) from pr_codedict where table_code='hyxf' and "
                                       "colm_code in ('ksrc', 'jsrc', 'sc')"))
                 .toInt(),
             3);
    QCOMPARE(m_f->messages.count(), 0);
}

// The grid's text, as its delegate draws the cell.
QString shown(const QTableView* grid, const QModelIndex& index)
{
    if (const auto* numbers = qobject_cast<const NumberDelegate*>(grid->itemDelegate()))
        return numbers->cellText(index.data(), index.column());
    return qobject_cast<const QStyledItemDelegate*>(grid->itemDelegate())->displayText(index.data(), QLocale());
}

// "1.23517e+06" tells the counter nothing about a member's money.
void TestConsumptionQuery::summaryShowsMoneyWithCents()
{
    QVERIFY(m_f->hall.exec(QStringLiteral("update user_lb set yk=?, jelj=?, jslj=? where khao=?"),
                           {1235167.89, 99999999999.0, 12.345, QStringLiteral("8000000001")}));
    ConsumptionTotalsScreen screen(m_f->hall.state);
    typeConditions(screen, rowsOf({"卡号|=|8000000001"}));
    control<QAction>(&screen, QStringLiteral("find"))->trigger();
    const auto* grid = control<QTableView>(&screen, QStringLiteral("resultGrid"));
    QStringList texts;
    for (const char* field : {"yk", "jelj", "jslj"})
        texts.append(shown(grid, screen.rows()->index(0, screen.rows()->record().indexOf(QLatin1String(field)))));
    QCOMPARE(texts,
             (QStringList{QStringLiteral("1235167.89"), QStringLiteral("99999999999.00"), QStringLiteral("12.345")}));
}

QTEST_MAIN(TestConsumptionQuery)
#include "test_consumption_query.moc"
