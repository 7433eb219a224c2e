#pragma once

#include "core/admin/ScreenLog.h"
#include "core/goods/GoodsDocument.h"
#include "core/goods/GoodsLookup.h"
#include "ui/base/RecordEditMode.h"

#include <QDialog>

#include <array>

struct AppState;
class QComboBox;
class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;

// The goods documents of one kind, purchases or sales, as the caller chose
// when making the screen. Browsing shows one row; "Add" and "Edit" take
// typing until "Save" or "Cancel". Rows are written only through the
// document rules.
class GoodsDocumentsScreen : public QDialog
{
    Q_OBJECT

public:
    GoodsDocumentsScreen(AppState& state, GoodsDocument::Kind kind, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    QWidget* buildBoxes();
    // Builds the record moves, which it leaves in *moves.
    QWidget* buildMoves(QList<QPushButton*>* moves);
    // The payment ways and the open tables a sale may go to.
    void fillChoosers();
    void reload();
    void goToRow(int row);
    qint64 currentId() const;
    void showRowState();
    void add();
    void edit();
    bool stoppedAsSettled(qint64 id, const QString& refusal);
    void save();
    void cancel();
    void remove();
    bool lookUpGoods();
    void showGoods(const GoodsLookup::Goods& goods);
    void showGoodsList();
    void pickDate();
    void computeAmount();
    void startCalculator();
    void exportDocuments();
    // The boxes in the order of GoodsDocument::Box: the number first, the
    // payment way last.
    std::array<QLineEdit*, 10> boxes() const;
    QLineEdit* box(int field) const { return boxes().at(std::size_t(field)); }

    AppState& m_state;
    ScreenLog m_log;
    GoodsDocument::Kind m_kind;
    QSqlQueryModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    RecordEditMode m_mode;
    QLineEdit* m_numberBox = nullptr;
    QLineEdit* m_dateBox = nullptr;
    QLineEdit* m_goodsBox = nullptr;
    QLineEdit* m_countBox = nullptr;
    QLineEdit* m_priceBox = nullptr;
    QLineEdit* m_amountBox = nullptr;
    QLineEdit* m_handlerBox = nullptr;
    QLineEdit* m_preparerBox = nullptr;
    QLineEdit* m_remarkBox = nullptr;
    // The payment way as stored, shown through m_paymentChooser.
    QLineEdit* m_paymentBox = nullptr;
    QComboBox* m_paymentChooser = nullptr;
    QComboBox* m_tableChooser = nullptr;
    QLabel* m_settledLabel = nullptr;
    QPushButton* m_dateButton = nullptr;
    QPushButton* m_goodsListButton = nullptr;
    // The row being edited; 0 while adding.
    qint64 m_editedId = 0;
    // The goods text last looked up, so that leaving the box does not ask twice.
    QString m_lookedUp;
    bool m_goodsKnown = false;
};
