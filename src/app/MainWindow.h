#pragma once

#include <QMainWindow>
#include <QPointer>

struct AppState;
class BoardDevices;
class BoardScreen;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

// The frame window in which every other screen opens. After a login it
// shows the table board, whose menus and toolbar are the program's for the
// whole shift, with the devices it drives, made afresh for each board. Closing it asks first, and writes a backup when
// the parameter says so.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState& state, QWidget* splash = nullptr, QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The table board, while one is open.
    BoardScreen* board() const;

    // Writes the business date, operator and shift of the latest login into
    // the status bar and opens a table board built afresh for that operator.
    void applyLogin();
    // Offers the set-up when the hall has no tables yet, unless it was put
    // off before in this run; once the board is on the screen.
    void offerHallSetup();

Q_SIGNALS:
    // The operator asked for a change of shift: the board is closed and the
    // login screen is shown again.
    void shiftChangeRequested();
    // A new database location was stored; it is used from the next start.
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openBoard();
    void closeBoard();
    void closeSplash();

    AppState& m_state;
    QPointer<QWidget> m_splash;
    QMdiArea* m_mdiArea;
    QPointer<QMdiSubWindow> m_boardFrame;
    QPointer<BoardDevices> m_boardDevices;
    QList<QLabel*> m_panels;
    QTimer* m_splashTimer;
    bool m_setupPutOff = false;
};
