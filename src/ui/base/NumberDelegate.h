#pragma once

#include <QSet>
#include <QStyledItemDelegate>

class QAbstractItemView;
class QDataWidgetMapper;

// How a grid or a record form shows the numbers its model holds: a money
// column with two decimals, any other number with the decimals it has, and
// never with an exponent ("1.23517e+06" for a balance of 1235167.89). Every
// grid and record form over stored rows draws its cells through it.
class NumberDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NumberDelegate(QObject* parent = nullptr);

    // Shows the view's cells through a new delegate, money in the columns
    // given; returns it to name more money columns later.
    static NumberDelegate* install(QAbstractItemView* view, const QSet<int>& moneyColumns = {});
    // Fills the mapper's boxes through a new delegate: numbers as typed.
    static void install(QDataWidgetMapper* mapper);

    void setMoney(int column, bool money)
    {
        if (money)
            m_money.insert(column);
        else
            m_money.remove(column);
    }

    bool money(int column) const { return m_money.contains(column); }

    // The text of a stored value in the column.
    QString cellText(const QVariant& value, int column) const;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QSet<int> m_money;
};
