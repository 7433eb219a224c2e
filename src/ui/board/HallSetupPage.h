#pragma once

#include "core/board/HallSetup.h"

#include <QWizardPage>

// A page of the set-up that writes one step when it is left forward: a
// refusal or failure is told and keeps the operator on the page.
class HallSetupPage : public QWizardPage
{
    Q_OBJECT

public:
    HallSetupPage(const QString& title, const QString& subTitle, QWidget* parent);

    bool validatePage() override;

protected:
    virtual HallSetup::Step apply() = 0;
};
