#pragma once

#include "core/billing/BandStore.h"

#include <QList>
#include <QWidget>

#include <optional>

class QPushButton;
class QStandardItemModel;
class QTableView;

// The grid of band rows with the ten record buttons that both rate screens
// share: moving, adding, editing, saving, cancelling, deleting and closing.
// The grid is locked except while a row is added or edited; a row is saved
// only when the store's check accepts it, and otherwise stays open for
// correction.
class BandEditor : public QWidget
{
    Q_OBJECT

public:
    explicit BandEditor(const BandStore& store, QWidget* parent = nullptr);

    // Shows the store's rows afresh, dropping any unsaved change.
    void reload();
    void setStore(const BandStore& store);
    bool editing() const { return m_editing; }

Q_SIGNALS:
    void closeRequested();
    void editingChanged(bool editing);

private:
    QPushButton* addButton(const QString& name, const QString& caption);
    void setEditing(bool editing);
    void moveTo(int row);
    void addRow();
    void editRow();
    void saveRows();
    void deleteRow();
    void showRow(int row, const TypedBand& band);
    TypedBand typedRow(int row) const;

    BandStore m_store;
    QList<TypedBand> m_rows;
    QStandardItemModel* m_model;
    QTableView* m_grid;
    QList<QPushButton*> m_browseButtons;
    QList<QPushButton*> m_editButtons;
    bool m_editing = false;
};
