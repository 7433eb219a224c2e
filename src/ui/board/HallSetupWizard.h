#pragma once

#include <QWizard>

struct AppState;

// The set-up of a hall that has no tables yet: its name, its tables, one
// rate scheme and its devices, one page each. Each page writes its step when
// it is left forward, and cannot be gone back to, so that no step is written
// twice; "跳过此步" leaves a page without writing it.
class HallSetupWizard : public QWizard
{
    Q_OBJECT

public:
    enum Page
    {
        NamePage,
        TablesPage,
        RatesPage,
        DevicesPage
    };

    explicit HallSetupWizard(AppState& state, QWidget* parent = nullptr);

    // Whether the page being left is skipped rather than written.
    bool skipping() const { return m_skipping; }
    // Leaves the current page without writing it; on the last page, ends.
    void skip();

private:
    bool m_skipping = false;
};
