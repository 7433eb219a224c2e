#include "core/base/Parameters.h"
#include "core/base/Sql.h"
#include "core/data/ParameterLoading.h"
#include "support/TestHall.h"

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

} // namespace

class ModstcsTest : public QObject
{
    Q_OBJECT

private slots:
    void eachParameterLandsInItsField_data();
    void eachParameterLandsInItsField();
    void failedReadFails();
    void wrongHelpTextMended();
};

// Each row as the value stored and the field's value after reading; a
// value that does not convert keeps the default and names the parameter.
void ModstcsTest::eachParameterLandsInItsField_data()
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
void ModstcsTest::eachParameterLandsInItsField()
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

void ModstcsTest::failedReadFails()
{
    TestHall hall;
    QVERIFY(hall.dropTable(QStringLiteral("stcs")));
    Parameters params;
    QVERIFY(!loadParameters(hall.db(), params));
}

// 0 prints the report layout: a file that still says "0不打印" is told what
// the shipped list says now; a text the owner wrote stays theirs.
void ModstcsTest::wrongHelpTextMended()
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

QTEST_GUILESS_MAIN(ModstcsTest)
#include "test_parameter_loading.moc"
