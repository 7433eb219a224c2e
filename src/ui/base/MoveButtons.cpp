#include "ui/base/MoveButtons.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QStyle>

QList<QPushButton*> addMoveButtons(QBoxLayout* row, QWidget* parent)
{
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                            QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    QList<QPushButton*> moves;
    for (int i = 0; i < 4; ++i) {
        auto* move = new QPushButton(parent->style()->standardIcon(icons[i]), QString(), parent);
        move->setObjectName(QStringLiteral("CmdMove_") + QString::number(i));
        move->setAutoDefault(false);
        row->addWidget(move);
        moves.append(move);
    }
    return moves;
}
