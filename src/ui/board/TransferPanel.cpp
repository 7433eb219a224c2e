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
    setObjectName(QStringLiteral("FZt"));
    TextBox1 = shown("TextBox1", this);
    TextBox1->hide();
    TextBox2 = shown("TextBox2", this);
    Combozt = new QComboBox(this);
    Combozt->setObjectName(QStringLiteral("Combozt"));
    CommandButton1 = button("CommandButton1", tr(ConfirmOut), this);
    CommandButton3 = button("CommandButton3", tr("转入确认"), this);
    CommandButton2 = button("CommandButton2", tr("关闭"), this);

    auto* hint = new QLabel(tr("先转出确认,选择台位后,点[转入确认]按钮."), this);
    hint->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("现 桌 台："), TextBox2);
    form->addRow(tr("换入桌台："), Combozt);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CommandButton1);
    buttons->addWidget(CommandButton3);
    buttons->addWidget(CommandButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addLayout(buttons);
    hide();

    connect(CommandButton1, &QPushButton::clicked, this, &TransferPanel::toggleTransferOut);
    connect(CommandButton3, &QPushButton::clicked, this, &TransferPanel::transferIn);
    connect(CommandButton2, &QPushButton::clicked, this, &QWidget::hide);
}

void TransferPanel::prepare(qint16 table)
{
    bool inUse = false;
    const Result marked = TableMove::isMarkedInUse(m_state.DbConn, table, &inUse);
    if (!marked) {
        showError(marked);
        return;
    }
    if (!inUse || !fillFreeTables())
        return;
    TextBox1->setText(QString::number(table));
    TextBox2->setText(TextBox1->text());
    CommandButton1->setText(tr(ConfirmOut));
    CommandButton3->setEnabled(false);
    show();
}

bool TransferPanel::fillFreeTables()
{
    QList<qint16> free;
    const Result found = TableMove::freeTables(m_state.DbConn, &free);
    if (!found) {
        showError(found);
        return false;
    }
    Combozt->clear();
    for (const qint16 zhao : free)
        Combozt->addItem(QString::number(zhao));
    return !free.isEmpty();
}

void TransferPanel::toggleTransferOut()
{
    const bool confirming = CommandButton1->text() == tr(ConfirmOut);
    CommandButton3->setEnabled(confirming);
    light(confirming ? 0 : 1, TextBox2->text());
    CommandButton1->setText(tr(confirming ? CancelOut : ConfirmOut));
}

// A refused transfer leaves the transfer-out confirmed, so the operator can
// pick another free table or cancel and light the source again.
void TransferPanel::transferIn()
{
    const std::optional<qint16> source = tableNumber(TextBox2->text());
    const std::optional<qint16> target = tableNumber(Combozt->currentText());
    if (!source || !target)
        return;
    TableMove::Transfer outcome = TableMove::Transfer::Moved;
    const Result result = TableMove::transfer(m_state.DbConn, *source, *target, &outcome);
    if (!result) {
        showError(result);
        return;
    }
    if (outcome != TableMove::Transfer::Moved) {
        Messages::exclamation(TableMove::refusal(outcome, *source, *target));
        if (outcome == TableMove::Transfer::SourceClosed) {
            hide();
            Q_EMIT moved();
        } else if (!fillFreeTables()) {
            CommandButton3->setEnabled(false);
        }
        return;
    }
    Messages::information(tr("%1 号桌的客人的账单已改为  %2  号台。").arg(TextBox2->text(), Combozt->currentText()));
    light(1, Combozt->currentText());
    hide();
    Q_EMIT moved();
}

void TransferPanel::light(int command, const QString& table)
{
    if (m_state.params.lightControl)
        m_light->SendDAta(command, table);
}
