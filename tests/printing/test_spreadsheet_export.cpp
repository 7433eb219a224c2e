#include "core/base/Messages.h"
#include "support/HallFixture.h"
#include "ui/admin/OperatorLogScreen.h"
#include "ui/goods/CatalogueScreen.h"
#include "ui/goods/GoodsDocumentsScreen.h"
#include "ui/goods/StockBalanceScreen.h"
#include "ui/members/ConsumptionTotalsScreen.h"
#include "ui/members/MemberListScreen.h"
#include "ui/printing/SpreadsheetExport.h"
#include "ui/reports/DayReportScreen.h"
#include "ui/reports/IncomeStatisticsScreen.h"
#include "ui/reports/ShiftReportScreen.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Reads a saved file back with readers that share nothing with the writer:
// openpyxl for a workbook, Python's csv module for CSV. Prints one JSON
// object: "sheet" (the sheet's name, or whether a CSV starts with its BOM)
// and each cell that is not empty by its reference, as "s:text" for a
// string, "n:value|format" for a number, "d:iso|format" for a date, or
// "c:field" for a field of CSV.
const char* const Reader = R"(
import codecs, csv, io, json, sys
import openpyxl
from openpyxl.utils import get_column_letter
path = sys.argv[1]
out = {}
if path.endswith('.csv'):
    raw = open(path, 'rb').read()
    out['sheet'] = 'BOM' if raw.startswith(codecs.BOM_UTF8) else 'no BOM'
    for r, row in enumerate(csv.reader(io.StringIO(raw.decode('utf-8-sig'), newline='')), 1):
        for c, v in enumerate(row, 1):
            if v != '':
                out[get_column_letter(c) + str(r)] = 'c:' + v
else:
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    out['sheet'] = sheet.title if len(book.worksheets) == 1 else 'several sheets'
    for row in sheet.iter_rows():
        for cell in row:
            v = cell.value
            if v is None:
                continue
            if isinstance(v, str):
                out[cell.coordinate] = 's:' + v
            elif hasattr(v, 'isoformat'):
                out[cell.coordinate] = 'd:' + v.isoformat() + '|' + cell.number_format
            else:
                out[cell.coordinate] = 'n:' + repr(v) + '|' + cell.number_format
print(json.dumps(out, ensure_ascii=False))
)";

QJsonObject readBack(const QString& path)
{
    // Debian's python3-openpyxl is installed for the system's python3, which
    // another one first on the path would not see.
    QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty())
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        qFatal("python3 is needed to read the saved files back (with python3-openpyxl)");
    QProcess reader;
    reader.start(python, {QStringLiteral("-c"), QLatin1String(Reader), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        qFatal("the reader failed: %s", reader.readAllStandardError().constData());
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

// The night: two of the system operator's visits and a paid cola, members
// whose names would be a formula or break a CSV field, goods whose code is
// all digits, stock moved with a quantity in thousandths, a log row.
bool addHall(HallFixture& f)
{
    return f.hall.exec(QStringLiteral(
               "INSERT INTO waimxd (zhao, ksrc, jsrc, sc1, dj, je, rc, czyname, dzbj) VALUES "
               "(2, '2026-12-06 19:45:00', '2026-12-06 21:15:00', '1:30', 30, 45.5, '2026-12-06', 'system', '1'), "
               "(1, '2026-12-06 12:30:00', '2026-12-06 14:30:00', '2:00', 15, 30, '2026-12-06', 'system', '1')")) &&
           f.hall.exec(QStringLiteral("INSERT INTO ckv_zc (rc, wlcode, count, price, amount, czyname, jzbj, dzbj) "
                                      "VALUES ('2026-12-06', '可乐', 1.125, 4, 4.5, 'system', 1, '1')")) &&
           f.hall.exec(QStringLiteral("INSERT INTO ckv_sr (rc, wlcode, count, amount, jzbj) "
                                      "VALUES ('2026-12-01', '可乐', 24, 1234.56, 1)")) &&
           f.hall.exec(QStringLiteral("INSERT INTO spzd (headcode, name, spdw, spdj) VALUES "
                                      "('001', '可乐', '瓶', 5), ('002', '雪碧', '瓶', 3.5)")) &&
           f.addMember(QStringLiteral("0012345678"), QVariant(), QStringLiteral("优惠卡"), 0, 1234.56) &&
           f.addMember(QStringLiteral("8000000002"), QVariant(), QStringLiteral("优惠卡"), 0, 0.1) &&
           f.hall.exec(QStringLiteral("UPDATE user_lb SET yhm = ?, khrc = '2026-12-01' WHERE khao = '0012345678'"),
                       {QStringLiteral("=cmd|' /C calc'!A0")}) &&
           f.hall.exec(QStringLiteral("UPDATE user_lb SET yhm = ? WHERE khao = '8000000002'"),
                       {QStringLiteral("Li, \"Ace\"\n2")}) &&
           f.hall.exec(
               QStringLiteral("UPDATE pr_codedict SET table_name = ? WHERE table_code = 'hyxflj'"),
               {QStringLiteral("会员/消费:[汇总]*? 含全部会员卡的余额与累计金额以及每张卡的有效日期和开户日期")}) &&
           f.hall.exec(QStringLiteral("INSERT INTO czyrzh (tag, czyname, czyxm, init_time, last_time, zdname) "
                                      "VALUES (7, 'system', '会员管理', '2026-12-05 10:00:00', "
                                      "'2026-12-05 10:20:30', '前台')"));
}

using Opener = std::function<std::unique_ptr<QWidget>(AppState&)>;

template <typename Screen>
Opener opener()
{
    return [](AppState& state) {
        return std::make_unique<Screen>(state);
    };
}

const QMap<QString, Opener>& screens()
{
    static const QMap<QString, Opener> all{
        {QStringLiteral("ShiftReportScreen"), opener<ShiftReportScreen>()},
        {QStringLiteral("DayReportScreen"), opener<DayReportScreen>()},
        {QStringLiteral("StockBalanceScreen"), opener<StockBalanceScreen>()},
        {QStringLiteral("CatalogueScreen"), opener<CatalogueScreen>()},
        {QStringLiteral("IncomeStatisticsScreen"), opener<IncomeStatisticsScreen>()},
        {QStringLiteral("MemberListScreen"), opener<MemberListScreen>()},
        {QStringLiteral("ConsumptionTotalsScreen"), opener<ConsumptionTotalsScreen>()},
        {QStringLiteral("OperatorLogScreen"), opener<OperatorLogScreen>()},
        {QStringLiteral("GoodsDocumentsScreen"), [](AppState& state) {
             return std::make_unique<GoodsDocumentsScreen>(state, GoodsDocument::Kind::Purchase);
         }}};
    return all;
}

// The screen with what it lists shown, as the operator sees it before the key.
std::unique_ptr<QWidget> openScreen(HallFixture& f, const QString& name)
{
    std::unique_ptr<QWidget> screen = screens().value(name)(f.hall.state);
    if (name == QLatin1String("StockBalanceScreen"))
        control<QAction>(screen.get(), QStringLiteral("Find"))->trigger();
    if (name == QLatin1String("ConsumptionTotalsScreen"))
        control<QAction>(screen.get(), QStringLiteral("find"))->trigger();
    return screen;
}

} // namespace

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void exports_data();
    void exports();
    void failedSaveLeavesNothing_data();
    void failedSaveLeavesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_proposed;
    QString m_answer;
};

void TestSpreadsheetExport::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    SpreadsheetExport::setChooser([this](const QString& proposed, QWidget*) {
        m_proposed = QFileInfo(proposed).fileName();
        return SpreadsheetExport::Choice{m_answer, m_answer.endsWith(QLatin1String(".csv"))
                                                       ? SpreadsheetFile::Format::Csv
                                                       : SpreadsheetFile::Format::Xlsx};
    });
}

void TestSpreadsheetExport::cleanup()
{
    SpreadsheetExport::setChooser({});
}

void TestSpreadsheetExport::exports_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("cells"); // "sheet=…" and "A1=…" that the file must hold, separated by ";"
    const QString night = u"A1=s:日  期;A2=d:2026-12-06T00:00:00|yyyy-mm-dd;B2=s:1;E3=n:45.5|0.00;A6=s:营业报告;"
                          "B7=s:system;A8=s:台位费用现金：;B8=n:75.5|0.00;B10=n:80|0.00"_s;
    QTest::newRow("day report") << u"DayReportScreen"_s << u"xlsx"_s << u"营业日报_2026-12-06.xlsx"_s
                                << night + u";A11="_s;
    QTest::newRow("shift report with its hand-over")
        << u"ShiftReportScreen"_s << u"xlsx"_s << u"操作员营业日报_2026-12-06.xlsx"_s
        << night + u";sheet=营业报告;A11=s:交班汇总;B14=n:4.5|0.00;A19=s:应有现金：;B19=n:80|0.00"_s;
    QTest::newRow("shift report as CSV") << u"ShiftReportScreen"_s << u"csv"_s << u"操作员营业日报_2026-12-06.xlsx"_s
                                         << u"sheet=BOM;A2=c:2026-12-06;D2=c:15.00;E3=c:45.50;B19=c:80.00"_s;
    QTest::newRow("stock balance") << u"StockBalanceScreen"_s << u"xlsx"_s << u"收发结存表_2026-12-01_2026-12-31.xlsx"_s
                                   << u"sheet=收发结存表;A2=s:001;G2=n:1234.56|0.00;H2=n:1.125|General;A3=s:合计;"
                                      "K3=n:1230.06|0.00;A6=s:期间：;B6=s:2026-12-01 至 2026-12-31"_s;
    QTest::newRow("catalogue") << u"CatalogueScreen"_s << u"xlsx"_s << u"商品编码_2026-12-06.xlsx"_s
                               << u"sheet=商品编码;A2=s:001;E3=n:3.5|0.00"_s;
    QTest::newRow("income statistics")
        << u"IncomeStatisticsScreen"_s << u"xlsx"_s << u"营业分析报告_2026-12-06.xlsx"_s
        << u"A2=d:2026-12-06T00:00:00|yyyy-mm-dd;A3=s:合  计;B3=n:75.5|0.00;B7=s:日期从 2026-12-06 至 2026-12-06"_s;
    QTest::newRow("member list") << u"MemberListScreen"_s << u"xlsx"_s << u"会员名单_2026-12-06.xlsx"_s
                                 << u"sheet=会员名单;A2=s:=cmd|' /C calc'!A0;C2=d:2026-12-01T00:00:00|yyyy-mm-dd;"
                                    "E2=s:0012345678;F2=n:1234.56|0.00;F3=n:0.1|0.00"_s;
    QTest::newRow("member list as CSV") << u"MemberListScreen"_s << u"csv"_s << u"会员名单_2026-12-06.xlsx"_s
                                        << u"sheet=BOM;A2=c:'=cmd|' /C calc'!A0;A3=c:Li, \"Ace\"\n2;E2=c:0012345678;"
                                           "F3=c:0.10"_s;
    QTest::newRow("member consumption totals")
        << u"ConsumptionTotalsScreen"_s << u"xlsx"_s
        << u"会员消费[汇总]含全部会员卡的余额与累计金额以及每张卡的有效日期和开户日期_2026-12-06.xlsx"_s
        << u"sheet=会员消费汇总 含全部会员卡的余额与累计金额以及每张卡的有效日期;A2=s:0012345678;"
           "B2=s:=cmd|' /C calc'!A0;H4=n:1234.66|0.00"_s;
    QTest::newRow("operator log") << u"OperatorLogScreen"_s << u"xlsx"_s << u"员工工作情况_2026-12-06.xlsx"_s
                                  << u"A1=s:序号;A2=n:7|General;B2=s:system"_s;
    QTest::newRow("goods documents") << u"GoodsDocumentsScreen"_s << u"xlsx"_s << u"商品进货_2026-12-06.xlsx"_s
                                     << u"B2=d:2026-12-01T00:00:00|yyyy-mm-dd;D2=n:24|General;F2=n:1234.56|0.00"_s;
}

void TestSpreadsheetExport::exports()
{
    QFETCH(QString, screen);
    QFETCH(QString, suffix);
    QFETCH(QString, cells);
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY2(addHall(f), qPrintable(f.error()));
    const std::unique_ptr<QWidget> shown = openScreen(f, screen);
    m_answer = m_folder->filePath(QStringLiteral("report.") + suffix);
    auto* key = control<QAction>(shown.get(), QStringLiteral("exportExcel"));
    QVERIFY(key->isEnabled());
    key->trigger();
    QCOMPARE(f.messages.texts(), QStringList());
    QTEST(m_proposed, "proposed");
    const QJsonObject saved = readBack(m_answer);
    for (const QString& cell : cells.split(u';')) {
        const QString ref = cell.section(QLatin1Char('='), 0, 0);
        QCOMPARE(ref + QLatin1Char('=') + saved.value(ref).toString(), cell);
    }
}

void TestSpreadsheetExport::failedSaveLeavesNothing_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("workbook") << "xlsx";
    QTest::newRow("CSV") << "csv";
}

// A name taken by a folder cannot be replaced: the operator is told, and
// neither the file nor a part of it is left beside the folder.
void TestSpreadsheetExport::failedSaveLeavesNothing()
{
    QFETCH(QString, suffix);
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY(addHall(f));
    const QString taken = QStringLiteral("taken.") + suffix;
    QVERIFY(QDir(m_folder->path()).mkdir(taken));
    m_answer = m_folder->filePath(taken);
    const std::unique_ptr<QWidget> shown = openScreen(f, QStringLiteral("CatalogueScreen"));
    control<QAction>(shown.get(), QStringLiteral("exportExcel"))->trigger();
    QCOMPARE(f.messages.count(), 1);
    QCOMPARE(f.messages.last().icon, Messages::Icon::Critical);
    QVERIFY2(f.messages.last().text.contains(taken), qPrintable(f.messages.last().text));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{taken});
}

QTEST_MAIN(TestSpreadsheetExport)
#include "test_spreadsheet_export.moc"
