#pragma once

#include "core/admin/ScreenLog.h"
#include "core/goods/GoodsDocument.h"
#include "core/goods/GoodsLookup.h"

#include <QDialog>
#include <QList>

struct AppState;
class QAction;
class QComboBox;
class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;

// The goods documents: purchases or sales, as the goods mode said when the
// screen opened. Browsing shows one row; "Add" and "Edit" take typing until
// "Save" or "Cancel". Rows are written only through the document rules.
class GoodsDocumentsScreen : public QDialog
{
    Q_OBJECT

public:
    explicit GoodsDocumentsScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    QWidget* buildBoxes();
    QWidget* buildMoves();
    QLineEdit* box(int index) const { return m_boxes.at(index); }
    void zzdset();
    void zzdlock(bool locked);
    void reload();
    void goToRow(int row);
    qint64 currentId() const;
    void showRowState();
    void xs_add();
    void edit();
    bool stoppedAsSettled(qint64 id, const QString& refusal);
    void save();
    void cancel();
    void dj_del();
    bool sp_find();
    void showGoods(const GoodsLookup::Goods& goods);
    void showHelpList();
    void pickDate();
    void jejs();
    void kongjian_enabled(bool editing);
    void cmd_yd();
    void startCalculator();

    AppState& m_state;
    ScreenLog m_log;
    GoodsDocument::Kind m_kind;
    QSqlQueryModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    QList<QLineEdit*> m_boxes;
    QList<QPushButton*> m_moves;
    QList<QAction*> m_browseActions;
    QList<QAction*> m_editActions;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combzhao = nullptr;
    QLabel* m_labJz = nullptr;
    QPushButton* m_cmdDate = nullptr;
    QPushButton* m_command1 = nullptr;
    bool m_entering = false;
    // The row being edited; 0 while adding.
    qint64 m_editedId = 0;
    // The goods text last looked up, so that leaving the box does not ask twice.
    QString m_lookedUp;
    bool m_goodsKnown = false;
};
