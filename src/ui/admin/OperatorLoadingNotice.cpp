#include "ui/admin/OperatorLoadingNotice.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

OperatorLoadingNotice::OperatorLoadingNotice(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("OperatorLoadingNotice"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    auto* label = new QLabel(tr("正在读入操作员信息，请稍候..."), frame);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(28, 20, 28, 20);
    frameLayout->addWidget(label);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setFixedSize(sizeHint().expandedTo(QSize(300, 80)));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(600);
    connect(m_timer, &QTimer::timeout, this, &QDialog::close);
    m_timer->start();
}
