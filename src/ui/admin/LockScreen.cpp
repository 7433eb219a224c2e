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

    m_frontTimer = timer("frontTimer", 10, this);
    m_countdownTimer = timer("countdownTimer", 1000, this);
    connect(m_frontTimer, &QTimer::timeout, this, &LockScreen::keepInFront);
    connect(m_countdownTimer, &QTimer::timeout, this, &LockScreen::countDown);
    m_frontTimer->start();
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
    m_passwordEdit = new QLineEdit(panel);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setEnabled(false);
    m_passwordEdit->setMinimumWidth(220);
    codeLabel->setBuddy(m_passwordEdit);

    QLabel* hintLine = label("Label5", hint, panel);
    m_countdownLabel = label("countdownLabel", QString::number(Seconds), panel);

    m_unlockButton = new QPushButton(tr("解除锁定"), panel);
    m_unlockButton->setObjectName(QStringLiteral("unlockButton"));
    m_unlockButton->setEnabled(false);
    m_unlockButton->setAutoDefault(false);
    connect(m_unlockButton, &QPushButton::clicked, this, &LockScreen::unlock);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(32, 24, 32, 24);
    grid->setVerticalSpacing(12);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(enterHint, 1, 0, 1, 2);
    grid->addWidget(codeLabel, 2, 0);
    grid->addWidget(m_passwordEdit, 2, 1);
    grid->addWidget(hintLine, 3, 0, 1, 2);
    grid->addWidget(m_countdownLabel, 4, 0, 1, 2);
    grid->addWidget(m_unlockButton, 5, 1, Qt::AlignRight);

    auto* outer = new QGridLayout(this);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);
}

// Keeps the cover in front and the count full while waiting for Enter.
void LockScreen::keepInFront()
{
    raise();
    activateWindow();
    m_secondsLeft = Seconds;
    m_countdownLabel->setText(QString::number(Seconds));
}

void LockScreen::countDown()
{
    --m_secondsLeft;
    m_countdownLabel->setText(tr("%1  Seconds time to write a password.").arg(m_secondsLeft));
    m_passwordEdit->setFocus();
    // Checking a password hash takes a noticeable moment: only a changed text is checked again.
    const QString typed = m_passwordEdit->text();
    if (typed != m_lastTried && m_code.matches(typed)) {
        m_frontTimer->stop();
        m_countdownTimer->stop();
        m_secondsLeft = Seconds;
        m_countdownLabel->setText(QString::number(Seconds));
        m_passwordEdit->setEnabled(false);
        m_unlockButton->setEnabled(true);
        m_unlockButton->setFocus();
        return;
    }
    m_lastTried = typed;
    if (m_secondsLeft <= 0)
        lock();
}

void LockScreen::lock()
{
    m_countdownTimer->stop();
    m_passwordEdit->clear();
    m_passwordEdit->setEnabled(false);
    m_frontTimer->start();
}

bool LockScreen::isUnlocked() const
{
    return m_unlockButton->isEnabled();
}

void LockScreen::unlock()
{
    m_frontTimer->stop();
    m_countdownTimer->stop();
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
    if (enter && m_frontTimer->isActive()) {
        m_frontTimer->stop();
        m_countdownTimer->start();
        m_passwordEdit->setEnabled(true);
        m_passwordEdit->setFocus();
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
