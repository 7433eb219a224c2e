#pragma once

#include "core/base/AppState.h"

#include <QStringList>
#include <QTemporaryDir>

// A fresh database made from the schema in a temporary folder, open as its
// own connection, with the run-time state of a program that has started on
// it. Each test case makes its own and it is gone afterwards.
class TestHall
{
public:
    // Where a hall lives: on the store this run of the tests is for, or on
    // the test server whatever the run, for a case comparing the two.
    enum class Store
    {
        OfThisRun,
        Server
    };

    explicit TestHall(Store store = Store::OfThisRun);
    ~TestHall();
    TestHall(const TestHall&) = delete;
    TestHall& operator=(const TestHall&) = delete;

    // Whether the halls of this run live on a throwaway server rather than
    // in a file; a case about the file itself skips there.
    static bool onServer();

    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    QString folder() const { return m_dir.path(); }
    // Where another process finds this hall, as Database::openNamed reads it.
    QString place() const;
    // The hall's database on the test server; empty for a hall in a file.
    QString serverDatabase() const { return m_serverDatabase; }
    QSqlDatabase& db() { return state.DbConn; }

    // Fills the tables with the shipped rows (parameters, the system
    // operator, shifts, card types) as the database maker does.
    bool addShippedRows();

    // Sets the run-time state as a successful login would.
    void loginAs(const QString& operatorName, const QString& shiftName = QStringLiteral("全天"),
                 const QDate& businessDate = QDate(2026, 12, 6), bool isSystemOperator = true);

    // Runs a statement with bound values; fails the calling test on error.
    bool exec(const QString& sql, const QVariantList& values = {});
    // Points the light controller's port at the device and turns the lights
    // on, as the parameter editor would.
    bool attachLights(const QString& device);

    // Every row the statement returns, its fields joined by '|', each field
    // written the same whichever store answers: a double as SQLite writes it
    // ("12.0", "4.5"), a null as nothing. A failed statement gives one row
    // that says so, for the calling test to show.
    QStringList rows(const QString& sql, const QVariantList& values = {});

    // Makes the store refuse the statements of `event` ("before insert on
    // srmx", "before update of sybj on zhdy"), for the rows meeting `when`
    // if given, with `message`, as a full disk or a broken store would;
    // allow(name) lifts it again.
    bool refuse(const QString& name, const QString& event, const QString& message, const QString& when = {});
    bool allow(const QString& name);

    // Takes a table away with whatever depends on it, as a damaged or
    // foreign database would lack it.
    bool dropTable(const QString& table);

    AppState state;

private:
    QTemporaryDir m_dir;
    QString m_connection;
    bool m_valid = false;
    QString m_error;
    // The database made for this hall on the test server, when the tests
    // run there.
    QString m_serverDatabase;
};

// Every row of every table but the ones named, each led by its table, in a
// fixed order: compare two of them to see that nothing changed.
QStringList everyRow(const QSqlDatabase& db, const QStringList& except = {});
