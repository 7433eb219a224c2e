#include "ui/billing/RateBandsScreen.h"

#include "core/base/AppState.h"
#include "ui/billing/BandEditor.h"
#include "ui/billing/RateSchemesScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RateBandsScreen::RateBandsScreen(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_editor(new BandEditor(BandStore::tables(state.DbConn), this))
    , m_cmdgy(new QPushButton(tr("刷 新"), this))
{
    setObjectName(QStringLiteral("RateBandsScreen"));
    setWindowTitle(tr("设定时段收费"));
    resize(820, 560);

    auto* title = new QLabel(tr("台位时段收费标准设置"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    m_cmdgy->setObjectName(QStringLiteral("cmdgy"));
    m_cmdgy->setAutoDefault(false);
    auto* schemes = new QPushButton(tr("设定计费方案"), this);
    schemes->setObjectName(QStringLiteral("Command1"));
    schemes->setAutoDefault(false);
    connect(m_cmdgy, &QPushButton::clicked, this, &RateBandsScreen::openRS);
    connect(schemes, &QPushButton::clicked, this, &RateBandsScreen::Command1_Click);
    connect(m_editor, &BandEditor::closeRequested, this, &QDialog::reject);
    connect(m_editor, &BandEditor::editingChanged, m_cmdgy, [this](bool editing) { m_cmdgy->setEnabled(!editing); });

    auto* extra = new QHBoxLayout;
    extra->addWidget(m_cmdgy);
    extra->addStretch();
    extra->addWidget(schemes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_editor, 1);
    layout->addLayout(extra);
}

void RateBandsScreen::openRS()
{
    m_editor->reload();
}

void RateBandsScreen::Command1_Click()
{
    RateSchemesScreen schemes(m_state, this);
    schemes.exec();
    // An assignment there changed the bands shown here.
    openRS();
}
