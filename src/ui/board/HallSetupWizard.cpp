#include "ui/board/HallSetupWizard.h"

#include "core/base/AppState.h"
#include "ui/board/DevicesSetupPage.h"
#include "ui/board/HallSetupPages.h"

#include <QAbstractButton>
#include <QScopedValueRollback>

HallSetupWizard::HallSetupWizard(AppState& state, QWidget* parent)
    : QWizard(parent)
{
    setObjectName(QStringLiteral("HallSetupWizard"));
    setWindowTitle(tr("开店向导"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveCustomButton1);
    setButtonText(QWizard::CustomButton1, tr("跳过此步"));
    setButtonText(QWizard::CommitButton, tr("保存，下一步 >"));
    setButtonText(QWizard::FinishButton, tr("保存，完成"));
    setButtonText(QWizard::CancelButton, tr("以后再说"));
    button(QWizard::CustomButton1)->setObjectName(QStringLiteral("skipButton"));
    connect(this, &QWizard::customButtonClicked, this, [this] { skip(); });
    setPage(NamePage, new HallNamePage(state, this));
    setPage(TablesPage, new TablesSetupPage(state, this));
    setPage(RatesPage, new RatesSetupPage(state, this));
    setPage(DevicesPage, new DevicesSetupPage(state, this));
    resize(720, 520);
}

void HallSetupWizard::skip()
{
    const QScopedValueRollback<bool> skipping(m_skipping, true);
    if (nextId() == -1)
        accept();
    else
        next();
}
