#pragma once

#include <QMainWindow>
#include <QPointer>

struct AppState;
class QAction;
class QLabel;
class QMdiArea;
class QTimer;

// The frame window in which every other screen opens. Closing it asks first;
// aboutToEnd() is emitted once the operator has agreed, before it closes.
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
    void aboutToEnd();
    // The operator asked for a change of shift: the login screen is shown again.
    void shiftChangeRequested();
    // A new database location was stored; it is used from the next start.
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void onTimer();
    void openParameterEditor();
    void openDatabaseLocation();

    AppState& m_state;
    QPointer<QWidget> m_splash;
    QMdiArea* m_mdiArea;
    QList<QLabel*> m_panels;
    QTimer* m_timer;
    QAction* m_parameterEditor = nullptr;
};
