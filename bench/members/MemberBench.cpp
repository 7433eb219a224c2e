#include "BenchStats.h"
#include "core/base/AppState.h"
#include "core/base/Database.h"
#include "core/base/Sql.h"
#include "core/members/ConsumptionQuery.h"
#include "ui/members/MemberListScreen.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double TargetMilliseconds = 100;
constexpr int Members = 100000;

void fail(const QString& text)
{
    std::fprintf(stderr, "bench-members: %s\n", qUtf8Printable(text));
}

Result addMembers(QSqlDatabase& db)
{
    return Sql::exec(
        db,
        QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                       "insert into user_lb (khao, yhm, xb, klx, zt, yk, js, zk, jslj, jelj, khrc, yxrc, jbr, bz) "
                       "select printf('8%09d', i), '会员' || i, case when i % 2 then '男' else '女' end, '优惠卡', "
                       "'正常', i % 1000 + 0.5, i % 60, 0, 0, i % 1000, '2026-01-01', '2027-12-31', '前台', "
                       "'备注' || i from n"),
        {Members});
}

// The summary of members with a balance above 500, read to its last row as
// a report reads it.
bool summaryQuery(const QSqlDatabase& db, int* rows)
{
    const ConsumptionCondition::Condition condition{QStringLiteral("yk > ?"), {500}, QString()};
    QSqlQueryModel model;
    if (!ConsumptionQuery::run(db, ConsumptionQuery::Kind::Summary, condition, &model))
        return false;
    while (model.canFetchMore())
        model.fetchMore();
    *rows = model.rowCount();
    return true;
}

bool lastRowVisible(const QTableView* grid)
{
    const QModelIndex last = grid->model()->index(grid->model()->rowCount() - 1, 0);
    return grid->viewport()->rect().intersects(grid->visualRect(last));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the member list on %1 members: opened and shown up to its last row, and scrolled "
                       "from the top to the end; and the member summary query read through. Fails when the median "
                       "opening takes %2 ms or more.")
            .arg(Members)
            .arg(TargetMilliseconds));
    parser.addHelpOption();
    const int runs = timedRuns(parser, app, 15);
    if (runs == 0) {
        fail(QStringLiteral("--runs needs a whole number of at least 3"));
        return Failed;
    }

    QTemporaryDir dir;
    AppState state;
    state.OperatorName = QStringLiteral("bench");
    Result result =
        Database::create(dir.filePath(QStringLiteral("jssfserver.mdb")), QStringLiteral("bench"), &state.DbConn);
    if (result)
        result = Sql::transaction(state.DbConn, [&] { return addMembers(state.DbConn); });
    if (!result) {
        fail(result.message());
        return Failed;
    }

    QList<double> shown;
    QList<double> scrolled;
    QList<double> summarised;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        {
            MemberListScreen screen(state);
            screen.show();
            QApplication::processEvents();
            auto* grid = screen.findChild<QTableView*>(QStringLiteral("Grid_user"));
            if (!grid || grid->model()->rowCount() != Members || !lastRowVisible(grid)) {
                fail(QStringLiteral("the list did not show its last member"));
                return Failed;
            }
            shown.append(double(timer.nsecsElapsed()) / 1e6);

            grid->verticalScrollBar()->setValue(0);
            QApplication::processEvents();
            timer.restart();
            grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
            grid->viewport()->repaint();
            QApplication::processEvents();
            scrolled.append(double(timer.nsecsElapsed()) / 1e6);
            if (!lastRowVisible(grid)) {
                fail(QStringLiteral("the list did not scroll to its last member"));
                return Failed;
            }
            screen.close();
        }
        timer.restart();
        int rows = 0;
        if (!summaryQuery(state.DbConn, &rows) || rows != Members / 2) {
            fail(QStringLiteral("the summary query did not list the members above 500"));
            return Failed;
        }
        summarised.append(double(timer.nsecsElapsed()) / 1e6);
    }
    // The first run also pays for the file's first reads; it counts like any other.
    std::printf("members: %d, runs: %d\n", Members, runs);
    std::printf("member list shown up to its last row: median %.2f ms (target < %.0f ms)\n", median(shown),
                TargetMilliseconds);
    std::printf("scrolled from the top to the end:     median %.2f ms\n", median(scrolled));
    std::printf("summary of %d members read through:   median %.2f ms\n", Members / 2, median(summarised));
    state.DbConn = QSqlDatabase();
    Database::close(QStringLiteral("bench"));
    return median(shown) < TargetMilliseconds ? WithinTarget : AboveTarget;
}
