#pragma once

#include <QDialog>

struct AppState;
class BandEditor;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// The scheme editor: tab 1 edits the bands of the chosen scheme and adds new
// schemes, tab 2 copies the chosen scheme onto the checked tables.
class RateSchemesScreen : public QDialog
{
    Q_OBJECT

public:
    explicit RateSchemesScreen(AppState& state, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }

private:
    QWidget* buildSchemeTab();
    QWidget* buildTablesTab();
    void upgradeSchemes();
    void loadSchemes();
    void showScheme();
    void loadTables();
    void addScheme();
    void assignScheme();

    AppState& m_state;
    QTabWidget* m_tabs;
    QComboBox* m_schemeCombo = nullptr;
    BandEditor* m_editor = nullptr;
    QLineEdit* m_newSchemeEdit = nullptr;
    QTreeWidget* m_tableList = nullptr;
};
