#pragma once

#include <QDialog>
#include <QList>

#include <optional>

struct AppState;
class QAction;
class QComboBox;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;

// The table definitions: the hall's tables in two lists and seven boxes over
// one model. Browse mode shows the current row; Add and Edit switch to edit
// mode, where the boxes take typing until Save or Cancel. A row is written
// only once the table rules have accepted every box.
class TableDefinitionsScreen : public QDialog
{
    Q_OBJECT

public:
    explicit TableDefinitionsScreen(AppState& state, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    QWidget* buildBoxes();
    void zd_star();
    void bmbm_set();
    void sp_add();
    void edit();
    void save();
    void qy_upda();
    void sp_dele();
    void find();
    void find_set(const QString& number);
    void startCalculator();
    void kongjian_enabled(bool editing);
    void cmd_yd();
    void goToRow(int row);
    int rowOfNumber(const QString& number) const;
    int column(const char* name) const;

    AppState& m_state;
    QSqlTableModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    QTableView* m_list = nullptr;
    QTableView* m_detail = nullptr;
    QComboBox* m_combzd = nullptr;
    QList<QLineEdit*> m_boxes;
    QList<QPushButton*> m_moves;
    QList<QAction*> m_browseActions;
    QList<QAction*> m_editActions;
    bool m_adding = false;
    bool m_editing = false;
    // The number the edited row had when it was read.
    std::optional<int> m_original;
};
