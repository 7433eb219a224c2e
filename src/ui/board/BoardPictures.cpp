#include "ui/board/BoardPictures.h"

#include "ui/base/ProgramFolder.h"

#include <QPainter>

namespace {

// A table seen from above: felt, cushions, six pockets; a table in use has
// balls on it and a lit lamp.
QPixmap drawTable(bool inUse)
{
    QPixmap pixmap(96, 60);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6d, 0x4c, 0x2f));
    painter.drawRoundedRect(QRectF(2, 6, 92, 52), 8, 8);
    painter.setBrush(inUse ? QColor(0x1f, 0x8a, 0x4c) : QColor(0x2f, 0x6b, 0x4f));
    painter.drawRect(QRectF(9, 13, 78, 38));
    painter.setBrush(QColor(0x1a, 0x1a, 0x1a));
    for (const QPointF& pocket :
         {QPointF(10, 14), QPointF(48, 12), QPointF(86, 14), QPointF(10, 50), QPointF(48, 52), QPointF(86, 50)})
        painter.drawEllipse(pocket, 4, 4);
    if (inUse) {
        painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
        painter.drawEllipse(QPointF(28, 32), 5, 5);
        const QList<std::pair<QPointF, QColor>> balls = {{QPointF(62, 28), QColor(0xd3, 0x2f, 0x2f)},
                                                         {QPointF(68, 36), QColor(0xf2, 0xc1, 0x1d)},
                                                         {QPointF(70, 25), QColor(0x1e, 0x4f, 0xc8)}};
        for (const auto& [centre, colour] : balls) {
            painter.setBrush(colour);
            painter.drawEllipse(centre, 4.5, 4.5);
        }
        painter.setBrush(QColor(0xff, 0xd5, 0x4f));
        painter.drawEllipse(QPointF(48, 5), 5, 4);
    }
    return pixmap;
}

} // namespace

BoardPictures BoardPictures::load()
{
    BoardPictures pictures{programPicture(QStringLiteral("tqkb.jpg")), programPicture(QStringLiteral("ituse.jpg"))};
    if (pictures.freeTable.isNull() || pictures.tableInUse.isNull())
        return builtIn();
    return pictures;
}

BoardPictures BoardPictures::builtIn()
{
    return {drawTable(false), drawTable(true)};
}
