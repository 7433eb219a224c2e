#pragma once

#include "core/base/Result.h"
#include "core/printing/ReportDocument.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QVariantList>

// The members as the member list shows them: read only, in the order the
// rows were written (rowid), with the list's columns and captions. A hall of
// many thousand members opens at once: the model knows only the count and
// reads the rows a view asks for, one page at a time, until refresh().
class MemberList : public QAbstractTableModel
{
public:
    // The columns in the order the list shows them.
    enum Column
    {
        Name,        // yhm
        Sex,         // xb
        Opened,      // khrc
        Validity,    // yxrc
        Card,        // khao
        Balance,     // yk
        Time,        // js
        State,       // zt
        Discount,    // zk
        CardType,    // klx
        Agent,       // jbr
        Note,        // bz
        TotalTime,   // jslj
        TotalAmount, // jelj
        ColumnCount
    };

    MemberList(const QSqlDatabase& db, QObject* parent = nullptr);

    // What the column holds, for a spreadsheet; the card number is text.
    static CellKind kind(int column);

    // Reads the count again and forgets every page read so far. A failure
    // leaves the list empty and is also kept in lastError().
    Result refresh();
    // The first failure of reading a page since the last refresh (a view
    // asking for rows cannot be told): success when there was none.
    const Result& lastError() const { return m_error; }

    QString cardAt(int row) const;
    QString nameAt(int row) const;
    // The row that shows the card, or -1 when no member has it.
    int rowOfCard(const QString& card) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QList<QVariantList>* page(int number) const;
    QVariant value(int row, Column column) const;

    QSqlDatabase m_db;
    int m_count = 0;
    mutable QHash<int, QList<QVariantList>> m_pages;
    mutable Result m_error = Result::success();
};
