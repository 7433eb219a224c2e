#pragma once

#include "core/admin/OperatorLogList.h"
#include "core/admin/ScreenLog.h"

#include <QDialog>

struct AppState;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QTableWidget;

// The operator log viewer: lists the closed log entries, finds them by exact
// operator name and start date, and deletes them all. Its own opening and
// closing are logged like every management screen's.
class OperatorLogScreen : public QDialog
{
    Q_OBJECT

public:
    explicit OperatorLogScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildScreen();
    void find();
    void deleteAll();
    void exportLog();
    void list(const OperatorLogList::Filter& filter);

    AppState& m_state;
    QLineEdit* m_nameEdit;
    QCheckBox* m_fromDateCheck;
    QDateEdit* m_fromDateEdit;
    QTableWidget* m_grid;
    OperatorLogList::Filter m_filter;
    ScreenLog m_log;
};
