#include "ui/board/HallSetupPage.h"

#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "ui/board/HallSetupWizard.h"

HallSetupPage::HallSetupPage(const QString& title, const QString& subTitle, QWidget* parent)
    : QWizardPage(parent)
{
    setTitle(title);
    setSubTitle(subTitle);
    setCommitPage(true);
}

bool HallSetupPage::validatePage()
{
    const auto* setup = qobject_cast<const HallSetupWizard*>(wizard());
    if (setup && setup->skipping())
        return true;
    const HallSetup::Step step = apply();
    if (!step.result) {
        showError(step.result);
        return false;
    }
    if (!step.refusal.isEmpty()) {
        Messages::exclamation(step.refusal, title());
        return false;
    }
    return true;
}
