#include "BenchStats.h"
#include "FiveYearHistory.h"
#include "ServerHall.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/reports/DayTakings.h"
#include "core/reports/IncomeAnalysis.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <functional>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace {

constexpr double TargetRatio = 1.5;
using namespace FiveYearHistory;

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-reports: %s\n", qUtf8Printable(text));
}

// A statement run directly: its text and its values in placeholder order.
struct Statement
{
    const char* sql;
    QVariantList values;
};

// One measured report: run through the program's core, and as the same
// statements straight through SQLite. Each gives a checksum of what it
// found, so that a faster core cannot be one that finds less.
struct Case
{
    QString name;
    std::function<Result(QSqlDatabase&, double*)> core;
    // The checksum adds up the last column of every row of every statement.
    QList<Statement> direct;
};

Case statistics(const QString& name, IncomeAnalysis::Question question)
{
    const QVariantList period = {question.start.toString(Qt::ISODate), question.end.toString(Qt::ISODate)};
    const QVariantList marks = {QStringLiteral("2"), QStringLiteral("3")};
    const bool goods = question.subject == IncomeAnalysis::Subject::Goods;
    const bool byDay = question.grouping == IncomeAnalysis::Grouping::ByDay;
    Case measured{name,
                  [question](QSqlDatabase& db, double* checksum) {
                      const ResultOf<IncomeAnalysis::Analysis> analysis = IncomeAnalysis::run(db, question);
                      if (!analysis)
                          return analysis.result();
                      *checksum = analysis->tableFees.toDouble() + analysis->amount();
                      return Result::success();
                  },
                  {}};
    const bool marked = goods || question.useMark;
    measured.direct.append({marked ? "select sum(je) from waimxd where dzbj in (?, ?) and rc >= ? and rc <= ?"
                                   : "select sum(je) from waimxd where rc >= ? and rc <= ?",
                            marked ? marks + period : period});
    if (goods)
        measured.direct.append({byDay ? "select rc, sum(amount) from ckv_zc where jzbj = ? and dzbj in (?, ?) and "
                                        "rc >= ? and rc <= ? group by rc order by rc"
                                      : "select wlcode, sum(amount) from ckv_zc where jzbj = ? and dzbj in (?, ?) "
                                        "and rc >= ? and rc <= ? group by wlcode order by wlcode",
                                QVariantList{1} + marks + period});
    else
        measured.direct.append(
            {byDay ? (marked ? "select rc, sum(je) from waimxd where dzbj in (?, ?) and rc >= ? and rc <= ? "
                               "group by rc order by rc"
                             : "select rc, sum(je) from waimxd where rc >= ? and rc <= ? group by rc order by rc")
                   : (marked ? "select zhao, sum(je) from waimxd where dzbj in (?, ?) and rc >= ? and rc <= ? "
                               "group by zhao order by zhao"
                             : "select zhao, sum(je) from waimxd where rc >= ? and rc <= ? group by zhao order by "
                               "zhao"),
             marked ? marks + period : period});
    return measured;
}

// The day report's "Find": its totals and its list refilled in printbiao,
// directly as the same writes in one transaction.
Case dayReport(const QDate& day)
{
    const QVariantList date = {day.toString(Qt::ISODate)};
    return {QStringLiteral("day report, one day"),
            [day](QSqlDatabase& db, double* checksum) {
                const DayTakings::Filter filter{day, QString(), std::nullopt};
                const ResultOf<DayTakings::Totals> totals = DayTakings::totals(db, filter);
                if (!totals)
                    return totals.result();
                const Result result = DayTakings::list(db, filter);
                *checksum =
                    totals->total() + Sql::scalar(db, QStringLiteral("select sum(je) from printbiao"))->toDouble();
                return result;
            },
            {{"select sum(je) from waimxdall where rc = ?", date},
             {"select sum(amount) from ckv_zcall where rc = ?", date},
             {"begin", {}},
             {"delete from printbiao", {}},
             {"insert into printbiao (rcl, zhao, sc1, dj, je, id) select rc, zhao, sc1, dj, je, id from waimxd "
              "where rc = ? and jsrc is not null order by jsrc, id",
              date},
             {"insert into printbiao (rcl, zhao, sc1, dj, je) select rc, wlcode, count, price, amount from ckv_zcall "
              "where rc = ? order by id",
              date},
             {"commit", {}},
             {"select sum(je) from printbiao", {}}}};
}

QList<Case> cases()
{
    using IncomeAnalysis::Grouping;
    using IncomeAnalysis::Subject;
    const QDate monthStart(2026, 11, 1);
    const QDate monthEnd(2026, 11, 30);
    const QDate yearStart(2025, 1, 1);
    const QDate yearEnd(2025, 12, 31);
    return {
        dayReport(QDate(2026, 11, 14)),
        statistics(QStringLiteral("income, a month by day"),
                   {Subject::TableFees, Grouping::ByDay, true, monthStart, monthEnd}),
        statistics(QStringLiteral("income, a year by day"),
                   {Subject::TableFees, Grouping::ByDay, true, yearStart, yearEnd}),
        statistics(QStringLiteral("income, a year by table"),
                   {Subject::TableFees, Grouping::ByItem, true, yearStart, yearEnd}),
        statistics(QStringLiteral("income, a year by day, no mark"),
                   {Subject::TableFees, Grouping::ByDay, false, yearStart, yearEnd}),
        statistics(QStringLiteral("goods, a month by goods"),
                   {Subject::Goods, Grouping::ByItem, false, monthStart, monthEnd}),
    };
}

// Runs the statements on the raw connection; false with the message in
// *error when SQLite refuses one.
bool runDirect(sqlite3* db, const QList<Statement>& statements, double* checksum, QString* error)
{
    double sum = 0;
    for (const Statement& statement : statements) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(db, statement.sql, -1, &stmt, nullptr);
        for (int i = 0; rc == SQLITE_OK && i < statement.values.size(); ++i) {
            const QVariant& value = statement.values.at(i);
            if (value.typeId() == QMetaType::Int) {
                rc = sqlite3_bind_int64(stmt, i + 1, value.toInt());
            } else {
                const QByteArray text = value.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        while (rc == SQLITE_OK || rc == SQLITE_ROW) {
            rc = sqlite3_step(stmt);
            if (rc == SQLITE_ROW)
                sum += sqlite3_column_double(stmt, sqlite3_column_count(stmt) - 1);
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) {
            *error = QString::fromUtf8(sqlite3_errmsg(db));
            return false;
        }
    }
    *checksum = sum;
    return true;
}

// The same on a server, through libpq: each ? becomes $1, $2, … and every
// value goes as text for the server to read as its column's type.
bool runDirect(PGconn* db, const QList<Statement>& statements, double* checksum, QString* error)
{
    double sum = 0;
    for (const Statement& statement : statements) {
        QByteArray sql;
        int number = 0;
        for (const char* c = statement.sql; *c; ++c)
            sql += *c == '?' ? QByteArray("$") + QByteArray::number(++number) : QByteArray(1, *c);
        QList<QByteArray> texts;
        QList<const char*> values;
        for (const QVariant& value : statement.values)
            texts.append(value.toString().toUtf8());
        for (const QByteArray& text : std::as_const(texts))
            values.append(text.constData());
        PGresult* rows =
            PQexecParams(db, sql.constData(), int(values.size()), nullptr, values.constData(), nullptr, nullptr, 0);
        const bool ok = PQresultStatus(rows) == PGRES_TUPLES_OK || PQresultStatus(rows) == PGRES_COMMAND_OK;
        for (int row = 0; ok && row < PQntuples(rows); ++row)
            sum += QByteArray(PQgetvalue(rows, row, PQnfields(rows) - 1)).toDouble();
        PQclear(rows);
        if (!ok) {
            *error = QString::fromUtf8(PQerrorMessage(db));
            return false;
        }
    }
    *checksum = sum;
    return true;
}

using Direct = std::function<bool(const QList<Statement>&, double*, QString*)>;

// Times the case through the core on db and directly, prints the medians
// and their ratio under the label, and returns the ratio; nullopt after
// printing why when either failed or they found different sums.
std::optional<double> measure(const Case& measured, const QString& label, QSqlDatabase& db, const Direct& direct,
                              int runs)
{
    QList<double> coreTimes;
    QList<double> directTimes;
    QElapsedTimer timer;
    QString error;
    // The first round only warms the page cache for both.
    for (int run = 0; run <= runs; ++run) {
        double fromCore = 0;
        double fromDirect = 0;
        timer.start();
        const Result result = measured.core(db, &fromCore);
        const double coreTime = double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        const bool directly = direct(measured.direct, &fromDirect, &error);
        const double directTime = double(timer.nsecsElapsed()) / 1e6;
        if (!result || !directly) {
            fail(measured.name + QStringLiteral(": ") + (result ? error : result.message()));
            return std::nullopt;
        }
        if (std::abs(fromCore - fromDirect) > 0.005) {
            fail(QStringLiteral("%1: the core found %2, the statements %3")
                     .arg(measured.name)
                     .arg(fromCore, 0, 'f', 2)
                     .arg(fromDirect, 0, 'f', 2));
            return std::nullopt;
        }
        if (run > 0) {
            coreTimes.append(coreTime);
            directTimes.append(directTime);
        }
    }
    const double ratio = median(coreTimes) / median(directTimes);
    std::printf("%-34s core median %8.2f ms, direct median %8.2f ms, ratio %.2f\n", qUtf8Printable(label),
                median(coreTimes), median(directTimes), ratio);
    return ratio;
}

// The server's libpq connection beside the core's, to the same database.
PGconn* connectDirectly(const ServerHall& server)
{
    const QByteArray host = server.place.host.toUtf8();
    const QByteArray port = QByteArray::number(server.place.port);
    const QByteArray database = server.place.database.toUtf8();
    const QByteArray user = server.place.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    const char* keys[] = {"host", "port", "dbname", "user", password.isEmpty() ? nullptr : "password", nullptr};
    const char* values[] = {host.constData(), port.constData(),     database.constData(),
                            user.constData(), password.constData(), nullptr};
    return PQconnectdbParams(keys, values, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the day report and the takings statistics over five years of history (%1 settled visits "
                       "over %2 tables, "
                       "%3 goods rows), each beside the same statements run directly through SQLite on the same "
                       "file. Fails when a median takes %4 times the direct median or more.")
            .arg(Visits)
            .arg(Tables)
            .arg(GoodsRows)
            .arg(TargetRatio));
    parser.addHelpOption();
    ServerHall::addOption(parser);
    const int runs = timedRuns(parser, app, 11);
    const QString serverUri = ServerHall::uri(parser);
    if (runs == 0) {
        fail(QStringLiteral("--runs needs a whole number of at least 3"));
        return Failed;
    }

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("jssfserver.mdb"));
    QSqlDatabase db;
    QElapsedTimer timer;
    timer.start();
    Result result = Database::create(file, QStringLiteral("bench"), &db);
    if (result)
        result = Sql::transaction(db, [&] { return addVisitsAndGoods(db); });
    if (!result) {
        fail(result.message());
        return Failed;
    }
    std::printf("history: %d visits over %d tables, %d goods rows, five years; made in %.1f s; runs: %d\n", Visits,
                Tables, GoodsRows, double(timer.elapsed()) / 1000, runs);

    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        fail(QStringLiteral("cannot open the file directly: ") + QString::fromUtf8(sqlite3_errmsg(raw)));
        sqlite3_close(raw);
        return Failed;
    }

    ServerHall server;
    PGconn* pg = nullptr;
    if (!serverUri.isEmpty()) {
        if (result = server.copy(serverUri, db); !result) {
            fail(result.message());
            sqlite3_close(raw);
            return Failed;
        }
        pg = connectDirectly(server);
        if (PQstatus(pg) != CONNECTION_OK) {
            fail(QStringLiteral("cannot connect to the server directly: ") + QString::fromUtf8(PQerrorMessage(pg)));
            PQfinish(pg);
            sqlite3_close(raw);
            return Failed;
        }
    }
    const Direct onFile = [raw](const QList<Statement>& statements, double* checksum, QString* error) {
        return runDirect(raw, statements, checksum, error);
    };
    const Direct onServer = [pg](const QList<Statement>& statements, double* checksum, QString* error) {
        return runDirect(pg, statements, checksum, error);
    };

    bool allWithin = true;
    bool measuredAll = true;
    for (const Case& measured : cases()) {
        const std::optional<double> ratio = measure(measured, measured.name, db, onFile, runs);
        const std::optional<double> serverRatio =
            !ratio || !pg ? ratio : measure(measured, QStringLiteral("  on PostgreSQL"), server.db, onServer, runs);
        if (!ratio || !serverRatio) {
            measuredAll = false;
            break;
        }
        allWithin = allWithin && *ratio < TargetRatio && *serverRatio < TargetRatio;
    }
    PQfinish(pg);
    if (!measuredAll) {
        sqlite3_close(raw);
        return Failed;
    }
    std::printf("target: each ratio < %.1f\n", TargetRatio);
    sqlite3_close(raw);
    db = QSqlDatabase();
    Database::close(QStringLiteral("bench"));
    return allWithin ? WithinTarget : AboveTarget;
}
