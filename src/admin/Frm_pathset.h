#pragma once

#include <QDialog>

class QFileDialog;
class QLineEdit;
class SettingsStore;

// Points the program at another database file. The choice is stored in the
// settings and used from the next start, so choosing ends the program.
class Frm_pathset : public QDialog
{
    Q_OBJECT

public:
    explicit Frm_pathset(SettingsStore& settings, QWidget* parent = nullptr);

    // Takes a chosen file: checks that it is a database the program can work
    // on, stores its folder and name, and ends the program. A file that will
    // not open is refused with the reason, and nothing is stored.
    void chooseFile(const QString& fullName);

Q_SIGNALS:
    void endProgram();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void browse();

    SettingsStore& m_settings;
    QLineEdit* m_text1;
    QFileDialog* m_dig;
    QPixmap m_background;
};
