#include "core/members/MemberList.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

constexpr int PageSize = 200;
// Enough pages for any screenful and some scrolling back; a view that runs
// through the whole hall does not keep the whole hall in memory.
constexpr int KeptPages = 64;

const char* const Captions[] = {
    QT_TRANSLATE_NOOP("MemberList", "姓 名"),    QT_TRANSLATE_NOOP("MemberList", "性 别"),
    QT_TRANSLATE_NOOP("MemberList", "开户日期"), QT_TRANSLATE_NOOP("MemberList", "有效日期"),
    QT_TRANSLATE_NOOP("MemberList", "卡号"),     QT_TRANSLATE_NOOP("MemberList", "余  款"),
    QT_TRANSLATE_NOOP("MemberList", "剩余机时"), QT_TRANSLATE_NOOP("MemberList", "性质"),
    QT_TRANSLATE_NOOP("MemberList", "折扣"),     QT_TRANSLATE_NOOP("MemberList", "卡类型"),
    QT_TRANSLATE_NOOP("MemberList", "经办人"),   QT_TRANSLATE_NOOP("MemberList", "备注"),
    QT_TRANSLATE_NOOP("MemberList", "累计机时"), QT_TRANSLATE_NOOP("MemberList", "累计金额")};

const QString Columns = QStringLiteral("yhm, xb, khrc, yxrc, khao, yk, js, zt, zk, klx, jbr, bz, jslj, jelj");

bool isMoney(int column)
{
    return column == MemberList::Balance || column == MemberList::TotalAmount;
}

bool isNumber(int column)
{
    return isMoney(column) || column == MemberList::Time || column == MemberList::Discount ||
           column == MemberList::TotalTime;
}

} // namespace

MemberList::MemberList(const QSqlDatabase& db, QObject* parent)
    : QAbstractTableModel(parent)
    , m_db(db)
{}

CellKind MemberList::kind(int column)
{
    if (isMoney(column))
        return CellKind::Money;
    if (isNumber(column))
        return CellKind::Number;
    return column == Opened || column == Validity ? CellKind::Date : CellKind::Text;
}

Result MemberList::refresh()
{
    beginResetModel();
    m_pages.clear();
    const ResultOf<QVariant> count = Sql::scalar(m_db, QStringLiteral("select count(*) from user_lb"));
    m_error = count.result();
    m_count = count ? count->toInt() : 0;
    endResetModel();
    return m_error;
}

const QList<QVariantList>* MemberList::page(int number) const
{
    if (const auto found = m_pages.constFind(number); found != m_pages.cend())
        return &found.value();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(
        query, QStringLiteral("select ") + Columns + QStringLiteral(" from user_lb order by rowid limit ? offset ?"),
        {PageSize, number * PageSize});
    if (!result) {
        if (m_error)
            m_error = result;
        return nullptr;
    }
    QList<QVariantList> rows;
    rows.reserve(PageSize);
    while (query.next()) {
        QVariantList row;
        row.reserve(ColumnCount);
        for (int c = 0; c < ColumnCount; ++c)
            row.append(query.value(c));
        rows.append(row);
    }
    if (m_pages.size() >= KeptPages)
        m_pages.clear();
    return &m_pages.insert(number, rows).value();
}

QVariant MemberList::value(int row, Column column) const
{
    if (row < 0 || row >= m_count)
        return {};
    const QList<QVariantList>* rows = page(row / PageSize);
    const int at = row % PageSize;
    if (!rows || at >= rows->size())
        return {};
    return rows->at(at).at(column);
}

QString MemberList::cardAt(int row) const
{
    return value(row, Card).toString();
}

QString MemberList::nameAt(int row) const
{
    return value(row, Name).toString();
}

int MemberList::rowOfCard(const QString& card) const
{
    const ResultOf<QVariant> rowid =
        Sql::scalar(m_db, QStringLiteral("select rowid from user_lb where khao = ?"), {card});
    if (!rowid || !rowid->isValid())
        return -1;
    const ResultOf<QVariant> before =
        Sql::scalar(m_db, QStringLiteral("select count(*) from user_lb where rowid < ?"), {*rowid});
    if (!before)
        return -1;
    const int row = before->toInt();
    return row < m_count ? row : -1;
}

int MemberList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int MemberList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MemberList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return isNumber(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QVariant stored = value(index.row(), Column(index.column()));
    bool number = false;
    const double figure = stored.toDouble(&number);
    if (stored.isNull() || !number || !isNumber(index.column()))
        return stored;
    return isMoney(index.column()) ? Notation::moneyText(figure) : Notation::numberText(figure);
}

QVariant MemberList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate("MemberList", Captions[section]);
}
