#include "base/Sql.h"
#include "data/ParameterEditor.h"
#include "base/Parameters.h"
#include "support/TestHall.h"

#include <QTest>

namespace {

// Every row as "name=value/group/help", in id order.
QStringList storedRows(TestHall& hall)
{
    QSqlQuery query(hall.db());
    QStringList rows;
    if (!Sql::exec(query, QStringLiteral("select sm, valuenr, lx, tooltiptext from stcs order by id")))
        return {QStringLiteral("query failed")};
    while (query.next())
        rows.append(query.value(0).toString() + QLatin1Char('=') + query.value(1).toString() + QLatin1Char('/') +
                    query.value(2).toString() + QLatin1Char('/') + query.value(3).toString());
    return rows;
}

int countNamed(TestHall& hall, const QString& name)
{
    return Sql::scalar(hall.db(), QStringLiteral("select count(*) from stcs where sm=?"), {name}).toInt();
}

QVariant storedValue(TestHall& hall, qint64 id)
{
    return Sql::scalar(hall.db(), QStringLiteral("select valuenr from stcs where id=?"), {id});
}

qint64 insertRow(TestHall& hall, const QString& name, const QString& value, const QString& group)
{
    hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx,tooltiptext) values (?,?,?,?)"),
              {name, value, group, QString(name + QStringLiteral("说明"))});
    return Sql::scalar(hall.db(), QStringLiteral("select max(id) from stcs")).toLongLong();
}

} // namespace

class ParameterEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void createsMissingGroupsOnce();
    void checksEachGroupByItsFirstRow_data();
    void checksEachGroupByItsFirstRow();
    void createsNothingWhenAnInsertFails();
    void listsAllButHiddenRows();
    void saves_data();
    void saves();
    void savesNothingWhenAnUpdateFails();
};

void ParameterEditorTest::createsMissingGroupsOnce()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QStringList expected;
    for (const auto& group : createdParameterGroups())
        for (const ParameterRow& row : group)
            expected.append(row.name + QLatin1Char('=') + row.value + QLatin1Char('/') + row.group + QLatin1Char('/') +
                            row.helpText);
    QCOMPARE(expected.size(), 15);
    QCOMPARE(expected.first(),
             QStringLiteral("跨时段计费最低计费标准方式=1/st/"
                            "0前段后段都使用最低计费标准  1前段使用最低计费标准 2 后段使用最低计费标准"));
    QCOMPARE(expected.at(2), QStringLiteral("串口读卡器使用标记=0/dkq/0不使用， 1为使用"));
    QCOMPARE(expected.last(), QStringLiteral("网格高度=450/st/设置显示网格高度"));

    QVERIFY(ParameterEditor::createMissingRows(hall.db()));
    QCOMPARE(storedRows(hall), expected);
    QVERIFY(ParameterEditor::createMissingRows(hall.db()));
    QCOMPARE(storedRows(hall), expected);
}

void ParameterEditorTest::checksEachGroupByItsFirstRow_data()
{
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("counted");
    QTest::addColumn<int>("count");

    QTest::newRow("first row present, later rows not repaired") << "会员卡号长度"
                                                                << "会员押金金额" << 0;
    QTest::newRow("first row present, itself not doubled") << "会员卡号长度"
                                                           << "会员卡号长度" << 1;
    QTest::newRow("first row of the reader group present") << "串口读卡器使用标记"
                                                           << "读卡器传输速率" << 0;
    QTest::newRow("later row present, group still created") << "提醒时间到达是否提示结帐"
                                                            << "提醒时间到达是否提示结帐" << 2;
    QTest::newRow("other groups created") << "会员卡号长度"
                                          << "网格高度" << 1;
}

void ParameterEditorTest::checksEachGroupByItsFirstRow()
{
    QFETCH(QString, present);
    QFETCH(QString, counted);
    QFETCH(int, count);

    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    insertRow(hall, present, QStringLiteral("8"), QStringLiteral("st"));
    QVERIFY(ParameterEditor::createMissingRows(hall.db()));
    QCOMPARE(countNamed(hall, counted), count);
}

void ParameterEditorTest::createsNothingWhenAnInsertFails()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("create trigger refuse before insert on stcs when new.sm='网格高度' "
                                     "begin select raise(abort, 'refused'); end")));
    const Result result = ParameterEditor::createMissingRows(hall.db());
    QVERIFY(!result);
    QVERIFY(result.message().contains(QStringLiteral("refused")));
    QCOMPARE(storedRows(hall), QStringList{});
}

void ParameterEditorTest::listsAllButHiddenRows()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    const qint64 st = insertRow(hall, QStringLiteral("公司名称"), QStringLiteral("台球"), QStringLiteral("st"));
    insertRow(hall, QStringLiteral("灯光口令"), QStringLiteral("x"), QStringLiteral("dkset"));
    const qint64 dk = insertRow(hall, QStringLiteral("传输速率"), QStringLiteral("1200,n,8,1"), QStringLiteral("dk"));
    const qint64 dkq = insertRow(hall, QStringLiteral("读卡器串口号设置"), QStringLiteral("2"), QStringLiteral("dkq"));
    QVERIFY(hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values ('电话',null,'st')")));

    QList<ParameterEditor::Entry> rows;
    QVERIFY(ParameterEditor::listRows(hall.db(), rows));
    QCOMPARE(rows.size(), 4);
    const QList<qint64> ids = {rows[0].id, rows[1].id, rows[2].id};
    QCOMPARE(ids, (QList<qint64>{st, dk, dkq}));
    QCOMPARE(rows[1].name, QStringLiteral("传输速率"));
    QCOMPARE(rows[1].value, QStringLiteral("1200,n,8,1"));
    QCOMPARE(rows[1].helpText, QStringLiteral("传输速率说明"));
    QCOMPARE(rows[3].value, QString());
    QVERIFY(rows[3].helpText.isNull());
}

void ParameterEditorTest::saves_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<QString>("storedFirst");
    QTest::addColumn<QString>("storedSecond");

    QTest::newRow("both saved") << "600"
                                << "7" << QStringList{} << "600"
                                << "7";
    QTest::newRow("trimmed") << "  600 "
                             << "7" << QStringList{} << "600"
                             << "7";
    QTest::newRow("empty refused, other saved") << ""
                                                << "7" << QStringList{QStringLiteral("网格高度")} << "450"
                                                << "7";
    QTest::newRow("both empty") << ""
                                << "" << QStringList{QStringLiteral("网格高度"), QStringLiteral("公司名称")} << "450"
                                << "台球";
    QTest::newRow("single quote") << "1"
                                  << "O'Neil's 台球" << QStringList{} << "1"
                                  << "O'Neil's 台球";
    QTest::newRow("only spaces stored empty") << "   "
                                              << "7" << QStringList{} << ""
                                              << "7";
}

void ParameterEditorTest::saves()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, refused);
    QFETCH(QString, storedFirst);
    QFETCH(QString, storedSecond);

    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    const qint64 grid = insertRow(hall, QStringLiteral("网格高度"), QStringLiteral("450"), QStringLiteral("st"));
    const qint64 company = insertRow(hall, QStringLiteral("公司名称"), QStringLiteral("台球"), QStringLiteral("st"));
    QStringList refusedNames;
    QVERIFY(ParameterEditor::save(
        hall.db(), {{grid, QStringLiteral("网格高度"), first}, {company, QStringLiteral("公司名称"), second}},
        refusedNames));
    QCOMPARE(refusedNames, refused);
    QCOMPARE(storedValue(hall, grid), QVariant(storedFirst));
    QCOMPARE(storedValue(hall, company), QVariant(storedSecond));
    QCOMPARE(Sql::scalar(hall.db(), QStringLiteral("select count(*) from stcs where valuenr is null")).toInt(), 0);
}

void ParameterEditorTest::savesNothingWhenAnUpdateFails()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    const qint64 grid = insertRow(hall, QStringLiteral("网格高度"), QStringLiteral("450"), QStringLiteral("st"));
    const qint64 company = insertRow(hall, QStringLiteral("公司名称"), QStringLiteral("台球"), QStringLiteral("st"));
    QVERIFY(hall.exec(QStringLiteral("create trigger refuse before update on stcs when new.valuenr='bad' "
                                     "begin select raise(abort, 'refused'); end")));
    QStringList refusedNames;
    const Result result = ParameterEditor::save(hall.db(),
                                                {{grid, QStringLiteral("网格高度"), QStringLiteral("600")},
                                                 {company, QStringLiteral("公司名称"), QStringLiteral("bad")}},
                                                refusedNames);
    QVERIFY(!result);
    QCOMPARE(storedValue(hall, grid), QVariant(QStringLiteral("450")));
}

QTEST_GUILESS_MAIN(ParameterEditorTest)
#include "test_parameter_editor.moc"
