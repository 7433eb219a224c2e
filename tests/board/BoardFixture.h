#pragma once

#include "base/Sql.h"
#include "billing/AddBands.h"
#include "board/Form_menu.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <memory>

// A hall of three tables at 30 an hour for guests (20 for members) all day,
// table 3 with the positioning card "P3", and two members: "M1" without a
// password (优惠卡, discount 9.5) and "M2" with the password " 123 " (现金卡).
// The clock stands at 20:00; the system operator is logged in. The board is
// built by board(), after a test has set its parameters.
class BoardFixture
{
public:
    BoardFixture()
        : clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)))
    {
        ready = hall.isValid() && hall.addShippedRows();
        const QString table = QStringLiteral("insert into zhdy (zhao, mc, sybj, fwfl, zxjffz, zdxffz, ktkh, tx) "
                                             "values (?, ?, 0, 0, 0, 0, ?, 0)");
        for (int zhao = 1; zhao <= 3; ++zhao) {
            ready = ready &&
                    hall.exec(table, {zhao, QString(QString::number(zhao) + QStringLiteral("号台")),
                                      zhao == 3 ? QVariant(QStringLiteral("P3")) : QVariant()}) &&
                    addBands(hall, zhao, QStringLiteral("00:00:00-23:59:59=20/30"));
        }
        const QString member = QStringLiteral("insert into user_lb (khao, mm, klx, zk) values (?, ?, ?, ?)");
        ready = ready && hall.exec(member, {QStringLiteral("M1"), QVariant(), QStringLiteral("优惠卡"), 9.5}) &&
                hall.exec(member, {QStringLiteral("M2"), QStringLiteral(" 123 "), QStringLiteral("现金卡"), 0});
        hall.loginAs(QStringLiteral("system"));
        Parameters& p = hall.state.params;
        p.memberDeposit = 50;
        p.cardNumberLength = 10;
        p.gridRowHeight = 450;
        p.reminderOffersCheckout = true;
    }

    Form_menu& board()
    {
        if (!m_board)
            m_board = std::make_unique<Form_menu>(hall.state);
        return *m_board;
    }

    template <typename T = QLineEdit>
    T* find(const QString& name)
    {
        return board().findChild<T*>(name);
    }
    QLineEdit* box(const char* name) { return find(QLatin1String(name)); }
    QTableWidget* grid() { return find<QTableWidget>(QStringLiteral("FlGrid")); }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    QColor colour(int row, int column) { return grid()->item(row, column)->background().color(); }
    QString current() { return find<QComboBox>(QStringLiteral("DataCombo1"))->currentText(); }

    void run(const char* key)
    {
        QAction* action = find<QAction>(QLatin1String(key));
        QVERIFY2(action, key);
        action->trigger();
    }

    // A click on the table's grid row, as the operator makes it.
    void click(int row)
    {
        QTableWidget* g = grid();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row, 1)).center());
    }

    // Opens the table of the grid row through the board, as at the counter.
    void open(int row, const QString& card = {}, const QString& password = {}, const QString& reminder = {})
    {
        click(row);
        box("Txtkhao")->setText(card);
        box("Txtpassword")->setText(password);
        box("Txttx")->setText(reminder);
        run("js");
    }

    // Closes a table's visit and frees it, as a checkout would.
    bool settle(int zhao)
    {
        return hall.exec(QStringLiteral("update waimxd set jsrc=? where zhao=? and jsrc is null"),
                         {QStringLiteral("2026-12-06 23:00:00"), zhao}) &&
               hall.exec(QStringLiteral("update zhdy set sybj=0, tx=0, fwfl=0 where zhao=?"), {zhao});
    }

    int openVisits(int zhao)
    {
        return Sql::scalar(hall.db(), QStringLiteral("select count(*) from waimxd where zhao=? and jsrc is null"),
                           {zhao})
            .toInt();
    }

    TestClock clock;
    MessageRecorder messages;
    TestHall hall;
    bool ready = false;

private:
    std::unique_ptr<Form_menu> m_board;
};
