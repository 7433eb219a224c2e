#pragma once

#include "core/base/Result.h"
#include "core/board/BoardRows.h"

#include <QAbstractTableModel>

#include <array>
#include <functional>
#include <optional>

// The board's rows, one per table. The rows are laid out by build() and kept
// until the next build, so a table added later shows only then. A refresh
// rewrites the rows of the tables in use from their open visits; a free row
// keeps what it last showed of its guest except the status (and, on the
// one-row refresh, the reminder). The total of a table in use is its running
// time charge, from the pricing the owner gives; a row it cannot price shows
// no total. Views colour a row by InUseRole; every change names the rows it
// touched, so a view repaints only those.
class BoardModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Number,
        Start,
        End,
        Duration,
        Rate,
        Total,
        Card,
        Status,
        Name,
        Reminder,
        ColumnCount
    };
    enum Role
    {
        InUseRole = Qt::UserRole + 1, // bool, in every column
        DueRole,                      // bool, in the reminder column: its minutes are reached
        ListTextRole                  // the list's text: minutes without a leading zero, the member rate dj
    };
    // What a checkout leaves in its row.
    struct Bill
    {
        QString total;
        QDateTime end;
    };

    // The running time charge of a table in use; none when it cannot be priced.
    using PriceRow = std::function<std::optional<double>(const BoardRow& table)>;
    // Asked once a refresh for the pricing of its rows at the refresh's
    // moment, so that what the rows share is read once.
    using Pricing = std::function<PriceRow(const QDateTime& now)>;

    explicit BoardModel(QObject* parent = nullptr);

    // Without a pricing the total of a table in use stays empty.
    void setPricing(Pricing pricing) { m_pricing = std::move(pricing); }

    // One row per table in zhao order showing its number and name, in use
    // when its mark sybj says so.
    Result build(const QSqlDatabase& db);
    // Every row from its table's first open visit, read in one statement.
    Result refresh(const QSqlDatabase& db, const QDateTime& now);
    // One row from its table read alone, after the bill of a checkout when
    // there is one (a visit the row showed open and another counter settled
    // brings its own); a free row loses columns 1 to 6 too when clearWhenFree.
    Result refreshOne(const QSqlDatabase& db, int row, const QDateTime& now, bool clearWhenFree,
                      const Bill* bill = nullptr);

    // The row of a table, or -1.
    int rowOf(qint16 number) const;
    // The table of a row as last read, its open visit included.
    const BoardRow& table(int row) const { return m_rows.at(row).table; }
    bool isDue(int row) const { return m_rows.at(row).due; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        BoardRow table;
        std::array<QString, ColumnCount> cells;
        QString listDuration;
        QString listRate;
        bool inUse = false;
        bool due = false;
    };

    static void showInUse(Row& row, const QDateTime& now, const PriceRow& price);
    static void showFree(Row& row);

    QList<Row> m_rows;
    Pricing m_pricing;
};
