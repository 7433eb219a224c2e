#pragma once

#include "core/admin/ScreenLog.h"
#include "core/goods/GoodsCatalogue.h"

#include <QDialog>
#include <QList>
#include <QMap>

struct AppState;
class QAction;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class QTableView;
class GoodsCatalogueModel;

// The goods catalogue: two lists and the field boxes over one model. Browse
// mode shows the current entry; Add and Edit let the boxes take typing until
// Save or Cancel, and the Enter key walks the boxes, saving an added entry
// from the last one and starting the next. Closing recomputes the leaf flags
// and levels.
class CatalogueScreen : public QDialog
{
    Q_OBJECT

public:
    explicit CatalogueScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;
    // Narrows the lists to the dialog's condition; falls back to the whole
    // catalogue when it finds nothing.
    void find_set(const GoodsCatalogue::FindCondition& condition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    QWidget* buildBoxes();
    void spbm_set();
    void spbm_add();
    void edit();
    bool sp_save();
    void qy_upda();
    void sp_dele();
    void find();
    void use_tag_check();
    void use_check();
    void print_set(int lx);
    void dr1();
    void startCalculator();
    void kongjian_enabled(bool jzbl);
    void cmd_yd();
    void goToRow(int row);
    void enterPressed(int index);
    QLineEdit* box(int index) const { return m_boxes.value(index); }
    int column(const char* name) const;
    bool editing() const { return m_adding || m_editing; }

    AppState& m_state;
    ScreenLog m_log;
    GoodsCode::Structure m_structure;
    GoodsCatalogueModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    QTableView* m_dy = nullptr;
    QTableView* m_ly = nullptr;
    QMap<int, QLineEdit*> m_boxes;
    QList<QPushButton*> m_moves;
    QMap<QString, QAction*> m_keys;
    bool m_adding = false;
    bool m_editing = false;
    // The code the edited row was read with.
    QString m_original;
};
