#pragma once

#include <QDialog>
#include <QSqlDatabase>

class QFileDialog;
class QLineEdit;
class QRadioButton;
class SettingsStore;
struct ServerPlace;

// Points the program at another database: a file, or the hall's database on
// a PostgreSQL server. The choice is stored in the settings and used from the
// next start, so choosing ends the program. Another database (an old backup)
// would replace every balance, so only the system operator of the database
// in use (db) may choose one. Closing the screen changes nothing and ends
// nothing: the board is still there.
class DatabaseFileDialog : public QDialog
{
    Q_OBJECT

public:
    DatabaseFileDialog(SettingsStore& settings, const QSqlDatabase& db, QWidget* parent = nullptr);

    // Shows the chosen file; nothing is checked before "确定", so that the
    // password can be typed after the file is chosen.
    void chooseFile(const QString& fullName);
    // "确定": reads the chosen file without writing to it, or connects to the
    // server (the server's password, when typed, is used for this check only
    // and never stored), checks the system operator's password typed on the
    // screen, asks the operator to confirm the choice by the date of its last
    // settled visit, then stores it and ends the program. Nothing chosen, a
    // file that cannot be read or written or is not a Tavoro database, a
    // server refused at start, a wrong password or a "No" store nothing and
    // are told, and the screen stays.
    void confirm();

Q_SIGNALS:
    void endProgram();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void browse();
    void showChoice();
    ServerPlace typedPlace() const;

    SettingsStore& m_settings;
    QSqlDatabase m_db;
    QRadioButton* m_fileChoice;
    QRadioButton* m_serverChoice;
    QLineEdit* m_fileEdit;
    QLineEdit* m_hostEdit;
    QLineEdit* m_portEdit;
    QLineEdit* m_databaseEdit;
    QLineEdit* m_userEdit;
    QLineEdit* m_serverPasswordEdit;
    QLineEdit* m_passwordEdit;
    QFileDialog* m_fileDialog;
    QPixmap m_background;
};
