#pragma once

#include <QDialog>

struct AppState;
class BandEditor;
class QPushButton;

// The band editor: the rate bands of every table in one grid, by table.
class RateBandsScreen : public QDialog
{
    Q_OBJECT

public:
    explicit RateBandsScreen(AppState& state, QWidget* parent = nullptr);

private:
    void reload();
    void openSchemes();

    AppState& m_state;
    BandEditor* m_editor;
    QPushButton* m_reloadButton;
};
