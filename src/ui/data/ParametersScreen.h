#pragma once

#include <QDialog>
#include <QList>

class QGridLayout;
class QLineEdit;
struct AppState;

// The parameter editor: creates the missing parameter rows, lists every
// visible row as name, value and help text, and saves the edited values.
// Saved values take effect at the next start.
class ParametersScreen : public QDialog
{
    Q_OBJECT

public:
    explicit ParametersScreen(AppState& state, QWidget* parent = nullptr);

private:
    struct Row
    {
        qint64 id;
        QString name;
        QLineEdit* box;
    };

    void load();
    void addRow(int i, qint64 id, const QString& name, const QString& value, const QString& helpText);
    void saveParameters();

    AppState& m_state;
    QGridLayout* m_grid = nullptr;
    QList<Row> m_rows;
};
