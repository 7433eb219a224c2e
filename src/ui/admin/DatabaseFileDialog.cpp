#include "ui/admin/DatabaseFileDialog.h"

#include "core/admin/LastSettledVisit.h"
#include "core/admin/LoginLogic.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/SettingsStore.h"
#include "core/data/ShippedRows.h"
#include "ui/base/ProgramFolder.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

DatabaseFileDialog::DatabaseFileDialog(SettingsStore& settings, const QSqlDatabase& db, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_db(db)
    , m_fileChoice(new QRadioButton(tr("数据文件"), this))
    , m_serverChoice(new QRadioButton(tr("数据库服务器（PostgreSQL）"), this))
    , m_fileEdit(new QLineEdit(this))
    , m_hostEdit(new QLineEdit(this))
    , m_portEdit(new QLineEdit(this))
    , m_databaseEdit(new QLineEdit(this))
    , m_userEdit(new QLineEdit(this))
    , m_serverPasswordEdit(new QLineEdit(this))
    , m_passwordEdit(new QLineEdit(this))
    , m_fileDialog(new QFileDialog(this))
    , m_background(programPicture(QStringLiteral("back.BMP")))
{
    setObjectName(QStringLiteral("DatabaseFileDialog"));
    setWindowTitle(tr("设置数据文件"));

    m_fileChoice->setObjectName(QStringLiteral("fileChoice"));
    m_serverChoice->setObjectName(QStringLiteral("serverChoice"));
    auto* fileLabel = new QLabel(tr("选择路径:名称为JSsfServer.MDB 的文件"), this);
    fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_fileEdit->setObjectName(QStringLiteral("fileEdit"));
    m_fileEdit->setReadOnly(true);
    m_fileEdit->setMinimumWidth(360);
    auto* passwordLabel = new QLabel(tr("系统操作员口令:"), this);
    passwordLabel->setObjectName(QStringLiteral("passwordLabel"));
    passwordLabel->setBuddy(m_passwordEdit);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);

    const ServerPlace place = settings.serverPlace();
    m_hostEdit->setObjectName(QStringLiteral("hostEdit"));
    m_hostEdit->setText(place.host);
    m_hostEdit->setPlaceholderText(tr("服务器名称、地址或套接字文件夹"));
    m_portEdit->setObjectName(QStringLiteral("portEdit"));
    m_portEdit->setText(QString::number(place.port));
    m_portEdit->setValidator(new QIntValidator(1, 65535, m_portEdit));
    m_databaseEdit->setObjectName(QStringLiteral("databaseEdit"));
    m_databaseEdit->setText(place.database);
    m_userEdit->setObjectName(QStringLiteral("userEdit"));
    m_userEdit->setText(place.user);
    m_serverPasswordEdit->setObjectName(QStringLiteral("serverPasswordEdit"));
    m_serverPasswordEdit->setEchoMode(QLineEdit::Password);
    m_serverPasswordEdit->setPlaceholderText(tr("只用于这次检验，不保存"));
    auto* server = new QFormLayout;
    server->addRow(tr("服务器:"), m_hostEdit);
    server->addRow(tr("端口:"), m_portEdit);
    server->addRow(tr("数据库:"), m_databaseEdit);
    server->addRow(tr("用户:"), m_userEdit);
    server->addRow(tr("服务器密码:"), m_serverPasswordEdit);

    m_fileDialog->setObjectName(QStringLiteral("fileDialog"));
    m_fileDialog->setFileMode(QFileDialog::ExistingFile);
    m_fileDialog->setNameFilter(QStringLiteral("*.mdb"));
    m_fileDialog->setOption(QFileDialog::DontUseNativeDialog);

    QPushButton* browseButton = button(QStringLiteral("browseButton"), tr("浏览..."), this);
    QPushButton* ok = button(QStringLiteral("cmdOK"), tr("确定(&Y)"), this);
    QPushButton* cancel = button(QStringLiteral("cmdCancel"), tr("关闭(&C)"), this);
    // The password is typed last: Enter in its box is "确定".
    ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setVerticalSpacing(12);
    layout->addWidget(m_fileChoice, 0, 0, 1, 2);
    layout->addWidget(fileLabel, 1, 0, 1, 2);
    layout->addWidget(m_fileEdit, 2, 0);
    layout->addWidget(browseButton, 2, 1);
    layout->addWidget(m_serverChoice, 3, 0, 1, 2);
    layout->addLayout(server, 4, 0, 1, 2);
    layout->addWidget(passwordLabel, 5, 0, 1, 2);
    layout->addWidget(m_passwordEdit, 6, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 7, 0, 1, 2);

    (settings.onServer() ? m_serverChoice : m_fileChoice)->setChecked(true);
    showChoice();
    connect(m_fileChoice, &QRadioButton::toggled, this, &DatabaseFileDialog::showChoice);
    connect(browseButton, &QPushButton::clicked, this, &DatabaseFileDialog::browse);
    connect(ok, &QPushButton::clicked, this, &DatabaseFileDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &DatabaseFileDialog::reject);
}

void DatabaseFileDialog::showChoice()
{
    const bool server = m_serverChoice->isChecked();
    for (QWidget* box :
         {static_cast<QWidget*>(m_hostEdit), static_cast<QWidget*>(m_portEdit), static_cast<QWidget*>(m_databaseEdit),
          static_cast<QWidget*>(m_userEdit), static_cast<QWidget*>(m_serverPasswordEdit)})
        box->setEnabled(server);
    m_fileEdit->setEnabled(!server);
    findChild<QPushButton*>(QStringLiteral("browseButton"))->setEnabled(!server);
}

ServerPlace DatabaseFileDialog::typedPlace() const
{
    ServerPlace place;
    place.host = m_hostEdit->text().trimmed();
    place.port = m_portEdit->text().toInt();
    place.database = m_databaseEdit->text().trimmed();
    place.user = m_userEdit->text().trimmed();
    return place;
}

void DatabaseFileDialog::browse()
{
    if (m_fileDialog->exec() != QDialog::Accepted || m_fileDialog->selectedFiles().isEmpty())
        return;
    chooseFile(m_fileDialog->selectedFiles().constFirst());
}

void DatabaseFileDialog::chooseFile(const QString& fullName)
{
    if (fullName.isEmpty())
        return;
    m_fileEdit->setText(fullName);
    m_passwordEdit->setFocus();
}

void DatabaseFileDialog::confirm()
{
    const bool server = m_serverChoice->isChecked();
    const ServerPlace place = typedPlace();
    const QString fullName = m_fileEdit->text();
    if (server && (place.host.isEmpty() || place.database.isEmpty() || place.port <= 0)) {
        Messages::exclamation(tr("请填写服务器、端口和数据库。"), windowTitle());
        return;
    }
    if (!server && fullName.isEmpty()) {
        Messages::exclamation(tr("还没有选择数据文件，请先用“浏览...”选择。"), windowTitle());
        return;
    }
    // A database the program cannot open would stop every later start before
    // any screen could point elsewhere, so it is checked while there is a
    // choice.
    const ResultOf<std::optional<QDate>> lastSettled =
        server ? lastSettledVisit(place, m_serverPasswordEdit->text()) : lastSettledVisit(fullName);
    m_serverPasswordEdit->clear();
    Result result = lastSettled.result();
    if (result && !server && !QFileInfo(fullName).isWritable())
        result = Result::failure(tr("数据文件 %1 没有写权限").arg(fullName));
    if (!result) {
        Messages::exclamation(result.message(), windowTitle());
        return;
    }

    const LoginLogic::PasswordCheck check =
        LoginLogic::checkPassword(m_db, ShippedRows::SystemOperator, m_passwordEdit->text());
    m_passwordEdit->clear();
    if (!check.result) {
        showError(check.result);
        return;
    }
    if (!check.matched || !check.isSystemOperator) {
        Messages::exclamation(tr("系统操作员口令不正确，数据库位置没有改变！"), windowTitle());
        m_passwordEdit->setFocus();
        return;
    }

    const QString settled =
        *lastSettled ? tr("最后一笔结账在 %1").arg(DateText::date(**lastSettled)) : tr("其中没有结账记录");
    if (!Messages::askDefaultNo(
            tr("下次启动时将使用数据文件\n%1\n%2，之后的会员余额和营业记录都以它为准。\n确认更换数据库并退出程序吗?")
                .arg(server ? place.describe() : fullName, settled),
            windowTitle()))
        return;
    if (server) {
        m_settings.saveServer(place);
    } else {
        const ChosenFile chosen = splitChosenFile(fullName);
        m_settings.save(chosen.folder, chosen.fileName);
    }
    accept();
    Q_EMIT endProgram();
}

void DatabaseFileDialog::paintEvent(QPaintEvent* event)
{
    if (m_background.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}
