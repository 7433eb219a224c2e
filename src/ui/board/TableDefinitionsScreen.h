#pragma once

#include "core/board/TableDefinitions.h"
#include "ui/base/RecordEditMode.h"

#include <QDialog>

#include <array>
#include <optional>

struct AppState;
class QComboBox;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
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
    // Builds the boxes and the record moves, which it leaves in *moves.
    QWidget* buildBoxes(QList<QPushButton*>* moves);
    void reload();
    void mapBoxes();
    void add();
    void edit();
    void save();
    void cancel();
    void remove();
    void find();
    void showNumber(const QString& number);
    void startCalculator();
    void goToRow(int row);
    // The boxes in the order of TableDefinitions::Columns.
    std::array<QLineEdit*, 7> boxes() const;

    AppState& m_state;
    TableDefinitionsModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    RecordEditMode m_mode;
    QTableView* m_tableList = nullptr;
    QTableView* m_detailList = nullptr;
    QComboBox* m_kindChooser = nullptr;
    QLineEdit* m_numberBox = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QLineEdit* m_inUseBox = nullptr;
    QLineEdit* m_depositBox = nullptr;
    QLineEdit* m_billingUnitBox = nullptr;
    QLineEdit* m_minimumBox = nullptr;
    QLineEdit* m_cardBox = nullptr;
    // The number the edited row had when it was read.
    std::optional<int> m_originalNumber;
};
