#pragma once

#include <QDialog>
#include <QPixmap>

struct AppState;
class QDateEdit;

// Clears settled history: paid goods rows and settled visits whose business
// date lies before the chosen date, after the operator confirms.
class FrmClearData : public QDialog
{
    Q_OBJECT

public:
    explicit FrmClearData(AppState& state, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Cmddate_0_Click();

    AppState& m_state;
    QDateEdit* m_dJzrc;
    QPixmap m_background;
};
