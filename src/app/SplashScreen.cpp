#include "app/SplashScreen.h"

#include "ui/base/ProgramFolder.h"
#include "ui/base/WindowPlacement.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(programPicture(QStringLiteral("back.jpg")))
{
    setObjectName(QStringLiteral("SplashScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(520, 300);

    auto* title = new QLabel(QStringLiteral("Tavoro"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setPointSize(40);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* publisher = new QLabel(tr("台球厅计费管理系统"), this);
    publisher->setObjectName(QStringLiteral("Label2"));
    QFont publisherFont = publisher->font();
    publisherFont.setPointSize(16);
    publisher->setFont(publisherFont);

    for (QLabel* label : {title, publisher}) {
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addWidget(publisher);
    layout->addStretch(3);

    centerOnScreen(this);
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.drawPixmap(rect(), m_picture);
        return;
    }
    // Without the picture file, the felt of a table.
    QLinearGradient felt(rect().topLeft(), rect().bottomRight());
    felt.setColorAt(0, QColor(0x1b, 0x6b, 0x3a));
    felt.setColorAt(1, QColor(0x0b, 0x3d, 0x20));
    painter.fillRect(rect(), felt);
    painter.setPen(QPen(QColor(0x6b, 0x3f, 0x1d), 12));
    painter.drawRect(rect().adjusted(6, 6, -6, -6));
}
