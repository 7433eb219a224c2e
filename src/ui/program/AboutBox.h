#pragma once

#include <QDialog>

// The program's name and version, and the libraries it is built on with
// their versions and licences.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};
