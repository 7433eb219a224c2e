#include "ui/board/BoardList.h"

#include "core/board/BoardModel.h"
#include "ui/board/BoardPictures.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSortFilterProxyModel>

#include <iterator>

namespace {

const char* const Captions[] = {QT_TRANSLATE_NOOP("BoardList", "台号"),     QT_TRANSLATE_NOOP("BoardList", "开始日期"),
                                QT_TRANSLATE_NOOP("BoardList", "结束日期"), QT_TRANSLATE_NOOP("BoardList", "时长"),
                                QT_TRANSLATE_NOOP("BoardList", "元/小时"),  QT_TRANSLATE_NOOP("BoardList", "合计"),
                                QT_TRANSLATE_NOOP("BoardList", "会员号"),   QT_TRANSLATE_NOOP("BoardList", "状态")};
constexpr int CaptionCount = int(std::size(Captions));

class ListLook final : public QSortFilterProxyModel
{
public:
    ListLook(const BoardPictures& pictures, QObject* parent)
        : QSortFilterProxyModel(parent)
        , m_free(pictures.freeTable)
        , m_inUse(pictures.tableInUse)
    {}

    QVariant data(const QModelIndex& index, int role) const override
    {
        const bool inUse = mapToSource(index).data(BoardModel::InUseRole).toBool();
        switch (role) {
        case Qt::DisplayRole:
            return QSortFilterProxyModel::data(index, BoardModel::ListTextRole);
        case Qt::ForegroundRole:
            return inUse ? QColor(255, 0, 0) : QColor(0, 0, 255);
        case Qt::DecorationRole:
            return index.column() == BoardModel::Number ? QVariant(inUse ? m_inUse : m_free) : QVariant();
        default:
            return QSortFilterProxyModel::data(index, role);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < CaptionCount)
            return QCoreApplication::translate("BoardList", Captions[section]);
        return QSortFilterProxyModel::headerData(section, orientation, role);
    }

protected:
    bool filterAcceptsColumn(int column, const QModelIndex&) const override { return column < CaptionCount; }

private:
    QIcon m_free;
    QIcon m_inUse;
};

} // namespace

BoardList::BoardList(QWidget* parent)
    : QTreeView(parent)
{
    setObjectName(QStringLiteral("boardList"));
    setRootIsDecorated(false);
    setEditTriggers(NoEditTriggers);
}

void BoardList::setBoard(BoardModel* board, const BoardPictures& pictures)
{
    auto* look = new ListLook(pictures, this);
    look->setSourceModel(board);
    look->setSortRole(BoardModel::ListTextRole);
    setModel(look);
    constexpr int twips[] = {800, 2200, 2200, 800, 800, 500, 600, 600};
    for (int column = 0; column < int(std::size(twips)); ++column)
        setColumnWidth(column, twips[column] / 15);
}
