#include "ui/board/TableMarkScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/billing/TableNumber.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TableMarkScreen::TableMarkScreen(const Kind& kind, AppState& state, const QString& table, const QString& value,
                                 QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_state(state)
{
    setObjectName(QLatin1String(kind.name));
    setWindowTitle(kind.caption);
    m_table = new QLineEdit(table, this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setReadOnly(true);
    m_value = new QLineEdit(value, this);
    m_value->setObjectName(QStringLiteral("value"));
    m_saveButton = new QPushButton(tr("保存"), this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("取消"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* hint = new QLabel(kind.hint, this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    auto* form = new QFormLayout;
    form->addRow(tr("桌 台 号："), m_table);
    form->addRow(kind.label, m_value);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    m_value->setFocus();

    connect(m_saveButton, &QPushButton::clicked, this, &TableMarkScreen::save);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TableMarkScreen::save()
{
    if (m_value->text().isEmpty())
        return;
    const std::optional<qint16> number = tableNumber(m_table->text());
    if (!number)
        return;
    const std::optional<double> value = m_kind.read(m_value->text());
    if (!value) {
        Messages::exclamation(m_kind.refused());
        m_value->setFocus();
        return;
    }
    const Result saved = m_kind.save(m_state.DbConn, *number, *value);
    if (!saved) {
        showError(saved);
        return;
    }
    Messages::information(m_kind.saved.arg(m_table->text(), m_value->text().trimmed()));
    accept();
}
