#include "core/base/Parameters.h"
#include "core/base/Sql.h"
#include "core/data/ParameterEditor.h"
#include "core/data/ParameterLoading.h"
#include "core/data/ShippedRows.h"
#include "support/HallFixture.h"
#include "ui/data/ParametersScreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <variant>

namespace {

using Field = std::variant<QString Parameters::*, bool Parameters::*, qint16 Parameters::*>;

// Where each general parameter must land.
const QHash<QString, Field>& fields()
{
    static const QHash<QString, Field> table = {
        {QStringLiteral("公司名称"), &Parameters::companyName},
        {QStringLiteral("地址"), &Parameters::address},
        {QStringLiteral("电话"), &Parameters::telephone},
        {QStringLiteral("灯光控制"), &Parameters::lightControl},
        {QStringLiteral("打印机类型"), &Parameters::printerType},
        {QStringLiteral("账单是否预览"), &Parameters::previewBill},
        {QStringLiteral("存款口令"), &Parameters::depositPassword},
        {QStringLiteral("打印时是否要选择打印机"), &Parameters::choosePrinter},
        {QStringLiteral("串口号设置"), &Parameters::serialPortNumber},
        {QStringLiteral("跨时段计费最低计费标准方式"), &Parameters::crossBandMinimumMode},
        {QStringLiteral("不计费分钟数"), &Parameters::freeMinutes},
        {QStringLiteral("会员卡号长度"), &Parameters::cardNumberLength},
        {QStringLiteral("会员押金金额"), &Parameters::memberDeposit},
        {QStringLiteral("结帐是否清除显示"), &Parameters::clearOnCheckout},
        {QStringLiteral("报表是否使用结帐标记"), &Parameters::reportsUseMark},
        {QStringLiteral("结算精度设置"), &Parameters::settlementPrecision},
        {QStringLiteral("提醒时间到达是否提示结帐"), &Parameters::reminderOffersCheckout},
        {QStringLiteral("是否自动备份数据库"), &Parameters::BackupOnExit},
        {QStringLiteral("2型打印机字号设置"), &Parameters::printer2FontSize},
        {QStringLiteral("网格高度"), &Parameters::gridRowHeight},
        {QStringLiteral("灯光巡检分钟"), &Parameters::lampRoundMinutes},
    };
    return table;
}

// Every field as "field=value", so that a value in the wrong field shows.
QStringList allFields(const Parameters& params)
{
    QStringList result;
    for (auto it = fields().cbegin(); it != fields().cend(); ++it)
        result.append(
            it.key() + QLatin1Char('=') +
            std::visit([&params](auto field) { return QVariant::fromValue(params.*field).toString(); }, it.value()));
    result.sort();
    return result;
}

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

// The parameters: shipped once, each read into its field, the editor's rows
// made and saved, and the screen between the two.
class ParametersTest : public QObject
{
    Q_OBJECT

private slots:
    void eachParameterLandsInItsField_data();
    void eachParameterLandsInItsField();
    void failedReadFails();
    void wrongHelpTextMended();
    void createsMissingGroups_data();
    void createsMissingGroups();
    void createsNothingWhenAnInsertFails();
    void saves_data();
    void saves();
    void editsReachTheTable();
    void writesOnceAsOneTransaction();
};

// Each row as the value stored and the field's value after reading; a
// value that does not convert keeps the default and names the parameter.
void ParametersTest::eachParameterLandsInItsField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("read"); // empty: wrong
    const QList<QList<QStringList>> values = {
        {{QStringLiteral(" 台球 'X'"), QStringLiteral(" 台球 'X'")}},
        {{QStringLiteral("-1"), QStringLiteral("true")}, {QStringLiteral("yes"), QString()}},
        {{QStringLiteral(" 7 "), QStringLiteral("7")}, {QStringLiteral("7x"), QString()}},
    };
    for (const ParameterRow& row : parameterRows()) {
        if (row.group != QLatin1String("st"))
            continue;
        if (!fields().contains(row.name)) {
            QTest::newRow(qPrintable(row.name)) << row.name << QString() << QString();
            continue;
        }
        for (const QStringList& value : values.at(qsizetype(fields().value(row.name).index())))
            QTest::addRow("%s=%s", qPrintable(row.name), qPrintable(value[0])) << row.name << value[0] << value[1];
    }
}

// The row's name may carry blanks; a row of another group with the same name
// must not count.
void ParametersTest::eachParameterLandsInItsField()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, read);
    QVERIFY2(fields().contains(name), "a general parameter that nothing reads");
    TestHall hall;
    QVERIFY(hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values (?,?,'st'), (?,'9','dk')"),
                      {QString(QLatin1Char(' ') + name + QLatin1Char(' ')), value, name}));
    Parameters params;
    params.freeMinutes = 9;
    const ResultOf<QStringList> wrongNames = loadParameters(hall.db(), params);
    QVERIFY2(wrongNames, qPrintable(wrongNames.result().message()));

    QStringList expected = allFields(Parameters());
    for (QString& field : expected) {
        if (!read.isEmpty() && field.startsWith(name + QLatin1Char('=')))
            field = name + QLatin1Char('=') + read;
    }
    QCOMPARE(allFields(params), expected);
    QCOMPARE(*wrongNames, read.isEmpty() ? QStringList{name} : QStringList{});
}

void ParametersTest::failedReadFails()
{
    TestHall hall;
    QVERIFY(hall.dropTable(QStringLiteral("stcs")));
    Parameters params;
    QVERIFY(!loadParameters(hall.db(), params));
}

// 0 prints the report layout: a file that still says "0不打印" is told what
// the shipped list says now; a text the owner wrote stays theirs.
void ParametersTest::wrongHelpTextMended()
{
    TestHall hall;
    QVERIFY(hall.exec(
        QStringLiteral("insert into stcs(sm,valuenr,lx,tooltiptext) values ('打印机类型 ','0','st',"
                       "'0不打印 1小票打印机 2小票打印机(系统打印) 3报表格式'), ('结算精度设置','0','st','3分!')")));
    QVERIFY(mendParameterHelpTexts(hall.db()));
    const QString texts =
        hall.rows(QStringLiteral("select tooltiptext from stcs where tooltiptext is not null order by id"))
            .join(QLatin1Char('|'));
    QVERIFY2(!texts.contains(QStringLiteral("0不打印")) && texts.endsWith(QStringLiteral("(如0)按报表格式打印|3分!")),
             qPrintable(texts));
}

void ParametersTest::createsMissingGroups_data()
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
void ParametersTest::createsMissingGroups()
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

void ParametersTest::createsNothingWhenAnInsertFails()
{
    TestHall hall;
    QVERIFY(hall.refuse(QStringLiteral("refuse"), QStringLiteral("before insert on stcs"), QStringLiteral("refused"),
                        QStringLiteral("new.sm='网格高度'")));
    const Result result = ParameterEditor::createMissingRows(hall.db());
    QVERIFY(!result && result.message().contains(QStringLiteral("refused")));
    QCOMPARE(storedRows(hall), QStringList{});
}

void ParametersTest::saves_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("ok");
    const auto row = [](const char* name, const QString& first, const QString& second, const QString& stored, bool ok) {
        QTest::newRow(name) << first << second << stored.split(QLatin1Char('|')) << ok;
    };
    // An emptied box is named and kept in editsReachTheTable.
    row("trimmed", QStringLiteral("  600 "), QStringLiteral("7"), QStringLiteral("网格高度=600|公司名称=7"), true);
    row("quotes", QStringLiteral("1"), QStringLiteral("O'Neil's"), QStringLiteral("网格高度=1|公司名称=O'Neil's"),
        true);
    row("a refused update saves nothing", QStringLiteral("600"), QStringLiteral("bad"),
        QStringLiteral("网格高度=450|公司名称=台球"), false);
}

void ParametersTest::saves()
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
    QVERIFY(saved.refusedNames.isEmpty());
    QTEST(storedRows(hall), "stored");
}

// Each box shows its row and saves into it; an emptied box is named and kept.
void ParametersTest::editsReachTheTable()
{
    HallFixture hall;
    QVERIFY2(hall.ready(), qPrintable(hall.error()));
    QVERIFY(hall.hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values ('隐藏','1','dkset')")));
    ParametersScreen screen(hall.hall.state);
    QHash<QString, QLineEdit*> boxes;
    int count = 0;
    for (; auto* box = screen.findChild<QLineEdit*>(QStringLiteral("Txtspzd_") + QString::number(count)); ++count)
        boxes.insert(control<QLabel>(&screen, QStringLiteral("Labspzd_") + QString::number(count))->text(), box);
    QCOMPARE(count, hall.value(QStringLiteral("select count(*) from stcs where lx<>'dkset'")).toInt());
    QCOMPARE(boxes.value(QStringLiteral("网格高度"))->text(), QStringLiteral("450"));

    boxes.value(QStringLiteral("网格高度"))->setText(QStringLiteral("520"));
    boxes.value(QStringLiteral("会员卡号长度"))->clear();
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("Cmduser")), Qt::LeftButton);
    QCOMPARE(hall.messages.texts(),
             (QStringList{QStringLiteral("会员卡号长度参数不能为空！"), QStringLiteral("正确参数保存完成！")}));
    const QString stored = QStringLiteral("select valuenr from stcs where sm=? and lx='st'");
    QCOMPARE(hall.value(stored, {QStringLiteral("网格高度")}).toString(), QStringLiteral("520"));
    QCOMPARE(hall.value(stored, {QStringLiteral("会员卡号长度")}).toString(), QStringLiteral("10"));
}

// A second write collides with the system operator; nothing of it may stay
// behind, not even the parameter rows written before the collision.
void ParametersTest::writesOnceAsOneTransaction()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY2(hall.addShippedRows(), qPrintable(hall.error()));
    const auto count = [&hall](const char* table) {
        return Sql::scalar(hall.db(), QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table))->toInt();
    };
    QCOMPARE(count("stcs"), parameterRows().size());
    QCOMPARE(count("czyzd"), 1);

    QVERIFY(!hall.addShippedRows());
    QVERIFY(!hall.error().isEmpty());
    QCOMPARE(count("stcs"), parameterRows().size());
    QCOMPARE(count("czyzd"), 1);
    QCOMPARE(count("mm"), 1);
}

QTEST_MAIN(ParametersTest)
#include "test_parameter_loading.moc"
