#pragma once

#include "core/admin/OperatorStore.h"
#include "core/admin/ScreenLog.h"

#include <QDialog>
#include <QList>

#include <optional>

struct AppState;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class RightsFrame;

// The operator-rights screen: the operators with their granted groups in a
// tree, the rights of the chosen group, the discount limit, and adding,
// deleting and clearing the password of operators. Every tick is stored at
// once. The system operator's rights are shown but cannot be changed.
class OperatorRightsScreen : public QDialog
{
    Q_OBJECT

public:
    explicit OperatorRightsScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void buildScreen();
    QWidget* buildToolbarAndMenu();
    QWidget* buildTreePane();
    QWidget* buildRightsPane();
    QWidget* buildDiscountPane();

    void loadTree();
    QTreeWidgetItem* addOperatorNode(const OperatorRecord& record);
    void addGroupNode(QTreeWidgetItem* operatorNode, int group);
    void updateOperatorIcon(QTreeWidgetItem* operatorNode);
    QTreeWidgetItem* selectedOperatorNode() const;

    void showSelection();
    void grantGroup(int group, bool granted);
    void saveRights(int group);
    void saveDiscountLimit();

    void addOperator();
    void deleteOperator();
    void clearPassword();
    void startCalculator();
    void showHelp();

    AppState& m_state;
    ScreenLog m_log;
    OperatorStore m_store;
    std::optional<OperatorRecord> m_current;

    QTreeWidget* m_tree = nullptr;
    QList<QCheckBox*> m_groupBoxes;
    QList<RightsFrame*> m_frames;
    QStackedWidget* m_stack = nullptr;
    QLineEdit* m_discountLimitEdit = nullptr;
    QPushButton* m_saveDiscountLimitButton = nullptr;
};
