#pragma once

#include "core/admin/ScreenLog.h"
#include "core/members/ConsumptionCondition.h"
#include "core/members/ConsumptionQuery.h"

#include <QDialog>
#include <QList>

struct AppState;
class QAction;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTabWidget;
class QTableView;

// What the two member consumption queries share: eight condition rows over
// the fields of a condition dictionary, the condition as built, and the
// listing it finds in a grid laid out by the listing's dictionary.
class ConsumptionScreen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ConditionRows = 8;

    QTabWidget* tabs() const { return m_tabs; }
    const QSqlQueryModel* rows() const { return m_rows; }
    // The "find" key: false when a condition was refused or the query failed.
    bool find();

    void done(int result) override;

protected:
    // logName names the screen in the operator log; the subclass sets the title shown.
    ConsumptionScreen(AppState& state, ConsumptionQuery::Kind kind, const QString& logName, QWidget* parent);

    AppState& m_state;

private:
    void buildScreen();
    QWidget* buildConditionTab();
    QWidget* buildResultTab();
    void addConditionRow(QGridLayout* grid, int i);
    void loadConditionFields();
    void clearConditions();
    QList<ConsumptionCondition::Row> typedRows() const;
    bool readCondition(ConsumptionCondition::Condition* condition);
    void enablePrinting(bool enabled);
    void printView();
    void print();

    ConsumptionQuery::Kind m_kind;
    ScreenLog m_log;
    QList<ConsumptionCondition::Field> m_fields;

    QTabWidget* m_tabs = nullptr;
    QList<QComboBox*> m_fieldCombos;
    QList<QComboBox*> m_operatorCombos;
    QList<QLineEdit*> m_valueEdits;
    QList<QComboBox*> m_joinerCombos;
    QList<QLineEdit*> m_joinerEdits;
    QLineEdit* m_conditionText = nullptr;
    QTableView* m_resultGrid = nullptr;
    QList<QAction*> m_printKeys;
    QList<QPushButton*> m_printButtons;
    QSqlQueryModel* m_rows = nullptr;
};
