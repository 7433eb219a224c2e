#include "base/PasswordHash.h"
#include "base/Clock.h"
#include "data/ShippedRows.h"

#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString errors;
};

Run makedb(const QStringList& arguments, const QString& workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(TAVORO_MAKEDB), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every table and column the program reads or writes, as the data model
// names them.
const QList<std::pair<const char*, const char*>> tables = {
    {"czyzd", "czy_name czy_pass sys_tag zhda fjda zwcl bbsc xtgl zk"},
    {"czyrzh", "tag czyname czyxm init_time last_time"},
    {"mm", "sdmm closemm exitstmm lsmm"},
    {"bclx", "lxname kssj jssj"},
    {"stcs", "id sm valuenr lx tooltiptext"},
    {"zhdy", "zhao mc sybj fwfl zxjffz zdxffz ktkh tx"},
    {"waimxd", "id zhao khao ksrc jsrc sc sc1 dj dj1 je je1 djid rc czyname fkfs dzbj"},
    {"jfbz", "id zhao hybz fhybz kssj jssj jfdw dwname"},
    {"jfbzfa", "id hybz fhybz kssj jssj zhao name lx"},
    {"ztinfo", "ct_dm ct_name"},
    {"user_lb", "khao yhm mm klx zt xb sfzh csrc yxrc yk js zk jslj jelj hybj djsj khrc jbr zz bz ct_dm"},
    {"klx", "klx"},
    {"srmx", "rc czyname je js xm khao kzje"},
    {"spzd", "headcode name name_eng spjm spdw spdj spgg spcd sp_mix sp_max bm_sort bm_name point_h zzbj used_tag bj"},
    {"ckv_zc", "id dj_id rc wlcode count price amount czyname jsr fkfs abs zhao hyid jzbj dzbj"},
    {"ckv_sr", "id dj_id rc wlcode count price amount czyname jsr fkfs abs jzbj"},
    {"bmzd", "bmcode name zzbj used_tag"},
    {"spye", "headcode"},
    {"ckv", "headcode"},
    {"ckv_ck", "headcode"},
    {"printbiao", "rcl zhao sc1 dj je id"},
    {"pr_codedict", "xh table_code table_name colm_code colm_name colm_type colm_cd colm_dq can_show sum_tag"},
    {"sfjctemp", "headcode jysl jyje rksl rkje cksl ckje"},
    {"sfjctemp1", "headcode 上期数量 上期金额 入库数量 入库金额 出库数量 出库金额 结存数量 结存金额"},
    {"bmzd99", "sort name"},
    {"f2", "itemchn itemeng unit lowlimit highlimit"},
    {"f3", "itemchn itemeng unit lowlimit highlimit"},
    {"spfl99", "sort name bm_sort bm_name"},
    {"spml99", "headcode speccode name unit handcode"},
};

const QList<std::pair<const char*, const char*>> views = {
    {"waimxdall", "je czyname rc"},
    {"ckv_zcall", "rc wlcode count price amount czyname"},
};

struct Parameter
{
    const char* name;
    const char* group;
    const char* value; // nullptr: any value
};

const QList<Parameter> parameters = {
    {"公司名称", "st", nullptr},
    {"地址", "st", nullptr},
    {"电话", "st", nullptr},
    {"灯光控制", "st", "0"},
    {"打印机类型", "st", "0"},
    {"账单是否预览", "st", nullptr},
    {"存款口令", "st", nullptr},
    {"打印时是否要选择打印机", "st", nullptr},
    {"串口号设置", "st", nullptr},
    {"跨时段计费最低计费标准方式", "st", "1"},
    {"不计费分钟数", "st", "5"},
    {"会员卡号长度", "st", "10"},
    {"会员押金金额", "st", "50"},
    {"结帐是否清除显示", "st", "0"},
    {"报表是否使用结帐标记", "st", "0"},
    {"结算精度设置", "st", "0"},
    {"提醒时间到达是否提示结帐", "st", "0"},
    {"是否自动备份数据库", "st", "0"},
    {"2型打印机字号设置", "st", "10"},
    {"网格高度", "st", "450"},
    {"串口读卡器使用标记", "dkq", "0"},
    {"读卡器串口号设置", "dkq", "2"},
    {"读卡器传输速率", "dkq", "1200,n,8,1"},
    {"读卡器输入缓冲区大小", "dkq", "5"},
    {"串口号设置", "dk", nullptr},
    {"传输速率", "dk", nullptr},
    {"输入缓冲区大小", "dk", nullptr},
};

} // namespace

class TestMakeDb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void schema_data();
    void schema();
    void parameters_data();
    void parameters();
    void shippedRows();
    void dictionary_data();
    void dictionary();
    void demoLogins_data();
    void demoLogins();
    void demoTables();
    void demoMembersAndGoods();
    void withoutDemoNoHall();
    void refusesExistingFile();
    void badArguments_data();
    void badArguments();

private:
    QVariant value(const QString& sql, const QVariantList& values = {}, const QString& connection = demo);
    QVariantList values(const QString& sql, const QVariantList& bound = {}, const QString& connection = demo);

    static inline const QString demo = QStringLiteral("demo");
    static inline const QString plain = QStringLiteral("plain");
    QTemporaryDir m_dir;
    QString m_demoFile;
    QString m_plainFile;
};

QVariant TestMakeDb::value(const QString& sql, const QVariantList& bound, const QString& connection)
{
    const QVariantList all = values(sql, bound, connection);
    return all.isEmpty() ? QVariant() : all.first();
}

QVariantList TestMakeDb::values(const QString& sql, const QVariantList& bound, const QString& connection)
{
    QSqlQuery query(QSqlDatabase::database(connection));
    query.prepare(sql);
    for (const QVariant& v : bound)
        query.addBindValue(v);
    QVariantList result;
    // A broken statement must not pass for an empty table.
    if (!query.exec())
        QTest::qFail(qPrintable(sql + QLatin1String(": ") + query.lastError().text()), __FILE__, __LINE__);
    while (query.next())
        result.append(query.value(0));
    return result;
}

void TestMakeDb::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_demoFile = m_dir.filePath(QStringLiteral("demo.mdb"));
    m_plainFile = m_dir.filePath(QStringLiteral("jssfserver.mdb"));
    QCOMPARE(makedb({QStringLiteral("--demo"), m_demoFile}).exitCode, 0);
    QCOMPARE(makedb({m_plainFile}).exitCode, 0);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(m_plainFile) & others, QFile::Permissions());
    for (const auto& [name, file] : {std::pair{demo, m_demoFile}, std::pair{plain, m_plainFile}}) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        QVERIFY(db.open());
    }
}

void TestMakeDb::cleanupTestCase()
{
    for (const QString& name : {demo, plain}) {
        QSqlDatabase::database(name).close();
        QSqlDatabase::removeDatabase(name);
    }
}

void TestMakeDb::schema_data()
{
    QTest::addColumn<bool>("view");
    QTest::addColumn<QString>("columns");
    for (const auto& [name, columns] : tables)
        QTest::newRow(name) << false << QString::fromUtf8(columns);
    for (const auto& [name, columns] : views)
        QTest::newRow(name) << true << QString::fromUtf8(columns);
}

void TestMakeDb::schema()
{
    QFETCH(bool, view);
    QFETCH(QString, columns);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QSqlDatabase db = QSqlDatabase::database(demo);
    QVERIFY(db.tables(view ? QSql::Views : QSql::Tables).contains(name));
    const QSqlRecord record = db.record(name);
    for (const QString& column : columns.split(QLatin1Char(' ')))
        QVERIFY2(record.contains(column), qPrintable(name + QLatin1Char('.') + column));
}

void TestMakeDb::parameters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");
    for (const Parameter& p : ::parameters)
        QTest::addRow("%s/%s", p.group, p.name) << QString::fromUtf8(p.name) << QString::fromLatin1(p.group)
                                                << (p.value ? QString::fromUtf8(p.value) : QString());
}

void TestMakeDb::parameters()
{
    QFETCH(QString, name);
    QFETCH(QString, group);
    QFETCH(QString, expected);
    for (const QString& connection : {demo, plain}) {
        const QVariantList found =
            values(QStringLiteral("SELECT valuenr FROM stcs WHERE sm = ? AND lx = ?"), {name, group}, connection);
        QCOMPARE(found.size(), 1);
        if (!expected.isNull())
            QCOMPARE(found.first().toString(), expected);
    }
}

void TestMakeDb::shippedRows()
{
    QCOMPARE(value(QStringLiteral("SELECT count(*) FROM stcs")).toInt(), ::parameters.size());
    QCOMPARE(value(QStringLiteral("SELECT count(*) FROM mm")).toInt(), 1);
    QVERIFY(value(QStringLiteral("SELECT count(*) FROM ztinfo")).toInt() > 0);

    QStringList cardTypes;
    for (const QVariant& v : values(QStringLiteral("SELECT klx FROM klx")))
        cardTypes.append(v.toString());
    cardTypes.sort();
    QStringList expected = {QStringLiteral("优惠卡"), QStringLiteral("现金卡"), QStringLiteral("现金优惠卡"),
                            QStringLiteral("机时卡")};
    expected.sort();
    QCOMPARE(cardTypes, expected);

    QSqlQuery op(QSqlDatabase::database(demo));
    QVERIFY(op.exec(QStringLiteral("SELECT czy_pass, sys_tag, zhda, fjda, zwcl, bbsc, xtgl, zk FROM czyzd "
                                   "WHERE czy_name = 'system'")));
    QVERIFY(op.next());
    QVERIFY(PasswordHash::isHash(op.value(0).toString()));
    QCOMPARE(PasswordHash::verify(op.value(0).toString(), ShippedRows::InitialPassword), PasswordHash::Check::Match);
    QCOMPARE(op.value(1).toInt(), 1);
    const QStringList rights = {QStringLiteral("ABCDEF"), QStringLiteral("ABCDEF"), QStringLiteral("ABCDEFGHIJK"),
                                QStringLiteral("ABCDE"), QStringLiteral("ABCDEF")};
    for (int i = 0; i < rights.size(); ++i)
        QCOMPARE(op.value(2 + i).toString(), rights[i]);
    QCOMPARE(op.value(7).toDouble(), 0.0);

    // The login preselects a shift only inside [start, end] of one day: the
    // shifts must meet second to second from midnight to midnight.
    QSqlQuery shifts(QSqlDatabase::database(demo));
    QVERIFY(shifts.exec(QStringLiteral("SELECT kssj, jssj FROM bclx ORDER BY kssj")));
    QTime next(0, 0);
    while (shifts.next()) {
        QCOMPARE(QTime::fromString(shifts.value(0).toString(), QStringLiteral("HH:mm:ss")), next);
        const QTime end = QTime::fromString(shifts.value(1).toString(), QStringLiteral("HH:mm:ss"));
        QVERIFY(end.isValid() && end > next);
        next = end.addSecs(1);
    }
    QCOMPARE(next, QTime(0, 0));
}

void TestMakeDb::dictionary_data()
{
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QStringList>("types");
    const QStringList all = {QStringLiteral("CHAR"), QStringLiteral("DATE"), QStringLiteral("DATETIME"),
                             QStringLiteral("NUME"), QStringLiteral("INT"),  QStringLiteral("MON"),
                             QStringLiteral("BFL")};
    QTest::newRow("hyxf")
        << QStringLiteral(
               "SELECT %1 FROM (SELECT waimxd.id, waimxd.ksrc,waimxd.jsrc,waimxd.sc,user_lb.yhm, user_lb.khao, "
               "user_lb.sfzh, user_lb.xb, user_lb.csrc, waimxd.dj, waimxd.je, waimxd.czyname, waimxd.rc, waimxd.sc1 "
               "FROM user_lb INNER JOIN waimxd ON user_lb.khao = waimxd.khao)")
        << all;
    // Conditions are built only from text, date and number fields.
    QTest::newRow("hyxftj")
        << QStringLiteral("SELECT 1 FROM user_lb INNER JOIN waimxd ON user_lb.khao = waimxd.khao WHERE %1 IS NULL")
        << QStringList{QStringLiteral("CHAR"), QStringLiteral("DATE"), QStringLiteral("NUME")};
    QTest::newRow("hyxflj") << QStringLiteral("SELECT %1 FROM user_lb") << all;
}

void TestMakeDb::dictionary()
{
    QFETCH(QString, probe);
    QFETCH(QStringList, types);
    QSqlQuery rows(QSqlDatabase::database(demo));
    QVERIFY(rows.prepare(QStringLiteral("SELECT colm_code, colm_type, colm_dq, colm_cd FROM pr_codedict "
                                        "WHERE table_code = ? ORDER BY xh")));
    rows.addBindValue(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(rows.exec());
    int count = 0;
    while (rows.next()) {
        ++count;
        const QString column = rows.value(0).toString();
        QSqlQuery check(QSqlDatabase::database(demo));
        QVERIFY2(check.exec(probe.arg(column)), qPrintable(column));
        QVERIFY2(types.contains(rows.value(1).toString()), qPrintable(column));
        QVERIFY(QStringList({QStringLiteral("L"), QStringLiteral("C"), QStringLiteral("R")})
                    .contains(rows.value(2).toString()));
        QVERIFY(rows.value(3).toInt() > 0);
    }
    QVERIFY(count >= 4);
}

void TestMakeDb::demoLogins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("cardType");
    QTest::newRow("system") << QStringLiteral("system") << QStringLiteral("1234") << QString();
    QTest::newRow("second operator") << QStringLiteral("张三") << QStringLiteral("1111") << QString();
    QTest::newRow("discount card") << QStringLiteral("8000000001") << QStringLiteral("1001")
                                   << QStringLiteral("优惠卡");
    QTest::newRow("cash card") << QStringLiteral("8000000002") << QStringLiteral("1002") << QStringLiteral("现金卡");
    QTest::newRow("cash discount card") << QStringLiteral("8000000003") << QStringLiteral("1003")
                                        << QStringLiteral("现金优惠卡");
    QTest::newRow("time card") << QStringLiteral("8000000004") << QStringLiteral("1004") << QStringLiteral("机时卡");
    QTest::newRow("card without password") << QStringLiteral("8000000005") << QString() << QStringLiteral("优惠卡");
}

void TestMakeDb::demoLogins()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, cardType);
    if (cardType.isEmpty()) {
        const QString stored =
            value(QStringLiteral("SELECT czy_pass FROM czyzd WHERE czy_name = ?"), {name}).toString();
        QCOMPARE(PasswordHash::verify(stored, password), PasswordHash::Check::Match);
        return;
    }
    QSqlQuery member(QSqlDatabase::database(demo));
    QVERIFY(member.prepare(QStringLiteral("SELECT mm, klx, zt, yxrc, yk FROM user_lb WHERE khao = ?")));
    member.addBindValue(name);
    QVERIFY(member.exec() && member.next());
    QCOMPARE(member.value(0).toString(), password);
    QCOMPARE(member.value(0).isNull(), password.isNull());
    QCOMPARE(member.value(1).toString(), cardType);
    QCOMPARE(member.value(2).toString(), QStringLiteral("正常"));
    QVERIFY(QDate::fromString(member.value(3).toString(), Qt::ISODate) > Clock::today());
    QVERIFY(member.value(4).toDouble() > 0);
    QCOMPARE(name.size(), value(QStringLiteral("SELECT valuenr FROM stcs WHERE sm = '会员卡号长度'")).toInt());
}

void TestMakeDb::demoTables()
{
    QCOMPARE(value(QStringLiteral("SELECT count(*) FROM zhdy")).toInt(), 12);
    QVERIFY(value(QStringLiteral("SELECT count(*) FROM zhdy WHERE zxjffz = 15")).toInt() > 6);
    QVERIFY(value(QStringLiteral("SELECT count(*) FROM zhdy WHERE zdxffz = 60")).toInt() > 0);
    QCOMPARE(value(QStringLiteral("SELECT count(*) FROM zhdy WHERE trim(coalesce(mc, '')) = ''")).toInt(), 0);
    // Day and evening each hold a band for every table, members paying less.
    for (const QString& time : {QStringLiteral("12:00:00"), QStringLiteral("20:00:00")}) {
        QCOMPARE(value(QStringLiteral("SELECT count(DISTINCT zhao) FROM jfbz WHERE kssj < ? AND jssj > ? "
                                      "AND hybz > 0 AND hybz < fhybz AND zhao IN (SELECT zhao FROM zhdy)"),
                       {time, time})
                     .toInt(),
                 12);
    }
}

void TestMakeDb::demoMembersAndGoods()
{
    QCOMPARE(
        value(QStringLiteral("SELECT count(DISTINCT klx) FROM user_lb WHERE klx IN (SELECT klx FROM klx)")).toInt(), 4);
    QVERIFY(value(QStringLiteral("SELECT count(*) FROM spzd WHERE zzbj = 1 AND spdj > 0")).toInt() >= 10);
    // The catalogue defines one level of three characters.
    QCOMPARE(value(QStringLiteral("SELECT count(*) FROM spzd WHERE length(headcode) <> 3 OR point_h <> 1")).toInt(), 0);
    QVERIFY(value(QStringLiteral("SELECT count(*) FROM ckv_sr")).toInt() > 0);
    // Documents name their goods; a name the catalogue lacks drops out of the stock report.
    QCOMPARE(value(QStringLiteral("SELECT count(*) FROM ckv_sr WHERE wlcode NOT IN (SELECT name FROM spzd) "
                                  "OR abs(amount - count * price) > 0.005 OR jzbj <> 1"))
                 .toInt(),
             0);
    QCOMPARE(value(QStringLiteral("SELECT count(DISTINCT dj_id) = count(*) FROM ckv_sr")).toInt(), 1);

    QSqlQuery op(QSqlDatabase::database(demo));
    QVERIFY(op.exec(QStringLiteral("SELECT sys_tag, zk, zwcl FROM czyzd WHERE czy_name = '张三'")));
    QVERIFY(op.next());
    QCOMPARE(op.value(0).toInt(), 0);
    QCOMPARE(op.value(1).toDouble(), 8.5);
    QVERIFY(op.value(2).isNull());
}

void TestMakeDb::withoutDemoNoHall()
{
    for (const char* table : {"zhdy", "jfbz", "user_lb", "srmx", "spzd", "ckv_sr", "waimxd"})
        QCOMPARE(value(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table), {}, plain).toInt(), 0);
    QCOMPARE(values(QStringLiteral("SELECT czy_name FROM czyzd"), {}, plain),
             QVariantList{ShippedRows::SystemOperator});
}

void TestMakeDb::refusesExistingFile()
{
    const QByteArray before = contents(m_plainFile);
    QVERIFY(!before.isEmpty());
    for (const QStringList& arguments :
         {QStringList{m_plainFile}, QStringList{QStringLiteral("--demo"), m_plainFile}}) {
        const Run run = makedb(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.errors.contains(m_plainFile));
    }
    QCOMPARE(contents(m_plainFile), before);

    const QString nowhere = m_dir.filePath(QStringLiteral("missing/folder.mdb"));
    QCOMPARE(makedb({nowhere}).exitCode, 1);
    QVERIFY(!QFile::exists(nowhere));
}

void TestMakeDb::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("only the flag") << QStringList{QStringLiteral("--demo")};
    QTest::newRow("two files") << QStringList{QStringLiteral("a.mdb"), QStringLiteral("b.mdb")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--sample"), QStringLiteral("a.mdb")};
}

void TestMakeDb::badArguments()
{
    QFETCH(QStringList, arguments);
    const Run run = makedb(arguments, m_dir.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.contains(QLatin1String("FILE")));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("a.mdb"))));
}

QTEST_GUILESS_MAIN(TestMakeDb)
#include "TestMakeDb.moc"
