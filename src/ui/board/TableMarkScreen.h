#pragma once

#include "core/base/Result.h"

#include <QDialog>
#include <QSqlDatabase>

#include <optional>

struct AppState;
class QLineEdit;
class QPushButton;

// The screens that keep one value on the current table's row (the
// reminder, the deposit): the table, the value, save and cancel. A value
// that is not one the table may keep is refused with a message and nothing
// is written. Accepted when a value was saved.
class TableMarkScreen : public QDialog
{
    Q_OBJECT

public:
    struct Kind
    {
        const char* name;
        QString caption;
        QString hint;
        QString label;
        std::optional<double> (*read)(const QString& text);
        QString (*refused)();
        Result (*save)(const QSqlDatabase& db, qint16 number, double value);
        QString saved; // the message, with %1 for the table number and %2 for the value
    };

protected:
    TableMarkScreen(const Kind& kind, AppState& state, const QString& table, const QString& value, QWidget* parent);

private:
    void save();

    Kind m_kind;
    QLineEdit* m_table;
    QLineEdit* m_value;
    QPushButton* m_saveButton;
    QPushButton* m_cancelButton;
    AppState& m_state;
};
