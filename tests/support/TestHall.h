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
    TestHall();
    ~TestHall();
    TestHall(const TestHall&) = delete;
    TestHall& operator=(const TestHall&) = delete;

    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    QString folder() const { return m_dir.path(); }
    QSqlDatabase& db() { return state.DbConn; }

    // Fills the tables with the shipped rows (parameters, the system
    // operator, shifts, card types) as the database maker does.
    bool addShippedRows();

    // Sets the run-time state as a successful login would.
    void loginAs(const QString& operatorName, const QString& shiftName = QStringLiteral("全天"),
                 const QDate& businessDate = QDate(2026, 12, 6), bool isSystemOperator = true);

    // Runs a statement with bound values; fails the calling test on error.
    bool exec(const QString& sql, const QVariantList& values = {});

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
