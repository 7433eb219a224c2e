#pragma once

#include <QDialog>

class QTimer;

// The notice shown while the rights screen reads the operators; it closes
// itself on its timer and deletes itself when closed.
class OperatorLoadingNotice : public QDialog
{
    Q_OBJECT

public:
    explicit OperatorLoadingNotice(QWidget* parent = nullptr);

private:
    QTimer* m_timer;
};
