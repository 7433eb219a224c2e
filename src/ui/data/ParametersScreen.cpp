#include "ui/data/ParametersScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/data/ParameterEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(name);
    return result;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* result = new QPushButton(text, parent);
    result->setObjectName(name);
    result->setMinimumWidth(120);
    result->setAutoDefault(false);
    return result;
}

QString element(const char* name, int i)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i);
}

} // namespace

ParametersScreen::ParametersScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("ParametersScreen"));
    setWindowTitle(tr("参数设置"));
    resize(760, 560);
    QFont base = font();
    base.setPointSize(11);
    setFont(base);

    auto* title = label(QStringLiteral("Label1"), tr("参数设置"), this);
    QFont titleFont = base;
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* note = label(QStringLiteral("Label2"), tr("系统参数设置所做的改变，只有在下次进入时生效。"), this);
    note->setStyleSheet(QStringLiteral("color: #a33;"));

    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("Picture1"));
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rows = new QWidget(area);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(8);
    m_grid->setColumnStretch(2, 1);
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->addLayout(m_grid);
    rowsLayout->addStretch();
    area->setWidget(rows);

    auto* save = button(QStringLiteral("Cmduser"), tr("保存设置的参数"), this);
    auto* close = button(QStringLiteral("Command1"), tr("关 闭"), this);
    connect(save, &QPushButton::clicked, this, &ParametersScreen::saveParameters);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addWidget(area, 1);
    layout->addLayout(buttons);

    load();
}

void ParametersScreen::load()
{
    if (const Result result = ParameterEditor::createMissingRows(m_state.DbConn); !result)
        showError(result);
    const ResultOf<QList<ParameterEditor::Entry>> entries = ParameterEditor::listRows(m_state.DbConn);
    if (!entries) {
        showError(entries.result());
        return;
    }
    for (int i = 0; i < entries->size(); ++i) {
        const ParameterEditor::Entry& entry = entries->at(i);
        addRow(i, entry.id, entry.name, entry.value, entry.helpText);
    }
}

void ParametersScreen::addRow(int i, qint64 id, const QString& name, const QString& value, const QString& helpText)
{
    QWidget* rows = m_grid->parentWidget();
    auto* nameLabel = label(element("Labspzd", i), name, rows);
    auto* box = new QLineEdit(value, rows);
    box->setObjectName(element("Txtspzd", i));
    box->setFixedWidth(180);
    auto* help = label(element("Labsm", i), helpText, rows);
    help->setWordWrap(true);
    help->setStyleSheet(QStringLiteral("color: #555;"));
    if (!helpText.isNull())
        box->setToolTip(helpText);
    m_grid->addWidget(nameLabel, i, 0, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->addWidget(box, i, 1);
    m_grid->addWidget(help, i, 2);
    m_rows.append({id, name, box});
}

void ParametersScreen::saveParameters()
{
    QList<ParameterEditor::Edit> edits;
    for (const Row& row : std::as_const(m_rows))
        edits.append({row.id, row.name, row.box->text()});
    const ParameterEditor::Saved saved = ParameterEditor::save(m_state.DbConn, edits);
    for (const QString& name : saved.refusedNames)
        Messages::exclamation(tr("%1参数不能为空！").arg(name));
    if (!saved.result) {
        showError(saved.result);
        return;
    }
    Messages::exclamation(tr("正确参数保存完成！"));
}
