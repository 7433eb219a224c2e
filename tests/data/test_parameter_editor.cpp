#include "core/base/Parameters.h"
#include "core/base/Sql.h"
#include "core/data/ParameterEditor.h"
#include "support/TestHall.h"

#include <QTest>

namespace {

// Every row as "name=value", in id order.
QStringList storedRows(TestHall& hall)
{
    return hall.rows(QStringLiteral("select sm || '=' || valuenr from stcs where sm || '=' || valuenr is not null "
                                    "order by id"));
}

qint64 insertRow(TestHall& hall, const QString& name, const QString& value)
{
    hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values (?,?,'st')"), {name, value});
    return Sql::scalar(hall.db(), QStringLiteral("select max(id) from stcs"))->toLongLong();
}

} // namespace

class ParameterEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void createsMissingGroups_data();
    void createsMissingGroups();
    void createsNothingWhenAnInsertFails();
    void saves_data();
    void saves();
};

void ParameterEditorTest::createsMissingGroups_data()
{
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("counted");
    QTest::addColumn<int>("count");
    QTest::newRow("nothing present") << QString() << QStringLiteral("网格高度") << 1;
    QTest::newRow("first row present: group left alone")
        << QStringLiteral("会员卡号长度") << QStringLiteral("会员押金金额") << 0;
    QTest::newRow("first row present: not doubled")
        << QStringLiteral("会员卡号长度") << QStringLiteral("会员卡号长度") << 1;
    QTest::newRow("later row present: group created")
        << QStringLiteral("提醒时间到达是否提示结帐") << QStringLiteral("提醒时间到达是否提示结帐") << 2;
}

// Run twice, as every opening of the editor does.
void ParameterEditorTest::createsMissingGroups()
{
    QFETCH(QString, present);
    QFETCH(QString, counted);
    QFETCH(int, count);
    TestHall hall;
    if (!present.isEmpty())
        insertRow(hall, present, QStringLiteral("8"));
    QVERIFY(ParameterEditor::createMissingRows(hall.db()));
    const QStringList once = storedRows(hall);
    QVERIFY(ParameterEditor::createMissingRows(hall.db()));
    QCOMPARE(storedRows(hall), once);
    QCOMPARE(Sql::scalar(hall.db(), QStringLiteral("select count(*) from stcs where sm=?"), {counted})->toInt(), count);
    if (present.isEmpty()) {
        qsizetype created = 0;
        for (const auto& group : createdParameterGroups())
            created += group.size();
        QCOMPARE(once.size(), created);
    }
}

void ParameterEditorTest::createsNothingWhenAnInsertFails()
{
    TestHall hall;
    QVERIFY(hall.refuse(QStringLiteral("refuse"), QStringLiteral("before insert on stcs"), QStringLiteral("refused"),
                        QStringLiteral("new.sm='网格高度'")));
    const Result result = ParameterEditor::createMissingRows(hall.db());
    QVERIFY(!result && result.message().contains(QStringLiteral("refused")));
    QCOMPARE(storedRows(hall), QStringList{});
}

void ParameterEditorTest::saves_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("ok");
    QTest::newRow("trimmed") << QStringLiteral("  600 ") << QStringLiteral("7") << QStringList{}
                             << QStringList{QStringLiteral("网格高度=600"), QStringLiteral("公司名称=7")} << true;
    QTest::newRow("empty refused, other saved")
        << QString() << QStringLiteral("7") << QStringList{QStringLiteral("网格高度")}
        << QStringList{QStringLiteral("网格高度=450"), QStringLiteral("公司名称=7")} << true;
    QTest::newRow("quotes") << QStringLiteral("1") << QStringLiteral("O'Neil's") << QStringList{}
                            << QStringList{QStringLiteral("网格高度=1"), QStringLiteral("公司名称=O'Neil's")} << true;
    QTest::newRow("a refused update saves nothing")
        << QStringLiteral("600") << QStringLiteral("bad") << QStringList{}
        << QStringList{QStringLiteral("网格高度=450"), QStringLiteral("公司名称=台球")} << false;
}

void ParameterEditorTest::saves()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestHall hall;
    const qint64 grid = insertRow(hall, QStringLiteral("网格高度"), QStringLiteral("450"));
    const qint64 company = insertRow(hall, QStringLiteral("公司名称"), QStringLiteral("台球"));
    QVERIFY(hall.refuse(QStringLiteral("refuse"), QStringLiteral("before update on stcs"), QStringLiteral("refused"),
                        QStringLiteral("new.valuenr='bad'")));
    const ParameterEditor::Saved saved = ParameterEditor::save(
        hall.db(), {{grid, QStringLiteral("网格高度"), first}, {company, QStringLiteral("公司名称"), second}});
    QTEST(bool(saved.result), "ok");
    QTEST(saved.refusedNames, "refused");
    QTEST(storedRows(hall), "stored");
}

QTEST_GUILESS_MAIN(ParameterEditorTest)
#include "test_parameter_editor.moc"
