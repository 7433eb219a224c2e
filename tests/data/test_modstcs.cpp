#include "data/Modstcs.h"
#include "support/TestHall.h"

#include <QTest>

#include <functional>

namespace {

const QHash<QString, std::function<QVariant(const Parameters&)>>& fields()
{
    static const QHash<QString, std::function<QVariant(const Parameters&)>> table = {
        {QStringLiteral("公司名称"),
         [](const Parameters& p) {
             return QVariant(p.companyName);
         }},
        {QStringLiteral("灯光控制"),
         [](const Parameters& p) {
             return QVariant(p.lightControl);
         }},
        {QStringLiteral("串口号设置"),
         [](const Parameters& p) {
             return QVariant(p.serialPortNumber);
         }},
        {QStringLiteral("不计费分钟数"),
         [](const Parameters& p) {
             return QVariant(p.freeMinutes);
         }},
        {QStringLiteral("结算精度设置"),
         [](const Parameters& p) {
             return QVariant(p.settlementPrecision);
         }},
        {QStringLiteral("是否自动备份数据库"),
         [](const Parameters& p) {
             return QVariant(p.BackupOnExit);
         }},
        {QStringLiteral("网格高度"),
         [](const Parameters& p) {
             return QVariant(p.gridRowHeight);
         }},
    };
    return table;
}

} // namespace

class ModstcsTest : public QObject
{
    Q_OBJECT

private slots:
    void converts_data();
    void converts();
    void startsWithFiveFreeMinutes();
    void readsOnlyGeneralRowsByTrimmedName();
    void listsEachWrongNameOnce();
};

void ModstcsTest::converts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<bool>("wrong");

    const auto whole = [](int n) {
        return QVariant(qint16(n));
    };
    QTest::newRow("whole") << "网格高度"
                           << "600" << whole(600) << false;
    QTest::newRow("whole with blanks") << "网格高度"
                                       << " 600 " << whole(600) << false;
    QTest::newRow("whole rounds half to even") << "结算精度设置"
                                               << "2.5" << whole(2) << false;
    QTest::newRow("whole not a number") << "网格高度"
                                        << "abc" << whole(0) << true;
    QTest::newRow("whole with trailing text") << "网格高度"
                                              << "12ab" << whole(0) << true;
    QTest::newRow("whole overflow") << "网格高度"
                                    << "70000" << whole(0) << true;
    QTest::newRow("free minutes") << "不计费分钟数"
                                  << "8" << whole(8) << false;
    QTest::newRow("free minutes wrong") << "不计费分钟数"
                                        << "x" << whole(5) << true;
    QTest::newRow("boolean 0") << "灯光控制"
                               << "0" << QVariant(false) << false;
    QTest::newRow("boolean 1") << "灯光控制"
                               << "1" << QVariant(true) << false;
    QTest::newRow("boolean -1") << "灯光控制"
                                << "-1" << QVariant(true) << false;
    QTest::newRow("boolean true") << "灯光控制"
                                  << "true" << QVariant(true) << false;
    QTest::newRow("boolean False") << "灯光控制"
                                   << "False" << QVariant(false) << false;
    QTest::newRow("boolean empty") << "灯光控制"
                                   << "" << QVariant(false) << true;
    QTest::newRow("boolean word") << "灯光控制"
                                  << "yes" << QVariant(false) << true;
    QTest::newRow("backup on exit") << "是否自动备份数据库"
                                    << "1" << QVariant(true) << false;
    QTest::newRow("text kept as stored") << "公司名称"
                                         << " 台球 '俱乐部'" << QVariant(QStringLiteral(" 台球 '俱乐部'")) << false;
    QTest::newRow("text empty") << "公司名称"
                                << "" << QVariant(QString()) << false;
}

void ModstcsTest::converts()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QVariant, expected);
    QFETCH(bool, wrong);

    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    QVERIFY(hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values (?,?,'st')"), {name, value}));
    Parameters params;
    QStringList wrongNames;
    QVERIFY(Modstcs(hall.db(), params, &wrongNames));
    QCOMPARE(fields().value(name)(params), expected);
    QCOMPARE(wrongNames, wrong ? QStringList{name} : QStringList{});
}

void ModstcsTest::startsWithFiveFreeMinutes()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    Parameters params;
    params.freeMinutes = 9;
    QStringList wrongNames;
    QVERIFY(Modstcs(hall.db(), params, &wrongNames));
    QCOMPARE(params.freeMinutes, qint16(5));
    QCOMPARE(params.gridRowHeight, qint16(0));
    QVERIFY(!params.BackupOnExit);
    QVERIFY(wrongNames.isEmpty());
}

void ModstcsTest::readsOnlyGeneralRowsByTrimmedName()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    const QList<QStringList> rows = {
        {QStringLiteral("串口号设置"), QStringLiteral("abc"), QStringLiteral("dk")},
        {QStringLiteral("网格高度"), QStringLiteral("x"), QStringLiteral("dkset")},
        {QStringLiteral("串口号设置"), QStringLiteral("2"), QStringLiteral("st")},
        {QStringLiteral("  网格高度 "), QStringLiteral("520"), QStringLiteral("st")},
        {QStringLiteral("没有这个参数"), QStringLiteral("abc"), QStringLiteral("st")},
    };
    for (const QStringList& row : rows)
        QVERIFY(hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values (?,?,?)"), {row[0], row[1], row[2]}));
    Parameters params;
    QStringList wrongNames;
    QVERIFY(Modstcs(hall.db(), params, &wrongNames));
    QCOMPARE(params.serialPortNumber, qint16(2));
    QCOMPARE(params.gridRowHeight, qint16(520));
    QVERIFY(wrongNames.isEmpty());
}

void ModstcsTest::listsEachWrongNameOnce()
{
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    for (const char* name : {"网格高度", "灯光控制", "网格高度"})
        QVERIFY(hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values (?,'',?)"),
                          {QString::fromUtf8(name), QStringLiteral("st")}));
    Parameters params;
    QStringList wrongNames;
    QVERIFY(Modstcs(hall.db(), params, &wrongNames));
    QCOMPARE(wrongNames, (QStringList{QStringLiteral("网格高度"), QStringLiteral("灯光控制")}));
}

QTEST_GUILESS_MAIN(ModstcsTest)
#include "test_modstcs.moc"
