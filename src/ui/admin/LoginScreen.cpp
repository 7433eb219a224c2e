#include "ui/admin/LoginScreen.h"

#include "core/admin/LoginLogic.h"
#include "core/admin/LoginPause.h"
#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateFormatCheck.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Notation.h"
#include "core/base/SettingsStore.h"
#include "core/data/ShippedRows.h"
#include "ui/base/ProgramFolder.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// Stands in for the decoration picture when the program folder has none.
QPixmap drawnDecoration()
{
    QPixmap pixmap(112, 150);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x6d, 0x4c, 0x2f), 6));
    painter.setBrush(QColor(0x1f, 0x6e, 0x43));
    painter.drawRoundedRect(QRectF(4, 4, 104, 142), 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
    painter.drawEllipse(QPointF(40, 104), 13, 13);
    painter.setBrush(QColor(0x1a, 0x1a, 0x1a));
    painter.drawEllipse(QPointF(70, 52), 16, 16);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(70, 52), 7, 7);
    painter.setPen(QColor(0x1a, 0x1a, 0x1a));
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(63, 45, 14, 14), Qt::AlignCenter, QStringLiteral("8"));
    return pixmap;
}

} // namespace

LoginScreen::LoginScreen(AppState& state, QWidget* splash, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_splash(splash)
{
    if (m_splash) {
        m_splash->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        m_splash->show();
        m_splash->raise();
    }
    buildScreen();
    showHint();
    adjustSize();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    loadShifts();
    loadOperators();
    m_dateEdit->setText(DateText::date(Clock::today()));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1500);
    connect(m_timer, &QTimer::timeout, this, &LoginScreen::onTimer);
    m_timer->start();

    if (m_operatorCombo->count() == 0) {
        // The splash stays on top and would hide the message.
        if (m_splash)
            m_splash->close();
        Messages::critical(tr("系统中没有操作员，无法登录！"), tr("系统登录"));
    }
}

void LoginScreen::buildScreen()
{
    setWindowTitle(tr("系统登录"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("img_frmsys"));
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap file = programPicture(QStringLiteral("frmsys.jpg"));
    picture->setPixmap(file.isNull() ? drawnDecoration()
                                     : file.scaled(112, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(6, 6, 6, 6);
    frameLayout->addWidget(picture);

    auto* instruction = new QLabel(tr("选择操作员,输入对应的口令"), this);
    instruction->setObjectName(QStringLiteral("Label2"));
    QFont bold = instruction->font();
    bold.setBold(true);
    instruction->setFont(bold);

    m_operatorCombo = new QComboBox(this);
    m_operatorCombo->setObjectName(QStringLiteral("operatorCombo"));
    m_operatorCombo->setEditable(false);
    m_passwordEdit = new QLineEdit(this);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->installEventFilter(this);
    m_shiftCombo = new QComboBox(this);
    m_shiftCombo->setObjectName(QStringLiteral("shiftCombo"));
    m_shiftCombo->setEditable(false);
    m_dateEdit = new QLineEdit(this);
    m_dateEdit->setObjectName(QStringLiteral("dateEdit"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    const auto addRow = [&](int row, const char* name, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
    };
    addRow(0, "Label1", tr("操作员姓名:"), m_operatorCombo);
    addRow(1, "Label3", tr("操作员口令:"), m_passwordEdit);
    addRow(2, "Label4", tr("操作员班次:"), m_shiftCombo);
    addRow(3, "Label5", tr("业务日期:"), m_dateEdit);
    fields->setColumnMinimumWidth(1, 170);

    m_hint =
        new QLabel(tr("初始操作员 %1，口令 %2").arg(ShippedRows::SystemOperator, ShippedRows::InitialPassword), this);
    m_hint->setObjectName(QStringLiteral("hintLabel"));
    m_hint->setForegroundRole(QPalette::PlaceholderText);

    auto* logInButton = new QPushButton(tr("确定(&Y)"), this);
    logInButton->setObjectName(QStringLiteral("logInButton"));
    logInButton->setDefault(true);
    auto* giveUpButton = new QPushButton(tr("放弃(&C)"), this);
    giveUpButton->setObjectName(QStringLiteral("giveUpButton"));
    giveUpButton->setAutoDefault(false);
    connect(logInButton, &QPushButton::clicked, this, &LoginScreen::logIn);
    connect(giveUpButton, &QPushButton::clicked, this, &LoginScreen::endWith);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(logInButton);
    buttons->addWidget(giveUpButton);

    auto* right = new QVBoxLayout;
    right->addWidget(instruction);
    right->addSpacing(4);
    right->addLayout(fields);
    right->addWidget(m_hint);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(frame, 0, Qt::AlignTop);
    top->addSpacing(6);
    top->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_operatorCombo, m_passwordEdit);
    setTabOrder(m_passwordEdit, m_shiftCombo);
    setTabOrder(m_shiftCombo, m_dateEdit);
    setTabOrder(m_dateEdit, logInButton);
    setTabOrder(logInButton, giveUpButton);
    m_passwordEdit->setFocus();
}

// Naming the shipped password is only a help while it still opens the program.
void LoginScreen::showHint()
{
    SettingsStore settings;
    LoginLogic::CheckedPassword last;
    last.digest = settings.checkedPassword(&last.initial);
    const LoginLogic::CheckedPassword before = last;
    const ResultOf<bool> inForce = LoginLogic::initialPasswordInForce(m_state.DbConn, &last);
    if (inForce && (last.digest != before.digest || last.initial != before.initial))
        settings.setCheckedPassword(last.digest, last.initial);
    if (!inForce)
        showError(inForce.result());
    m_hint->setHidden(!inForce || !*inForce);
}

void LoginScreen::loadShifts()
{
    const ResultOf<QList<LoginLogic::Shift>> shifts = LoginLogic::loadShifts(m_state.DbConn);
    if (!shifts) {
        showError(shifts.result());
        return;
    }
    m_shiftCombo->addItems(LoginLogic::shiftNames(*shifts));
    m_shiftCombo->setCurrentIndex(LoginLogic::preselectedShift(*shifts, Clock::timeOfDay()));
}

void LoginScreen::loadOperators()
{
    const ResultOf<QStringList> names = LoginLogic::loadOperatorNames(m_state.DbConn);
    if (!names) {
        showError(names.result());
        return;
    }
    m_operatorCombo->addItems(*names);
    m_operatorCombo->setCurrentIndex(names->isEmpty() ? -1 : 0);
}

bool LoginScreen::eventFilter(QObject* watched, QEvent* event)
{
    // Deferred, as a mouse click that gives the focus would clear the selection again.
    if (watched == m_passwordEdit && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_passwordEdit, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void LoginScreen::onTimer()
{
    if (m_splash)
        m_splash->close();
    if (!checkDateFormat()) {
        Messages::exclamation(WrongDateFormat);
        endWith();
    }
}

void LoginScreen::logIn()
{
    if (m_operatorCombo->count() == 0) {
        Messages::critical(tr("系统中没有操作员，无法登录！"), tr("系统登录"));
        return;
    }
    // The date is checked first, so that a mistyped date never costs one of the three attempts.
    const std::optional<QDate> date = LoginLogic::businessDate(m_dateEdit->text());
    if (!date) {
        Messages::exclamation(tr("业务日期不正确，请按 yyyy-mm-dd 的格式输入！"), tr("系统登录"));
        m_dateEdit->setFocus();
        m_dateEdit->selectAll();
        return;
    }
    if (m_beforeAttempt && !m_beforeAttempt())
        return;

    // The pause is measured, never slept, so the screen stays alive; an
    // attempt during it is refused before the password is looked at.
    const ResultOf<qint64> wait = LoginPause::secondsToWait(m_state.DbConn);
    if (!wait) {
        showError(wait.result());
        return;
    }
    if (*wait > 0) {
        Messages::exclamation(tr("口令错误次数过多，请等待 %1 秒后再登录！").arg(*wait), tr("系统登录"));
        return;
    }

    const LoginLogic::PasswordCheck check =
        LoginLogic::checkPassword(m_state.DbConn, m_operatorCombo->currentText(), m_passwordEdit->text());
    if (!check.result) {
        showError(check.result);
        return;
    }
    // Failed bookkeeping is shown but neither spares a failure its count nor blocks a right password.
    const Result recorded =
        check.matched ? LoginPause::clear(m_state.DbConn)
                      : LoginPause::recordFailure(m_state.DbConn, m_operatorCombo->currentText(), m_state.CounterName);
    if (!recorded)
        showError(recorded);
    if (!check.matched) {
        if (m_failures >= 2) {
            Messages::critical(tr("对不起，您无权进入本系统！"), tr("系统登录"));
            endWith();
            return;
        }
        Messages::critical(tr("操作员口令不合法！"), tr("系统登录"));
        ++m_failures;
        m_passwordEdit->clear();
        m_passwordEdit->setFocus();
        return;
    }

    m_state.OperatorName = Notation::Trim(m_operatorCombo->currentText());
    m_state.ShiftName = Notation::Trim(m_shiftCombo->currentText());
    m_state.BusinessDate = *date;
    m_state.IsSystemOperator = check.isSystemOperator;
    m_timer->stop();
    // Announced before hiding, so that the main window is up before the last window closes.
    Q_EMIT loggedIn();
    QDialog::done(Accepted);
}

void LoginScreen::reject()
{
    endWith();
}

void LoginScreen::endWith()
{
    m_timer->stop();
    QDialog::done(Rejected);
    Q_EMIT endProgram();
}
