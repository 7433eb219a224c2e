#include "app/Form_main.h"

#include "app/AppState.h"
#include "app/DateText.h"
#include "app/Messages.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <QTimer>

Form_main::Form_main(AppState& state, QWidget* splash, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_splash(splash)
{
    setWindowTitle(Messages::AppTitle);
    setCursor(Qt::WaitCursor);
    resize(1024, 700);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setBackground(QColor(0xdd, 0xe4, 0xe8));
    setCentralWidget(m_mdiArea);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 1; i <= 5; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1_") + QString::number(i));
        panel->setContentsMargins(4, 0, 4, 0);
        // The file name takes what room is left; the other panels keep to their text.
        bar->addWidget(panel, i == 3 ? 1 : 0);
        m_panels.append(panel);
    }
    const QString company = m_state.params.companyName.trimmed();
    m_panels.at(0)->setText(company.isEmpty() ? Messages::AppTitle
                                              : Messages::AppTitle + QStringLiteral("  ") + company);
    m_panels.at(2)->setText(m_state.DbFullName);
    m_panels.at(2)->setToolTip(m_state.DbFullName);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Form_main::onTimer);
    m_timer->start();
}

void Form_main::applyLogin()
{
    m_panels.at(1)->setText(QStringLiteral("日期:") + DateText::date(m_state.BusinessDate));
    m_panels.at(3)->setText(QStringLiteral("操作员:") + m_state.OperatorName);
    m_panels.at(4)->setText(QStringLiteral("班次:") + m_state.ShiftName);
}

void Form_main::onTimer()
{
    if (m_splash)
        m_splash->close();
    unsetCursor();
}

void Form_main::closeEvent(QCloseEvent* event)
{
    if (!Messages::ask(QStringLiteral("是否退出") + Messages::AppTitle + QStringLiteral("？"))) {
        event->ignore();
        return;
    }
    Q_EMIT aboutToEnd();
    event->accept();
}
