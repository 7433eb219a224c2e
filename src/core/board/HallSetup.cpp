#include "core/board/HallSetup.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"
#include "core/billing/BandStore.h"
#include "core/billing/RateSchemes.h"
#include "core/board/TableDefinitions.h"
#include "core/data/ParameterEditor.h"
#include "core/devices/SerialSettings.h"

#include <QCoreApplication>

#include <optional>

namespace HallSetup {

namespace {

// Printed on bills and reports, whose heads have room for no more.
constexpr int LongestHallName = 40;

Step refused(const QString& text)
{
    Step step;
    step.refusal = text;
    return step;
}

Step failed(const Result& result)
{
    Step step;
    step.result = result;
    return step;
}

// Runs the work in one transaction; a refusal it sets rolls back what it
// wrote before it.
template <typename Work>
Step inTransaction(QSqlDatabase& db, Work&& work)
{
    Step step;
    step.result = Sql::transaction(db, [&]() -> Result {
        step.refusal.clear();
        const Result result = work(&step.refusal);
        if (result && !step.refusal.isEmpty())
            return Result::failure(step.refusal);
        return result;
    });
    if (!step.refusal.isEmpty())
        step.result = Result::success();
    return step;
}

struct Row
{
    const char* name;
    const char* group;
};

const Row LightsInUse = {"灯光控制", "st"};
const Row LightsPort = {"串口号设置", "dk"};
const Row ReaderInUse = {"串口读卡器使用标记", "dkq"};
const Row ReaderPort = {"读卡器串口号设置", "dkq"};

std::optional<ParameterEditor::Entry> find(const QList<ParameterEditor::Entry>& entries, const Row& row)
{
    for (const ParameterEditor::Entry& entry : entries) {
        if (entry.name == QString::fromUtf8(row.name) && entry.group == QLatin1String(row.group))
            return entry;
    }
    return std::nullopt;
}

Device device(const QList<ParameterEditor::Entry>& entries, const Row& inUse, const Row& port)
{
    const std::optional<ParameterEditor::Entry> used = find(entries, inUse);
    const std::optional<ParameterEditor::Entry> path = find(entries, port);
    return {used && Notation::CBool(used->value).value_or(false), path ? path->value : QString()};
}

} // namespace

bool mayRun(const OperatorRights& rights)
{
    return OperatorRights::grants(rights.memberRights, QLatin1Char('B')) &&
           OperatorRights::grants(rights.memberRights, QLatin1Char('E')) &&
           OperatorRights::grants(rights.memberRights, QLatin1Char('F'));
}

ResultOf<bool> hasTables(const QSqlDatabase& db)
{
    const ResultOf<QVariant> any = Sql::scalar(db, QStringLiteral("select 1 from zhdy"));
    if (!any)
        return any.result();
    return any->isValid();
}

Step saveHallName(QSqlDatabase& db, const QString& name)
{
    if (Notation::Trim(name).isEmpty())
        return refused(QCoreApplication::translate("HallSetup", "请填写球厅名称。"));
    if (Notation::Trim(name).size() > LongestHallName)
        return refused(QCoreApplication::translate("HallSetup", "球厅名称最多 %1 个字。").arg(LongestHallName));
    const ResultOf<QList<ParameterEditor::Entry>> entries = ParameterEditor::listRows(db);
    if (!entries)
        return failed(entries.result());
    const std::optional<ParameterEditor::Entry> row = find(*entries, {"公司名称", "st"});
    if (!row)
        return refused(QCoreApplication::translate("HallSetup", "参数表中没有“公司名称”一行。"));
    return failed(ParameterEditor::save(db, {{row->id, row->name, name}}).result);
}

ResultOf<int> firstNewNumber(const QSqlDatabase& db)
{
    const ResultOf<QVariant> highest = Sql::scalar(db, QStringLiteral("select max(zhao) from zhdy"));
    if (!highest)
        return highest.result();
    return highest->isNull() ? 1 : highest->toInt() + 1;
}

QString proposedName(int number)
{
    return QCoreApplication::translate("HallSetup", "%1号台").arg(number);
}

Step addTables(QSqlDatabase& db, const QString& count, const QStringList& names, const QString& billingUnit,
               const QString& minimum)
{
    const std::optional<double> typed = typedNumber(count, 0);
    if (!typed || *typed < 1 || *typed > MostTables)
        return refused(QCoreApplication::translate("HallSetup", "台数必须是 1 到 %1 之间的整数。").arg(MostTables));
    if (names.size() != int(*typed))
        return refused(QCoreApplication::translate("HallSetup", "台名有 %1 个，台数是 %2，请核对台名。")
                           .arg(names.size())
                           .arg(int(*typed)));
    if (const ResultOf<bool> upgraded = TableDefinitions::upgrade(db); !upgraded)
        return failed(upgraded.result());
    return inTransaction(db, [&](QString* refusal) -> Result {
        const ResultOf<int> first = firstNewNumber(db);
        if (!first)
            return first.result();
        TableDefinitionsModel model(nullptr, db);
        if (!model.select())
            return Result::fromSqlError(model.lastError());
        for (int i = 0; i < names.size(); ++i) {
            const int row = model.rowCount();
            if (!model.insertRow(row))
                return Result::fromSqlError(model.lastError());
            const TableDefinitions::Checked checked =
                model.save(row,
                           {QString::number(*first + i), names.at(i), QStringLiteral("0"), QStringLiteral("0"),
                            billingUnit, minimum, QString()},
                           std::nullopt);
            if (!checked.result)
                return checked.result;
            if (!checked.refusal.isEmpty()) {
                *refusal = QCoreApplication::translate("HallSetup", "%1号台：%2")
                               .arg(QString::number(*first + i), checked.refusal.text);
                return Result::success();
            }
        }
        return Result::success();
    });
}

ResultOf<int> pricedTables(const QSqlDatabase& db)
{
    const ResultOf<QVariant> count =
        Sql::scalar(db, QStringLiteral("select count(distinct zhao) from jfbz where zhao in (select zhao from zhdy)"));
    if (!count)
        return count.result();
    return count->toInt();
}

ResultOf<QString> proposedSchemeName(const QSqlDatabase& db)
{
    const ResultOf<QStringList> names = RateSchemes::names(db);
    if (!names)
        return names.result();
    const QString base = QCoreApplication::translate("HallSetup", "开店方案");
    QString name = base;
    for (int n = 2; names->contains(name); ++n)
        name = base + QString::number(n);
    return name;
}

Step addScheme(QSqlDatabase& db, const Rates& rates)
{
    const QString scheme = Notation::Trim(rates.scheme);
    if (scheme.isEmpty())
        return refused(QCoreApplication::translate("HallSetup", "请填写计费方案名称。"));
    const std::optional<double> hour = typedNumber(rates.eveningStarts, 0);
    if (!hour || *hour < 1 || *hour > 23)
        return refused(QCoreApplication::translate("HallSetup", "晚间开始的钟点必须是 1 到 23 之间的整数。"));
    const QString evening = QStringLiteral("%1:00:00").arg(int(*hour), 2, 10, QLatin1Char('0'));
    // A band holds strictly between its ends, so the two share the evening's first second.
    TypedBand day{QVariant(), QString(), rates.dayMember, rates.dayGuest, QStringLiteral("00:00:00"),
                  evening,    QString()};
    TypedBand night{QVariant(), QString(), rates.eveningMember, rates.eveningGuest, evening, QStringLiteral("23:59:59"),
                    QString()};
    for (const TypedBand* band : {&day, &night}) {
        if (const QString refusal = BandCheck::refusal(BandCheck::Owner::Scheme, *band, {}, nullptr);
            !refusal.isEmpty())
            return refused(refusal);
    }
    if (const Result upgraded = RateSchemes::upgrade(db); !upgraded)
        return failed(upgraded);
    return inTransaction(db, [&](QString* refusal) -> Result {
        // A run again after a conflict starts from unsaved bands.
        day.id = QVariant();
        night.id = QVariant();
        const ResultOf<bool> existed = RateSchemes::add(db, scheme);
        if (!existed)
            return existed.result();
        if (*existed) {
            *refusal = QCoreApplication::translate("HallSetup", "计费方案“%1”已经存在，请换一个名称。").arg(scheme);
            return Result::success();
        }
        // A new scheme starts with one band for the whole day, which becomes the day's.
        const BandStore store = BandStore::scheme(db, scheme);
        const ResultOf<QList<TypedBand>> first = store.load();
        if (!first)
            return first.result();
        day.id = first->value(0).id;
        for (TypedBand* band : {&day, &night}) {
            const ResultOf<QString> saved = store.save(*band);
            if (!saved)
                return saved.result();
            if (!saved->isEmpty()) {
                *refusal = *saved;
                return Result::success();
            }
        }
        const ResultOf<QList<RateSchemes::Table>> tables = RateSchemes::tables(db);
        if (!tables)
            return tables.result();
        QList<int> numbers;
        for (const RateSchemes::Table& table : *tables)
            numbers.append(table.tableNumber);
        return RateSchemes::replaceBands(db, scheme, numbers);
    });
}

ResultOf<Devices> storedDevices(const QSqlDatabase& db)
{
    const ResultOf<QList<ParameterEditor::Entry>> entries = ParameterEditor::listRows(db);
    if (!entries)
        return entries.result();
    return Devices{device(*entries, LightsInUse, LightsPort), device(*entries, ReaderInUse, ReaderPort)};
}

QString portRefusal(const QString& port)
{
    if (SerialSettings::portPath(port))
        return QString();
    return QCoreApplication::translate("HallSetup",
                                       "端口“%1”不能用：请填串口号（如 1 即 COM1）或设备路径（如 /dev/ttyUSB0）。")
        .arg(port);
}

Step saveDevices(QSqlDatabase& db, const Devices& devices)
{
    for (const Device* used : {&devices.lights, &devices.reader}) {
        if (used->used) {
            if (const QString refusal = portRefusal(used->port); !refusal.isEmpty())
                return refused(refusal);
        }
    }
    if (const Result created = ParameterEditor::createMissingRows(db); !created)
        return failed(created);
    const ResultOf<QList<ParameterEditor::Entry>> entries = ParameterEditor::listRows(db);
    if (!entries)
        return failed(entries.result());
    QList<ParameterEditor::Edit> edits;
    const auto edit = [&](const Row& row, const QString& text) {
        if (const std::optional<ParameterEditor::Entry> entry = find(*entries, row))
            edits.append({entry->id, entry->name, text});
    };
    const auto one = [](const Device& d) {
        return d.used ? QStringLiteral("1") : QStringLiteral("0");
    };
    edit(LightsInUse, one(devices.lights));
    edit(ReaderInUse, one(devices.reader));
    if (devices.lights.used)
        edit(LightsPort, devices.lights.port);
    if (devices.reader.used)
        edit(ReaderPort, devices.reader.port);
    if (edits.size() != 2 + int(devices.lights.used) + int(devices.reader.used))
        return refused(
            QCoreApplication::translate("HallSetup", "参数表缺少灯光控制器或读卡器的行，请在系统参数设置中检查。"));
    return failed(ParameterEditor::save(db, edits).result);
}

} // namespace HallSetup
