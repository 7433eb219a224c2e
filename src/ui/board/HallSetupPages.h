#pragma once

#include "ui/board/HallSetupPage.h"

struct AppState;
class QLabel;
class QLineEdit;
class QListWidget;

// The hall's name, as bills and reports print it.
class HallNamePage : public HallSetupPage
{
    Q_OBJECT

public:
    HallNamePage(AppState& state, QWidget* parent);

protected:
    HallSetup::Step apply() override;

private:
    AppState& m_state;
    QLineEdit* m_nameBox;
};

// The tables to add, numbered after those the hall has, their names and
// their billing unit and minimum.
class TablesSetupPage : public HallSetupPage
{
    Q_OBJECT

public:
    TablesSetupPage(AppState& state, QWidget* parent);

    void initializePage() override;

protected:
    HallSetup::Step apply() override;

private:
    // Lists one name per table counted, keeping the names already typed.
    void listNames();

    AppState& m_state;
    QLabel* m_present;
    QLineEdit* m_countBox;
    QListWidget* m_nameList;
    QLineEdit* m_billingUnitBox;
    QLineEdit* m_minimumBox;
    int m_firstNumber = 1;
};

// One scheme of day and evening rates for members and guests, given to
// every table.
class RatesSetupPage : public HallSetupPage
{
    Q_OBJECT

public:
    RatesSetupPage(AppState& state, QWidget* parent);

    void initializePage() override;

protected:
    HallSetup::Step apply() override;

private:
    AppState& m_state;
    QLineEdit* m_schemeBox;
    QLineEdit* m_dayMemberBox;
    QLineEdit* m_dayGuestBox;
    QLineEdit* m_eveningMemberBox;
    QLineEdit* m_eveningGuestBox;
    QLineEdit* m_eveningStartsBox;
};
