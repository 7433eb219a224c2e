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
    , m_reloadButton(new QPushButton(tr("刷 新"), this))
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

    m_reloadButton->setObjectName(QStringLiteral("reloadButton"));
    m_reloadButton->setAutoDefault(false);
    auto* schemes = new QPushButton(tr("设定计费方案"), this);
    schemes->setObjectName(QStringLiteral("schemesButton"));
    schemes->setAutoDefault(false);
    connect(m_reloadButton, &QPushButton::clicked, this, &RateBandsScreen::reload);
    connect(schemes, &QPushButton::clicked, this, &RateBandsScreen::openSchemes);
    connect(m_editor, &BandEditor::closeRequested, this, &QDialog::reject);
    connect(m_editor, &BandEditor::editingChanged, m_reloadButton,
            [this](bool editing) { m_reloadButton->setEnabled(!editing); });

    auto* extra = new QHBoxLayout;
    extra->addWidget(m_reloadButton);
    extra->addStretch();
    extra->addWidget(schemes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_editor, 1);
    layout->addLayout(extra);
}

void RateBandsScreen::reload()
{
    m_editor->reload();
}

void RateBandsScreen::openSchemes()
{
    RateSchemesScreen schemes(m_state, this);
    schemes.exec();
    // An assignment there changed the bands shown here.
    reload();
}
