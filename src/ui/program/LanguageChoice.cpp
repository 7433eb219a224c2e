#include "ui/program/LanguageChoice.h"

#include "core/base/SettingsStore.h"
#include "ui/program/Language.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

LanguageChoice::LanguageChoice(SettingsStore& settings, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_choices(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("LanguageChoice"));
    setWindowTitle(tr("界面语言"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tavoro 下次启动时使用所选的语言。"), this));
    // Each language is named in itself, so that an operator who cannot read
    // the present one still finds their own.
    const QList<std::pair<QString, QString>> choices = {
        {tr("跟随系统语言"), QString()},
        {QStringLiteral("中文"), languageSetting(Language::Chinese)},
        {QStringLiteral("English"), languageSetting(Language::English)}};
    for (const auto& [caption, setting] : choices) {
        auto* choice = new QRadioButton(caption, this);
        choice->setObjectName(setting.isEmpty() ? QStringLiteral("optSystem") : QStringLiteral("opt_") + setting);
        choice->setProperty("setting", setting);
        choice->setChecked(setting == m_settings.language());
        m_choices->addButton(choice);
        layout->addWidget(choice);
    }
    if (!m_choices->checkedButton())
        m_choices->buttons().constFirst()->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageChoice::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void LanguageChoice::accept()
{
    const QString chosen = m_choices->checkedButton()->property("setting").toString();
    if (chosen != m_settings.language())
        m_settings.setLanguage(chosen);
    QDialog::accept();
}
