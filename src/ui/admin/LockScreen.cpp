#include "ui/admin/LockScreen.h"

#include "core/base/AppState.h"
#include "ui/base/ProgramFolder.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int Seconds = 5;

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QTimer* timer(const char* name, int interval, QObject* parent)
{
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(interval);
    return t;
}

} // namespace

LockScreen::LockScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_code(UnlockCode::forOperator(state.DbConn, state.OperatorName))
    , m_background(programPicture(QStringLiteral("back.wmf")))
{
    setObjectName(QStringLiteral("LockScreen"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowState(Qt::WindowFullScreen);
    setModal(true);

    buildScreen(m_code.usesFallback() ? tr("当前操作员没有口令，请输入系统解锁码。")
                                      : tr("请输入操作员 %1 的口令。").arg(state.OperatorName));

    m_timer1 = timer("Timer1", 10, this);
    m_timer2 = timer("Timer2", 1000, this);
    connect(m_timer1, &QTimer::timeout, this, &LockScreen::Timer1_Timer);
    connect(m_timer2, &QTimer::timeout, this, &LockScreen::Timer2_Timer);
    m_timer1->start();
}

void LockScreen::buildScreen(const QString& hint)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("#Panel { background: rgba(20, 30, 40, 215); border-radius: 10px; }"
                                        "QLabel { color: #e8eef2; }"));

    QLabel* title = label("Label3", tr("System Control"), panel);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    QLabel* enterHint = label("Label4", tr("按 ENTER 键入密码："), panel);
    QLabel* codeLabel = label("Label1", tr("退出口令:"), panel);
    m_text1 = new QLineEdit(panel);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setEchoMode(QLineEdit::Password);
    m_text1->setEnabled(false);
    m_text1->setMinimumWidth(220);
    codeLabel->setBuddy(m_text1);

    QLabel* hintLine = label("Label5", hint, panel);
    m_label2 = label("Label2", QString::number(Seconds), panel);

    m_command1 = new QPushButton(tr("解除锁定"), panel);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setEnabled(false);
    m_command1->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &LockScreen::Command1_Click);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(32, 24, 32, 24);
    grid->setVerticalSpacing(12);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(enterHint, 1, 0, 1, 2);
    grid->addWidget(codeLabel, 2, 0);
    grid->addWidget(m_text1, 2, 1);
    grid->addWidget(hintLine, 3, 0, 1, 2);
    grid->addWidget(m_label2, 4, 0, 1, 2);
    grid->addWidget(m_command1, 5, 1, Qt::AlignRight);

    auto* outer = new QGridLayout(this);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);
}

// Keeps the cover in front and the count full while waiting for Enter.
void LockScreen::Timer1_Timer()
{
    raise();
    activateWindow();
    m_secondsLeft = Seconds;
    m_label2->setText(QString::number(Seconds));
}

void LockScreen::Timer2_Timer()
{
    --m_secondsLeft;
    m_label2->setText(tr("%1  Seconds time to write a password.").arg(m_secondsLeft));
    m_text1->setFocus();
    // Checking a password hash takes a noticeable moment: only a changed text is checked again.
    const QString typed = m_text1->text();
    if (typed != m_lastTried && m_code.matches(typed)) {
        m_timer1->stop();
        m_timer2->stop();
        m_secondsLeft = Seconds;
        m_label2->setText(QString::number(Seconds));
        m_text1->setEnabled(false);
        m_command1->setEnabled(true);
        m_command1->setFocus();
        return;
    }
    m_lastTried = typed;
    if (m_secondsLeft <= 0)
        lock();
}

void LockScreen::lock()
{
    m_timer2->stop();
    m_text1->clear();
    m_text1->setEnabled(false);
    m_timer1->start();
}

bool LockScreen::isUnlocked() const
{
    return m_command1->isEnabled();
}

void LockScreen::Command1_Click()
{
    m_timer1->stop();
    m_timer2->stop();
    accept();
}

void LockScreen::reject()
{
    if (isUnlocked())
        QDialog::reject();
}

void LockScreen::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_timer1->isActive()) {
        m_timer1->stop();
        m_timer2->start();
        m_text1->setEnabled(true);
        m_text1->setFocus();
        return;
    }
    // The dialog's own handling would close on Escape or press a button on Enter.
    event->accept();
}

void LockScreen::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && !isUnlocked())
        activateWindow();
}

void LockScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
        return;
    }
    QLinearGradient gradient(rect().topLeft(), rect().bottomLeft());
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x3a));
    gradient.setColorAt(1, QColor(0x0c, 0x1d, 0x16));
    painter.fillRect(rect(), gradient);
}
