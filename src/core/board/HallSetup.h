#pragma once

#include "core/admin/OperatorRights.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The set-up of a hall that has no tables yet, in four steps: its name, its
// tables, one rate scheme for every table and its devices. Each step writes
// through the logic that owns what it writes, and writes all of the step or
// none of it. A step run again on a hall that has tables only adds.
namespace HallSetup {

// More tables than a hall holds is a typing slip, not a hall.
inline constexpr int MostTables = 200;

// What a step did: written, or refused (and nothing written), or failed.
struct Step
{
    Result result = Result::success();
    QString refusal;

    bool done() const { return result && refusal.isEmpty(); }
};

// The set-up writes table definitions (B), parameters (E) and rate schemes
// (F) of the settings group; it asks for all three rights.
bool mayRun(const OperatorRights& rights);

ResultOf<bool> hasTables(const QSqlDatabase& db);

// The hall's name, printed on bills and reports (公司名称).
Step saveHallName(QSqlDatabase& db, const QString& name);

// The number the first new table gets: one past the highest there is, so
// that no table a hall has is renumbered or replaced.
ResultOf<int> firstNewNumber(const QSqlDatabase& db);
QString proposedName(int number);

// Adds `count` tables numbered from firstNewNumber, named as `names` says,
// each with the billing unit and minimum in minutes as the table definitions
// check them.
Step addTables(QSqlDatabase& db, const QString& count, const QStringList& names, const QString& billingUnit,
               const QString& minimum);

// One scheme of two bands: the day up to the hour the evening starts, the
// evening to midnight; rates in money per hour.
struct Rates
{
    QString scheme;
    QString dayMember;
    QString dayGuest;
    QString eveningMember;
    QString eveningGuest;
    QString eveningStarts; // a whole hour, 1 to 23
};

// How many tables have bands already, which a scheme for every table replaces.
ResultOf<int> pricedTables(const QSqlDatabase& db);

// A scheme name no scheme has yet.
ResultOf<QString> proposedSchemeName(const QSqlDatabase& db);

// Makes the scheme and gives every table its bands.
Step addScheme(QSqlDatabase& db, const Rates& rates);

struct Device
{
    bool used = false;
    QString port; // a port number or a device path
};

struct Devices
{
    Device lights; // 灯光控制, 串口号设置 of group dk
    Device reader; // 串口读卡器使用标记, 读卡器串口号设置
};

// The devices as the parameter rows hold them; a row an older file lacks
// reads as a device not used.
ResultOf<Devices> storedDevices(const QSqlDatabase& db);

// Stores whether each device is used and, for a used one, its port, first
// creating the reader's rows an older file lacks, as the parameter editor
// does. They are read when the program starts.
Step saveDevices(QSqlDatabase& db, const Devices& devices);

// Why a port value cannot be used, or nothing.
QString portRefusal(const QString& port);

} // namespace HallSetup
