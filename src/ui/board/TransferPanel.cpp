#include "ui/board/TransferPanel.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/billing/TableNumber.h"
#include "core/board/TableMove.h"
#include "core/devices/LightController.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The button's caption says which of the two steps it takes next.
const char* const ConfirmOut = QT_TRANSLATE_NOOP("TransferPanel", "转出确认");
const char* const CancelOut = QT_TRANSLATE_NOOP("TransferPanel", "取消转出");

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

QLineEdit* shown(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

} // namespace

TransferPanel::TransferPanel(AppState& state, LightController* light, QWidget* parent)
    : QGroupBox(tr("转台"), parent)
    , m_state(state)
    , m_light(light)
{
    setObjectName(QStringLiteral("transferPanel"));
    m_heldSource = shown("heldSource", this);
    m_heldSource->hide();
    m_source = shown("source", this);
    m_target = new QComboBox(this);
    m_target->setObjectName(QStringLiteral("target"));
    m_transferOutButton = button("transferOutButton", tr(ConfirmOut), this);
    m_transferInButton = button("transferInButton", tr("转入确认"), this);
    m_closeButton = button("closeButton", tr("关闭"), this);

    auto* hint = new QLabel(tr("先转出确认,选择台位后,点[转入确认]按钮."), this);
    hint->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("现 桌 台："), m_source);
    form->addRow(tr("换入桌台："), m_target);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_transferOutButton);
    buttons->addWidget(m_transferInButton);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addLayout(buttons);
    hide();

    connect(m_transferOutButton, &QPushButton::clicked, this, &TransferPanel::toggleTransferOut);
    connect(m_transferInButton, &QPushButton::clicked, this, &TransferPanel::transferIn);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void TransferPanel::prepare(qint16 table)
{
    const ResultOf<bool> inUse = TableMove::isMarkedInUse(m_state.DbConn, table);
    if (!inUse) {
        showError(inUse.result());
        return;
    }
    if (!*inUse || !fillFreeTables())
        return;
    m_heldSource->setText(QString::number(table));
    m_source->setText(m_heldSource->text());
    m_transferOutButton->setText(tr(ConfirmOut));
    m_transferInButton->setEnabled(false);
    show();
}

bool TransferPanel::fillFreeTables()
{
    const ResultOf<QList<qint16>> free = TableMove::freeTables(m_state.DbConn);
    if (!free) {
        showError(free.result());
        return false;
    }
    m_target->clear();
    for (const qint16 number : *free)
        m_target->addItem(QString::number(number));
    return !free->isEmpty();
}

void TransferPanel::toggleTransferOut()
{
    const bool confirming = m_transferOutButton->text() == tr(ConfirmOut);
    m_transferInButton->setEnabled(confirming);
    switchLamp(confirming ? 0 : 1, m_source->text());
    m_transferOutButton->setText(tr(confirming ? CancelOut : ConfirmOut));
}

// A refused transfer leaves the transfer-out confirmed, so the operator can
// pick another free table or cancel and light the source again.
void TransferPanel::transferIn()
{
    const std::optional<qint16> source = tableNumber(m_source->text());
    const std::optional<qint16> target = tableNumber(m_target->currentText());
    if (!source || !target)
        return;
    const ResultOf<TableMove::Transfer> outcome = TableMove::transfer(m_state.DbConn, *source, *target);
    if (!outcome) {
        showError(outcome.result());
        return;
    }
    if (*outcome != TableMove::Transfer::Moved) {
        Messages::exclamation(TableMove::refusal(*outcome, *source, *target));
        if (*outcome == TableMove::Transfer::SourceClosed) {
            hide();
            Q_EMIT moved();
        } else if (!fillFreeTables()) {
            m_transferInButton->setEnabled(false);
        }
        return;
    }
    Messages::information(tr("%1 号桌的客人的账单已改为  %2  号台。").arg(m_source->text(), m_target->currentText()));
    switchLamp(1, m_target->currentText());
    hide();
    Q_EMIT moved();
}

void TransferPanel::switchLamp(int command, const QString& table)
{
    if (m_state.params.lightControl)
        m_light->sendTable(command, table);
}
