#pragma once

#include <QDialog>
#include <QPixmap>

struct AppState;
class QDateEdit;
namespace HistoryClearing {
struct Outcome;
}

// Clears settled history: paid goods rows and settled visits whose business
// date lies before the chosen date, after the operator has seen how many go
// and confirmed.
class HistoryClearingScreen : public QDialog
{
    Q_OBJECT

public:
    explicit HistoryClearingScreen(AppState& state, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void clearHistory();
    // Shows a refusal or failure; true when there was none.
    bool told(const HistoryClearing::Outcome& outcome);

    AppState& m_state;
    QDateEdit* m_beforeDateEdit;
    QPixmap m_background;
};
