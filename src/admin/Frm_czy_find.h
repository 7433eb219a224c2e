#pragma once

#include <QDialog>

class QTimer;

// The notice shown while the rights screen reads the operators; it closes
// itself on its timer and deletes itself when closed.
class Frm_czy_find : public QDialog
{
    Q_OBJECT

public:
    explicit Frm_czy_find(QWidget* parent = nullptr);

private:
    QTimer* m_timer;
};
