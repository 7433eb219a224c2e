#include "ui/base/NumberDelegate.h"

#include "core/base/Notation.h"

#include <QAbstractItemView>
#include <QDataWidgetMapper>
#include <QLineEdit>

namespace {

bool isNumber(const QVariant& value)
{
    const int type = value.typeId();
    return type == QMetaType::Double || type == QMetaType::Float;
}

} // namespace

NumberDelegate::NumberDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{}

NumberDelegate* NumberDelegate::install(QAbstractItemView* view, const QSet<int>& moneyColumns)
{
    auto* delegate = new NumberDelegate(view);
    delegate->m_money = moneyColumns;
    view->setItemDelegate(delegate);
    return delegate;
}

void NumberDelegate::install(QDataWidgetMapper* mapper)
{
    mapper->setItemDelegate(new NumberDelegate(mapper));
}

QString NumberDelegate::cellText(const QVariant& value, int column) const
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (value.isNull() || !ok)
        return value.toString();
    if (m_money.contains(column))
        return Notation::moneyText(number);
    return isNumber(value) ? Notation::numberText(number) : value.toString();
}

void NumberDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant value = index.data(Qt::DisplayRole);
    if (value.isNull() || !(isNumber(value) || m_money.contains(index.column())))
        return;
    option->text = cellText(value, index.column());
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
}

// A box filled with "1e+05" would be refused when saved again.
void NumberDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* box = qobject_cast<QLineEdit*>(editor);
    const QVariant value = index.data(Qt::EditRole);
    if (box && isNumber(value))
        box->setText(Notation::numberText(value.toDouble()));
    else
        QStyledItemDelegate::setEditorData(editor, index);
}
