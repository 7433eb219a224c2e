#pragma once

#include "admin/OperatorRights.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

struct AppState;
class QAction;
class QLabel;
class QMenu;
class QMdiArea;
class QTimer;

// The frame window in which every other screen opens. Closing it asks first,
// and writes a backup when the parameter says so.
class Form_main : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form_main(AppState& state, QWidget* splash = nullptr, QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdiArea; }

    // Writes the business date, operator and shift of the latest login into
    // the status bar and enables the menu items the operator's rights allow.
    void applyLogin();

Q_SIGNALS:
    // The operator asked for a change of shift: the login screen is shown again.
    void shiftChangeRequested();
    // A new database location was stored; it is used from the next start.
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A menu item the operator's rights letters switch on.
    struct GuardedItem
    {
        QAction* action;
        QString OperatorRights::*group;
        QChar letter;
    };

    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> slot);
    void guard(QAction* action, QString OperatorRights::*group, char letter);
    template <typename Screen>
    void open();
    void onTimer();
    void openDatabaseLocation();

    AppState& m_state;
    QPointer<QWidget> m_splash;
    QMdiArea* m_mdiArea;
    QList<QLabel*> m_panels;
    QTimer* m_timer;
    QList<GuardedItem> m_guarded;
};
